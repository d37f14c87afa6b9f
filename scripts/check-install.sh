#!/usr/bin/env bash
# Installs the built project into a scratch DESTDIR and checks what a desktop gets: the programs, the
# desktop entry, file types, icons, metainfo and manual pages, each through its validator; then builds
# the Debian package and checks that its Depends were filled in from the linked libraries.
# Run after scripts/build.sh (or scripts/test.sh); the build folder is build/ or $BUILD_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath "${BUILD_DIR:-build}")
app_id=org.quellor.KVXEdit

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "check-install: $*" >&2; exit 1; }

cmake --build "$build_dir" --parallel "$(nproc)" --target kvxedit kvxedit-network kvxtool >/dev/null
# The prefix the Debian package uses; the build folder's own prefix is left as it is.
DESTDIR="$scratch/root" cmake --install "$build_dir" --prefix /usr >/dev/null
root=$scratch/root/usr

echo "== installed files"
expected=(
  bin/kvxedit bin/kvxtool
  share/applications/$app_id.desktop
  share/metainfo/$app_id.metainfo.xml
  share/mime/packages/$app_id.xml
  share/icons/hicolor/scalable/apps/$app_id.svg
  share/icons/hicolor/48x48/apps/$app_id.png
  share/icons/hicolor/256x256/apps/$app_id.png
  share/man/man1/kvxedit.1 share/man/man1/kvxtool.1
  share/kvxedit/translations/kvxedit_ru.qm share/kvxedit/translations/kvxedit_uk.qm
  share/kvxedit/translations/kvxedit_de.qm
)
for f in "${expected[@]}"; do
  [ -f "$root/$f" ] || fail "missing $f"
done
[ -x "$root/bin/kvxedit" ] && [ -x "$root/bin/kvxtool" ] || fail "the programs are not executable"
"$root/bin/kvxtool" --help >/dev/null || fail "the installed kvxtool does not run"
for size in 48 256; do
  file "$root/share/icons/hicolor/${size}x${size}/apps/$app_id.png" | grep -q "$size x $size" ||
    fail "the ${size}x${size} icon has another size"
done
# The network module lies where the installed editor looks for it (a UTF-16 literal in the program),
# and only the module loads Qt Network.
module_dir=$(strings -el "$root/bin/kvxedit" | grep -m1 -x '\.\./lib.*/kvxedit') || fail "kvxedit names no module folder"
[ -f "$root/bin/$module_dir/kvxedit-network.so" ] || fail "no network module in bin/$module_dir"
expected+=("$(realpath --relative-to="$root" "$root/bin/$module_dir/kvxedit-network.so")")
! ldd "$root/bin/kvxedit" | grep -q libQt6Network || fail "kvxedit loads Qt Network at start-up"
echo "ok: ${#expected[@]} files"

echo "== desktop entry"
desktop-file-validate "$root/share/applications/$app_id.desktop"
grep -qx 'MimeType=application/x-kvx;application/x-ckvx;' "$root/share/applications/$app_id.desktop" ||
  fail "the desktop entry does not name both file types"

echo "== AppStream metainfo"
appstreamcli validate --no-net "$root/share/metainfo/$app_id.metainfo.xml"

echo "== file types"
mkdir -p "$scratch/mime/packages"
cp "$root/share/mime/packages/$app_id.xml" "$scratch/mime/packages/"
XDG_DATA_HOME=$scratch update-mime-database "$scratch/mime"
# A plain image and a compressed one share their first 16 bytes; only offset 16 tells them apart.
header='KVX\0\033\0\0\0\001\0\0\0\004\0\0\0'
printf "${header}"'\0\0\0\0\0\0END\361' >"$scratch/plain"
printf "${header}"'CKVX\0\0\0\0END\361' >"$scratch/packed"
for pair in plain:application/x-kvx packed:application/x-ckvx; do
  file=${pair%%:*} want=${pair#*:}
  got=$(XDG_DATA_HOME=$scratch XDG_DATA_DIRS=/usr/share gio info -a standard::content-type "$scratch/$file" |
        sed -n 's/.*standard::content-type: //p')
  [ "$got" = "$want" ] || fail "a $file image is sniffed as '$got', not $want"
done
echo "ok: both forms recognised by their content"

echo "== manual pages"
for page in kvxedit kvxtool; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/share/man/man1/$page.1" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page.1: $warnings"
done
# kvxtool.1 names every subcommand the program has.
for command in info dump new convert stamp sort-networks sort-transponders delete import-sdx \
               lyngsat-merge "lh5 compress" "lh5 expand"; do
  "$root/bin/kvxtool" ${command} --help >/dev/null 2>&1 || fail "kvxtool has no command '$command'"
  man -l "$root/share/man/man1/kvxtool.1" 2>/dev/null | grep -q -- "^ *$command " ||
    fail "kvxtool.1 does not describe '$command'"
done
echo "ok"

echo "== Debian package"
rm -f "$build_dir"/kvxedit_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
deb=$(ls "$build_dir"/kvxedit_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "$(basename "$deb"): Depends: $depends"
for lib in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6network6; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib"
done
contents=$(dpkg-deb -c "$deb")
for f in "${expected[@]}"; do
  grep -q "\./usr/$f\$" <<<"$contents" || fail "the package lacks /usr/$f"
done
echo "ok"
