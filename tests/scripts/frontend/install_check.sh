#!/usr/bin/env bash
# `cmake --install` gives a playable tree: the game with its data in lib/slidestone, a working
# bin/slidestone launcher, a menu entry naming it and the icon.
#   install_check.sh BUILD_DIR
set -u
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >"$prefix/install.log" 2>&1 || fail "install: $(cat "$prefix/install.log")"
game=$prefix/lib/slidestone
for f in slidestone stage/xydata.dat sound/PSMAT005.ogg pictures/title.png fonts/DejaVuSans-Bold.ttf; do
  [ -e "$game/$f" ] || fail "missing $game/$f"
done
[ -L "$prefix/bin/slidestone" ] || fail "bin/slidestone is not a link"
entry=$prefix/share/applications/slidestone.desktop
grep -qx "Exec=$prefix/bin/slidestone" "$entry" || fail "menu entry: $(cat "$entry")"
grep -qx "Icon=slidestone" "$entry" || fail "menu entry has no icon name"
icon=$prefix/share/icons/hicolor/128x128/apps/slidestone.png
[ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "icon is not a PNG"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entry" || fail "desktop-file-validate"
fi

# The launcher finds the data beside the real executable, from any folder.
printf 'wait 300\nexpect GameState == 1\nprint GameState\n' >"$prefix/menu.script"
out=$(cd / && "$prefix/bin/slidestone" --headless --no-splash --settings "$prefix/s.ini" \
  --script "$prefix/menu.script" 2>&1)
[ "$out" = "t=300 GameState=1" ] || fail "launcher run: $out"

if [ $failures -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "install: all checks passed"
