#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it the way a user
# meets it: lintian finds no errors, apt can resolve its dependencies, and,
# unpacked into a throwaway root, the installed stickwell-cli prints an
# installed example from a folder outside the source tree, the desktop entry
# is valid, and the file-type database knows designs and templates by their
# extension and by their signature. Touches nothing outside temporary folders.
#   scripts/check-package.sh [BUILD_DIR]
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(cd "${1:-$source_dir/build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

echo "== building the package"
(cd "$build_dir" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$work"/package/quillon-stickwell_*.deb)
dpkg-deb --field "$deb" Package Version Architecture Depends Recommends

echo "== lintian"
# Errors fail the check; warnings and notes are shown.
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports errors"

echo "== dependencies"
depends=$(dpkg-deb --field "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 libqt6sql6-sqlite libjpeg62-turbo; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
if command -v apt-get >/dev/null; then
  apt-get install --simulate --no-install-recommends "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; fail "apt cannot resolve the dependencies"; }
fi

echo "== installed into a throwaway root"
root="$work/root"
dpkg-deb -x "$deb" "$root"
share="$root/usr/share"
for file in bin/stickwell bin/stickwell-cli share/applications/quillon-stickwell.desktop \
            share/mime/packages/quillon-stickwell.xml share/man/man1/stickwell.1.gz share/man/man1/stickwell-cli.1.gz \
            share/icons/hicolor/scalable/apps/quillon-stickwell.svg share/icons/hicolor/16x16/apps/quillon-stickwell.png \
            share/icons/hicolor/256x256/apps/quillon-stickwell.png share/doc/quillon-stickwell/guide/index.html \
            share/doc/quillon-stickwell/copyright share/quillon-stickwell/examples/address-label.lpd \
            "share/quillon-stickwell/layouts/Address Labels.LYT"; do
  [ -e "$root/usr/$file" ] || fail "the package lacks /usr/$file"
done

# The installed program, run from elsewhere, with no hint where its data is.
mkdir -p "$work/elsewhere" "$work/home"
(cd "$work/elsewhere" && env -u STICKWELL_DATA_DIR HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
   XDG_DATA_HOME="$work/home/.local/share" QT_QPA_PLATFORM=offscreen \
   "$root/usr/bin/stickwell-cli" print "$share/quillon-stickwell/examples/address-label.lpd" -o labels.pdf --pages 2)
pages=$(pdfinfo "$work/elsewhere/labels.pdf" | awk '/^Pages:/ {print $2}')
[ "$pages" = 2 ] || fail "the installed example printed $pages pages, not 2"
pdftotext "$work/elsewhere/labels.pdf" - | grep -q . || fail "the printed example holds no text"
"$root/usr/bin/stickwell-cli" --version

echo "== desktop entry"
desktop-file-validate "$share/applications/quillon-stickwell.desktop" || fail "desktop-file-validate fails"

echo "== file types"
mkdir -p "$work/mime"
cp -r /usr/share/mime/packages "$work/mime/"
cp "$share/mime/packages/quillon-stickwell.xml" "$work/mime/packages/"
update-mime-database "$work/mime" >/dev/null 2>&1
example="$share/quillon-stickwell/examples/address-label.lpd"
cp "$example" "$work/design.lpd"
cp "$example" "$work/template.cct"
cp "$example" "$work/no-extension"
query() { XDG_DATA_HOME="$work/none" XDG_DATA_DIRS="$work:/usr/share" xdg-mime query filetype "$1"; }
[ "$(query "$work/design.lpd")" = application/x-quillon-stickwell-design ] || fail "design.lpd: $(query "$work/design.lpd")"
[ "$(query "$work/template.cct")" = application/x-quillon-stickwell-template ] || fail "template.cct: $(query "$work/template.cct")"
[ "$(query "$work/no-extension")" = application/x-quillon-stickwell-design ] || fail "by signature: $(query "$work/no-extension")"
echo "check-package: all good"
