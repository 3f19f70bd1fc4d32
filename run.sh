#!/usr/bin/env bash
# Installs what is missing, builds, and starts Velkaron.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
exec "${VELKARON_BUILD_DIR:-$root/build}/app/velkaron"
