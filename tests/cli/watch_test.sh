#!/usr/bin/env bash
# --watch N: stage N's proof played to its end. Headless it only says how the stage went; in a
# window under a private Xvfb the stage is on screen while it plays, Space speeds it up and the
# run ends by itself with the win.
#   watch_test.sh GAME DATA        (the window part is skipped without Xvfb, xdotool and import)
set -u
game=$1
data=$2
work=$(mktemp -d)
xpid=""
trap 'kill $xpid 2>/dev/null; rm -rf "$work"' EXIT
FAILS=0
fail() { echo "FAIL: $*"; FAILS=$((FAILS + 1)); }

out=$("$game" --data "$data" --watch 1 --headless 2>&1) || fail "headless watch exited $?: $out"
[[ "$out" == "watch: stage 1 on NORMAL: the stone reached the goal, stage score "*" (par "*")" ]] || fail "headless: $out"
out=$("$game" --data "$data" --watch 2 --hard --headless 2>&1) || fail "headless HARD watch exited $?: $out"
[[ "$out" == "watch: stage 2 on HARD: the stone reached the goal"* ]] || fail "headless HARD: $out"
out=$("$game" --data "$data" --watch 1 --stage-dir "$work" --headless 2>&1) && fail "a folder without proofs played"
[[ "$out" == *"stage 1 has no NORMAL proof ($work/proofs/01-normal.script)"* ]] || fail "no proof: $out"

for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "window part skipped: no $tool"; exit $((FAILS ? 1 : 0)); }
done
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 & xpid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$work/display")" SDL_AUDIODRIVER=dummy
start=$(date +%s)
"$game" --data "$data" --watch 1 --mute --scale 1 >"$work/out.txt" 2>&1 & gpid=$!
wid=""
for _ in $(seq 50); do
  wid=$(xdotool search --name '^Slidestone$' 2>/dev/null | head -1)
  [ -n "$wid" ] && break
  sleep 0.1
done
sleep 2
import -window root "$work/shot.png"
# The stage on screen, in the middle of the screen: many colours, not a black window.
colours=$(convert "$work/shot.png" -crop 640x480+192+144 -format '%k' info:)
[ "${colours:-0}" -gt 50 ] || fail "the stage is not on screen ($colours colours)"
# Space three times: eight times the speed.
[ -n "$wid" ] && xdotool windowfocus --sync "$wid" key space key space key space 2>/dev/null
for _ in $(seq 600); do kill -0 $gpid 2>/dev/null || break; sleep 0.1; done
if kill -0 $gpid 2>/dev/null; then
  kill $gpid
  fail "the watch did not end within a minute at eight times the speed"
fi
wait $gpid || fail "the watch exited $?"
grep -q "^watch: stage 1 on NORMAL: the stone reached the goal" "$work/out.txt" || fail "window: $(cat "$work/out.txt")"
echo "window watch took $(($(date +%s) - start)) s"
[ $FAILS -eq 0 ] || exit 1
echo "watch: all checks passed"
