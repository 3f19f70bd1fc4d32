#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package build/velkaron_<version>_<arch>.deb.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
build=${VELKARON_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/velkaron_*.deb
