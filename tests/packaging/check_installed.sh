#!/usr/bin/env bash
# Checks an installed tree (PREFIX is e.g. ROOT/usr) and starts the installed bilvex-config
# offscreen with a throw-away settings folder, so a user's real settings are never touched.
#   check_installed.sh PREFIX
set -euo pipefail

prefix="${1:?usage: check_installed.sh PREFIX}"
desktop="$prefix/share/applications/bilvex-config.desktop"
icon="$prefix/share/icons/hicolor/scalable/apps/bilvex-config.svg"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

for program in bilvex-config bilvex-send bilvex-unit-sim; do
  [ -x "$prefix/bin/$program" ] || fail "$prefix/bin/$program is not installed"
done

[ -f "$desktop" ] || fail "$desktop is not installed"
for line in 'Type=Application' 'Exec=bilvex-config' 'Icon=bilvex-config' 'Categories=Utility;'; do
  grep -q -x -F -e "$line" "$desktop" || fail "$desktop lacks the line '$line'"
done
for key in 'Name\[tr\]' 'Comment\[tr\]'; do
  grep -q -e "^$key=." "$desktop" || fail "$desktop lacks a Turkish $key"
done

[ -f "$icon" ] || fail "$icon is not installed"
if ! grep -q '<svg' "$icon" || ! grep -q '</svg>' "$icon"; then
  fail "$icon is not an SVG image"
fi

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
# Without a login session Qt warns that XDG_RUNTIME_DIR is not set and leaves
# /tmp/runtime-<user> behind: the started program gets a private one (mode 0700), removed
# with the scratch folder.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR="$(mktemp -d -p "$scratch")"
  export XDG_RUNTIME_DIR
fi

"$prefix/bin/bilvex-unit-sim" --help >"$scratch/unit-help.txt" || fail "bilvex-unit-sim --help failed"
grep -q -- '--link' "$scratch/unit-help.txt" || fail "bilvex-unit-sim --help does not list --link"
"$prefix/bin/bilvex-send" --help >"$scratch/send-help.txt" || fail "bilvex-send --help failed"
grep -q -- '--list-ports' "$scratch/send-help.txt" || fail "bilvex-send --help does not list --list-ports"

shot="$scratch/window.png"
status=0
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$scratch/config" \
  timeout 60 "$prefix/bin/bilvex-config" --screenshot "$shot" 2>"$scratch/app-stderr.txt" || status=$?
[ "$status" -eq 0 ] || { cat "$scratch/app-stderr.txt" >&2; fail "bilvex-config exited with $status"; }

# A first start writes a fresh settings file into the given folder.
[ -f "$scratch/config/bilvex/ZEMRA_Bilvex_Polynet_Ver_3_04.txt" ] \
  || fail "bilvex-config wrote no settings file under XDG_CONFIG_HOME"

[ -s "$shot" ] || fail "bilvex-config saved no picture of its window"
[ "$(od -An -tx1 -N8 "$shot" | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "$shot is not a PNG"
read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$shot")
if [ "$width" -lt 100 ] || [ "$height" -lt 100 ]; then
  fail "the window picture is only ${width}x${height}"
fi

echo "installed tree under $prefix is complete; bilvex-config showed a ${width}x${height} window"
