#!/usr/bin/env bash
# A replay in a window takes no keys, but Escape still ends it at once: a script waiting for
# ten minutes of game time is stopped by Escape pressed in its window under a private Xvfb.
#   window_replay_escape.sh GAME DATA        (skipped, exit 77, without Xvfb and xdotool)
set -u
game=$1
data=$2
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "skipped: no $tool"; exit 77; }
done
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 & xpid=$!
trap 'kill $xpid 2>/dev/null; [ -n "${gpid:-}" ] && kill $gpid 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$work/display")" SDL_AUDIODRIVER=dummy

printf 'wait 600000\n' >"$work/long.script"
"$game" --data "$data" --no-splash --mute --settings "$work/s.ini" --script "$work/long.script" & gpid=$!
wid=""
for _ in $(seq 50); do
  wid=$(xdotool search --name '^Slidestone$' 2>/dev/null | head -1)
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || { echo "FAIL: no window"; exit 1; }
sleep 0.5
xdotool windowfocus --sync "$wid" 2>/dev/null
xdotool key --window "$wid" Escape
for _ in $(seq 50); do
  kill -0 $gpid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $gpid 2>/dev/null; then
  echo "FAIL: the replay still runs 5 s after Escape"
  exit 1
fi
wait $gpid
code=$?
gpid=""
[ $code -eq 0 ] || { echo "FAIL: exit $code after Escape"; exit 1; }
echo "Escape ended the window replay"
