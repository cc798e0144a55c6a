#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the program folder, the
# launcher and the icon; a user's archive already in the folder survives a
# second install. Usage: check_install.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
build=$1
scratch=$2
prefix=$scratch/prefix
rm -rf "$scratch"
mkdir -p "$scratch"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
folder=$prefix/lib/memora
[ -x "$folder/memora" ] || fail "no executable in $folder"
[ -f "$folder/Avviso.mp3" ] || fail "no alert sound in $folder"
[ -f "$folder/Guida.pdf" ] || fail "no guide in $folder"
[ -f "$prefix/share/icons/hicolor/scalable/apps/memora.svg" ] || fail "no icon"
[ -f "$prefix/share/metainfo/org.example.memora.metainfo.xml" ] || fail "no metainfo"
launcher=$prefix/share/applications/memora.desktop
grep -qx "Exec=\"$folder/memora\"" "$launcher" || fail "the launcher does not start $folder/memora"
grep -qx "Path=$folder" "$launcher" || fail "the launcher does not start in $folder"
desktop-file-validate "$launcher" || fail "the installed launcher is not valid"

# Installing again never touches the user's cards.
printf 'cards' > "$folder/Archivio_Scadenze.pro"
cmake --install "$build" --prefix "$prefix" >/dev/null
[ "$(cat "$folder/Archivio_Scadenze.pro")" = cards ] || fail "a second install changed the archive"
echo "install layout ok"
