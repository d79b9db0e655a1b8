#!/usr/bin/env bash
# `cmake --install` staged with DESTDIR gives a playable tree: the program in usr/bin, its data in
# usr/share/slidestone (no font of its own: the system's is read), a menu entry naming the
# program by its final path, and the icon. The staged program, run from elsewhere, finds its data
# relative to itself; the program in the build folder still finds the data beside it.
#   install_check.sh BUILD_DIR
set -u
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

DESTDIR=$root cmake --install "$build" --prefix /usr >"$root/install.log" 2>&1 ||
  fail "install: $(cat "$root/install.log")"
usr=$root/usr
[ -x "$usr/bin/slidestone" ] && [ ! -L "$usr/bin/slidestone" ] || fail "usr/bin/slidestone is not the program"
for f in stage/xydata.dat sound/PSMAT005.ogg pictures/title.png; do
  [ -f "$usr/share/slidestone/$f" ] || fail "missing usr/share/slidestone/$f"
done
[ ! -e "$usr/share/slidestone/fonts" ] || fail "a second copy of the font was installed"
[ ! -e "$usr/lib" ] || fail "something was installed under usr/lib: $(ls -R "$usr/lib")"
entry=$usr/share/applications/slidestone.desktop
grep -qx "Exec=/usr/bin/slidestone" "$entry" || fail "menu entry: $(cat "$entry")"
grep -qx "Icon=slidestone" "$entry" || fail "menu entry has no icon name"
icon=$usr/share/icons/hicolor/128x128/apps/slidestone.png
[ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "icon is not a PNG"

# Both programs run from / with no --data: the staged one reads usr/share/slidestone beside it
# (nothing is installed in the real /usr), the built one the data in the build folder.
printf 'wait 300\nexpect GameState == 1\nprint GameState\n' >"$root/menu.script"
for program in "$usr/bin/slidestone" "$build/slidestone"; do
  out=$(cd / && "$program" --headless --no-splash --settings "$root/s.ini" \
    --script "$root/menu.script" 2>&1)
  [ "$out" = "t=300 GameState=1" ] || fail "$program: $out"
done

if [ $failures -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "install: all checks passed"
