#!/usr/bin/env bash
# Command-line behaviour of the game binary: the script runner's verdicts and exit codes,
# --list-vars, --record replaying exactly, and clear failures for missing data.
#   cli_test.sh BINARY DATA_DIR
set -u
bin=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
run() { "$bin" --headless --no-splash --data "$data" --settings "$work/settings.ini" "$@"; }

# An idle game state keeps the screens out of the way of these checks.
cat > "$work/basics.script" <<'S'
set GameState 5
wait 10
set Lives 7
print Lives Now
until Now >= 50 within 100
expect Now == 50 and Lives == 7
set Map[3,4] 11
set Enemies[2].state 5
expect Map[3,4] == 11 and AiMap[3,4] == 0 and Enemies[2].state == 5
tap SPACE
expect KeyState[32] == -1
wait 1
expect KeyState[32] == 0
press LEFT
wait 1
expect KeyState[37] == -1
sounds
quit
wait 5
set Lives 99
S
out=$(run --script "$work/basics.script" 2>&1); code=$?
[ $code -eq 0 ] || fail "basics exit $code: $out"
grep -qx 't=10 Lives=7 Now=10' <<<"$out" || fail "print line missing: $out"

printf 'set GameState 5\nwait 3\nexpect Now == 4\n' > "$work/expect.script"
out=$(run --script "$work/expect.script" 2>&1); code=$?
[ $code -eq 1 ] || fail "failing expect exited $code"
grep -q '^script:3: expect failed at t=3: Now=3 (wanted == 4)' <<<"$out" || fail "expect message: $out"

printf 'set GameState 5\nuntil Lives == 9 within 20\n' > "$work/until.script"
out=$(run --script "$work/until.script" 2>&1); code=$?
[ $code -eq 1 ] || fail "failing until exited $code"
grep -q '^script:2: until: not within 20 ms: Lives=' <<<"$out" || fail "until message: $out"

# The whole script is checked before the first pass: a bad line far down stops it at once with
# its line number, before the print of line 2 or the long wait of line 3 has run.
for bad in 'bogus 1' 'set NoSuchName 1' 'set Lives' 'set Lives x' 'wait x' 'wait' \
    'press NOKEY' 'release' 'tap LEFT RIGHT' 'sounds 1' 'quit now' 'shot' 'print Lives NoSuch' \
    'expect Lives ~ 3' 'expect Lives == 3 or Now == 1' 'expect Lives ==' 'expect Lives == 3 and' \
    'expect Map[99,0] == 0' 'until NoSuch == 1' 'until Lives == 3 within x' 'until within 5'; do
  printf 'set GameState 5\nprint Now\nwait 100000\n\n# a comment\n%s\n' "$bad" > "$work/bad.script"
  out=$(run --script "$work/bad.script" 2>&1); code=$?
  [ $code -eq 1 ] && grep -q '^script:6: ' <<<"$out" && ! grep -q '^t=' <<<"$out" \
    || fail "bad line '$bad' gave $code: $out"
done

printf 'set GameState 5\nset Now 10\nshot shot.png\n' > "$work/shot.script"
run --shots-dir "$work" --script "$work/shot.script" >/dev/null 2>&1 || fail "shot script failed"
[ -s "$work/shot.png" ] || fail "shot wrote no picture"

# A headless run that takes a shot must still present its screens: the first stage, a second in,
# is a picture of many colours, not the black of a screen never presented.
printf 'wait 1000\ntap SPACE\nwait 4000\nshot play.png\n' > "$work/play.script"
run --shots-dir "$work" --script "$work/play.script" >/dev/null 2>&1 || fail "play shot script failed"
colours=$(identify -format '%k' "$work/play.png" 2>/dev/null)
[ "${colours:-0}" -gt 500 ] || fail "the shot of the first stage has ${colours:-no} colours"

# Escape ends the game: the rest of the script does not run, and the exit code is 0.
printf 'set GameState 5\npress ESCAPE\nwait 5\nexpect Now == 999999\n' > "$work/esc.script"
run --script "$work/esc.script" >/dev/null 2>&1 || fail "Escape did not end the script with 0"

vars=$("$bin" --list-vars)
for name in GameState QuitRequested Difficulty TimeLimitOn StartStage HighScore Stage Lives \
    TotalScore StageScore BackdropIndex Paused StagePhaseFlag StageTime ToolPoints StageEndReason \
    SceneDirty PlayerX PlayerY PlayerPrevX PlayerPrevY PlayerFrame PlayerPose IdleCount \
    ActionCount PlayerInAction InPipe PipeWarpPending Jumping DropThrough PlacingSpring PlayerHit \
    PipeDir StoneX StoneY StonePrevX StonePrevY StoneDir StoneSpeed StonePeriod StoneSpin \
    StoneSpinX SpeedDecayCount SpringRise StoneLaunched SpringShown SpringX SpringY SpringStep \
    MenuOpen MenuX MenuY ToolAnim EnemyCount ItemCount SpeedTileCount EnemyAnim BallActive \
    SpeedFlash PointsFlash TileCycle SparkleOn FlowLatch ContinueCursor SparkleTicks \
    'Map[0..19,0..12]' 'AiMap[0..19,0..12]' 'KeyState[0..256]' 'ToolEnabled[0..4]' \
    'StageItems[0..22,0..4]' 'Enemies[0..10].throwTimer' 'Items[0..10].kind' \
    'SpeedTiles[0..30].broken' 'Sparkles[0..10].frame' 'StageTable[0..22].parScore'; do
  grep -qxF -- "$name" <<<"$vars" || fail "--list-vars lacks $name"
