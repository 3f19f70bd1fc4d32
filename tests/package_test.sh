#!/bin/sh
# Builds the Debian package from the build tree, unpacks it into a scratch root and checks
# what a user gets: the two programs (and that they run from there), the menu entry, the
# icons, the AppStream file and the manual page, each accepted by its validator, and
# dependencies that name the fonts, the Qt libraries and what the lemma fallback reads.
# usage: package_test.sh SOURCE_DIR BUILD_DIR
set -eu
src=$1
build=$2
# cpack's Debian generator runs file(1) to find the binaries for dpkg-shlibdeps.
for tool in desktop-file-validate appstreamcli man file dpkg-shlibdeps cpack; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 77; }
done

desktop-file-validate "$src/desktop/example.velkaron.Velkaron.desktop"
appstreamcli validate --no-net --pedantic "$src/desktop/example.velkaron.Velkaron.metainfo.xml" >/dev/null
man --warnings -E UTF-8 -l "$src/desktop/velkaron-cli.1" >/dev/null

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/velkaron_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in fonts-liberation fonts-dejavu-core libqt6widgets6 libqt6core6 libqt6network6 libhunspell hunspell-fr-classical; do
  case "$depends" in *"$needed"*) ;; *) echo "dependency $needed missing"; exit 1 ;; esac
done

root="$scratch/root"
dpkg -x "$deb" "$root"
for f in \
  usr/bin/velkaron usr/bin/velkaron-cli \
  usr/share/applications/example.velkaron.Velkaron.desktop \
  usr/share/metainfo/example.velkaron.Velkaron.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/example.velkaron.Velkaron.svg \
  usr/share/icons/hicolor/16x16/apps/example.velkaron.Velkaron.png \
  usr/share/icons/hicolor/256x256/apps/example.velkaron.Velkaron.png \
  usr/share/man/man1/velkaron-cli.1 \
  usr/share/doc/velkaron/licenses/LGPL-2.1.txt
do
  [ -f "$root/$f" ] || { echo "not in the package: $f"; exit 1; }
done
desktop-file-validate "$root/usr/share/applications/example.velkaron.Velkaron.desktop"

# Nothing of the build or the tests slips in.
unexpected=$(cd "$root" && find . -type f | grep -vE '^\./usr/(bin|share/(applications|metainfo|icons|man|doc))/' || true)
[ -z "$unexpected" ] || { echo "unexpected files: $unexpected"; exit 1; }

answer=$("$root/usr/bin/velkaron-cli" chat | head -n 2 | tr '\n' '|')
[ "$answer" = "3 synonymes pour ''chat''.|CHAT: nom|" ] || { echo "packaged velkaron-cli answered: $answer"; exit 1; }
echo "package ok: $(basename "$deb")"
