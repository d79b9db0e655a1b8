#!/usr/bin/env bash
# The game's window carries its icon (the 128-pixel drawing the desktop's menu shows too), as a
# window manager reads it: the _NET_WM_ICON property of a real window under a private Xvfb.
#   window_icon.sh GAME DATA        (skipped, exit 77, without Xvfb, xdotool and xprop)
set -u
game=$1
data=$2
for tool in Xvfb xdotool xprop; do
  command -v "$tool" >/dev/null || { echo "skipped: no $tool"; exit 77; }
done
work=$(mktemp -d)
# Xvfb picks a free display itself and names it, so no other server is ever used by mistake.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 & xpid=$!
trap 'kill $xpid 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$work/display")" SDL_AUDIODRIVER=dummy

printf 'wait 3000\n' >"$work/wait.script"
"$game" --data "$data" --no-splash --mute --settings "$work/s.ini" --script "$work/wait.script" & gpid=$!
wid=""
for _ in $(seq 50); do
  wid=$(xdotool search --name '^Slidestone$' 2>/dev/null | head -1)
  [ -n "$wid" ] && break
  sleep 0.1
done
icon=$( [ -n "$wid" ] && xprop -id "$wid" _NET_WM_ICON 2>&1 | head -1)
wait $gpid
case "$icon" in
  *"Icon (128 x 128)"*) echo "window icon: $icon" ;;
  *) echo "FAIL: window ${wid:-not found}, its icon: ${icon:-none}"; exit 1 ;;
esac