done

# A recorded session replays exactly: same events at the same virtual times.
cat > "$work/session.script" <<'S'
set GameState 5
wait 7
press RIGHT
wait 30
release RIGHT
tap SPACE
wait 2
press 65
press 66
wait 4
S
run --record "$work/recorded.script" --script "$work/session.script" >/dev/null 2>&1 || fail "recording failed"
grep -q '^press RIGHT' "$work/recorded.script" || fail "recording lacks the key: $(cat "$work/recorded.script")"
{ echo 'set GameState 5'; grep -v '^#' "$work/recorded.script"; echo 'print Now KeyState[39] KeyState[32] KeyState[65] KeyState[66]'; } > "$work/replay.script"
{ cat "$work/session.script"; echo 'print Now KeyState[39] KeyState[32] KeyState[65] KeyState[66]'; } > "$work/original.script"
a=$(run --script "$work/original.script" 2>&1)
b=$(run --record "$work/again.script" --script "$work/replay.script" 2>&1)
[ "$a" = "$b" ] || fail "replay differs: '$a' vs '$b'"
diff <(grep -v '^#' "$work/recorded.script") <(grep -v '^#' "$work/again.script") >/dev/null \
  || fail "recording of the replay differs from the original recording"

# The recording's header says whether the splash ran, on a line of its own as the test
# registration reads it (`^# with-splash`), so a recording moved into tests/scripts replays alike.
printf 'wait 50\n' > "$work/short.script"
"$bin" --headless --data "$data" --settings "$work/settings.ini" --record "$work/splash.rec" \
  --script "$work/short.script" >/dev/null 2>&1 || fail "recording with the splash failed"
grep -q '^# with-splash' "$work/splash.rec" || fail "with-splash header: $(cat "$work/splash.rec")"
run --record "$work/nosplash.rec" --script "$work/short.script" >/dev/null 2>&1
grep -q 'with-splash' "$work/nosplash.rec" && fail "with-splash header without the splash"

# In a real window a script's `sounds` reads what the sound device was given, as headless does.
printf 'until GameState == 1 within 3000\ntap DOWN\nwait 150\nsounds\n' > "$work/sounds.script"
headless=$(run --script "$work/sounds.script" 2>&1)
windowed=$(SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy "$bin" --no-splash --data "$data" \
  --settings "$work/settings.ini" --script "$work/sounds.script" 2>&1)
grep -qx 'effect sound/Akouka02.wav 8' <<<"$headless" || fail "headless sounds: $headless"
[ "$windowed" = "$headless" ] || fail "windowed sounds '$windowed' vs headless '$headless'"

# Missing data is found before anything starts, with the file named.
mkdir -p "$work/nodata"
out=$("$bin" --headless --no-splash --data "$work/nodata" --script "$work/esc.script" 2>&1); code=$?
[ $code -eq 1 ] && grep -q 'nodata/sound/.*missing' <<<"$out" || fail "missing sounds: $code $out"
cp -r "$data/sound" "$work/nodata/"
out=$("$bin" --headless --no-splash --data "$work/nodata" --script "$work/esc.script" 2>&1); code=$?
[ $code -eq 1 ] && grep -q 'nodata/pictures/char1.png: cannot load' <<<"$out" || fail "missing pictures: $code $out"

"$bin" --help | grep -q -- '--list-vars' || fail "--help"
# --help also teaches the keys; --version names the release; a mistake is one line.
help=$("$bin" --help)
for key in 'Left, Right' 'Space' 'Enter' 'Escape' 'F11'; do
  grep -q "^  $key" <<<"$help" || fail "--help lacks the control $key"
done
out=$("$bin" --version); code=$?
[ $code -eq 0 ] && grep -Eqx 'slidestone [0-9]+\.[0-9]+\.[0-9]+' <<<"$out" || fail "--version: $code '$out'"
for bad in --bogus "--scale 0" "--data"; do
  out=$("$bin" $bad 2>&1 >/dev/null); code=$?
  [ $code -eq 2 ] || fail "$bad should exit 2, not $code"
  [ "$(wc -l <<<"$out")" -eq 1 ] && grep -q 'try --help' <<<"$out" || fail "$bad: not one line with try --help: '$out'"
done

# No display and no --headless: one line saying so and exit 1, never a game running unseen.
# With no desktop named at all, and with a display named that is not there, so that SDL falls
# back to a driver that draws nowhere.
for display in "" :97; do
  out=$(DISPLAY=$display WAYLAND_DISPLAY= SDL_VIDEODRIVER= timeout 20 "$bin" --mute --no-splash \
        --data "$data" --settings "$work/nodisplay.ini" 2>&1); code=$?
  [ $code -eq 1 ] || fail "no display ($display): exit $code: $out"
  grep -q 'no display.*--headless --script' <<<"$out" || fail "no display ($display): no line: $out"
done

if [ $failures -ne 0 ]; then echo "$failures failure(s)"; exit 1; fi
echo "all command-line checks passed"
