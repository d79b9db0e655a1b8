#!/usr/bin/env bash
# The high score across runs of the real program: saved at the end of a roll only when the
# total is strictly greater, read back at the next start, untouched by an equal total, safe
# from a save killed halfway (a leftover temporary file) and from a value that is not a number;
# an unwritable place is reported once and the game goes on.
#   high_score_runs.sh SLIDESTONE_BINARY DATA_DIR
set -u
bin=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ini=$work/config/settings.ini
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# run NAME SETTINGS: runs $work/NAME.script headless with that settings file.
run() {
  "$bin" --headless --no-splash --data "$data" --settings "$2" --script "$work/$1.script" \
    >"$work/$1.out" 2>"$work/$1.err"
  local code=$?
  [ $code -eq 0 ] || fail "$1 exited $code: $(cat "$work/$1.out" "$work/$1.err")"
}

# A finished game with TOTAL points: the results, the roll to its end, the title.
finish_with() {
  cat <<SCRIPT
wait 1
set TotalScore $1
set GameState 8
until GameState == 1 within 40000
print HighScore
SCRIPT
}

# 1. No stored entry: the high score starts at 0 and a positive total replaces it.
{ echo "wait 1"; echo "expect HighScore == 0"; finish_with 4321; echo "expect HighScore == 4321"; } >"$work/first.script"
run first "$ini"
[ "$(cat "$ini" 2>/dev/null)" = $'[score]\nhigh=4321' ] || fail "first save: '$(cat "$ini" 2>/dev/null)'"

# 2. Read back at the next start; an equal total saves nothing (the file is not replaced).
inode=$(stat -c %i "$ini")
{ echo "wait 1"; echo "expect HighScore == 4321"; finish_with 4321; echo "expect HighScore == 4321"; } >"$work/equal.script"
run equal "$ini"
[ "$(stat -c %i "$ini")" = "$inode" ] || fail "an equal total rewrote the settings file"

# 3. A save killed before its rename leaves a temporary file: the old value still reads, and
#    the next better score is saved over it all the same.
printf '[score]\nhi' >"$ini.tmp.AbC123"
{ echo "wait 1"; echo "expect HighScore == 4321"; finish_with 5000; echo "expect HighScore == 5000"; } >"$work/killed.script"
run killed "$ini"
[ "$(cat "$ini")" = $'[score]\nhigh=5000' ] || fail "save after a killed one: '$(cat "$ini")'"
[ -z "$(find "$(dirname "$ini")" -name "$(basename "$ini").tmp.*" ! -name '*.AbC123')" ] \
  || fail "temporary file left behind"

# 4. A stored value that is not a number reads as 0 and the file is left as it is.
printf '[score]\nhigh=lots\n' >"$ini"
cp "$ini" "$work/before.ini"
printf 'wait 100\nexpect HighScore == 0\n' >"$work/garbled.script"
run garbled "$ini"
cmp -s "$ini" "$work/before.ini" || fail "start-up changed a garbled settings file"

# 5. An unwritable place: reported once on stderr, play goes on, exit 0.
touch "$work/plain"
{ finish_with 700; finish_with 800; echo "expect HighScore == 800"; } >"$work/unwritable.script"
run unwritable "$work/plain/settings.ini"
count=$(grep -c "cannot save settings" "$work/unwritable.err")
[ "$count" = 1 ] || fail "unwritable place reported $count times: $(cat "$work/unwritable.err")"

if [ $failures -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "high score runs: all checks passed"
