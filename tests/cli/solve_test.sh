#!/usr/bin/env bash
# --solve on small fixture stages. solver_small: the stone heads for a left arrow that would send
# it back for ever; the player must walk to the arrow and sweep it in time. The lines found on
# NORMAL and HARD, put in as the folder's proofs, must pass --verify. Shipped stages 3 and 15
# need tools the stone's own way does not show. solver_nowin: the goal is
# boxed in by bricks and no tool is offered, so the search runs out of moments and says so.
# Then a stage lost before any move, a budget too small, and bad command lines.
#   solve_test.sh BINARY DATA_DIR FIXTURES_DIR
set -u
bin=$1
data=$2
fixtures=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
mkdir -p "$work/tmp"
solve() { TMPDIR="$work/tmp" timeout 120 "$bin" --data "$data" --solve "$@"; }

# A win on each level, replayed as --verify replays proofs.
cp -r "$fixtures/solver_small" "$work/small"
rm -rf "$work/small/proofs"
mkdir "$work/small/proofs"
for level in normal hard; do
  flag=()
  [ $level = hard ] && flag=(--hard)
  out=$(solve 1 "${flag[@]}" --stage-dir "$fixtures/solver_small" --out "$work/$level.script" 2>&1); code=$?
  [ $code -eq 0 ] || fail "$level: exit $code: $out"
  grep -Eiq "^01 +$level +won +1 " <<<"$out" || fail "$level: no won row with one tool use: $out"
  grep -q "line written to $work/$level.script" <<<"$out" || fail "$level: where the line went: $out"
  cp "$work/$level.script" "$work/small/proofs/01-$level.script"
done
out=$(TMPDIR="$work/tmp" "$bin" --data "$data" --verify 1 --stage-dir "$work/small" 2>&1); code=$?
[ $code -eq 0 ] || fail "the solved lines as proofs: exit $code: $out"
grep -qx '3 passed, 0 failed' <<<"$out" || fail "the solved lines as proofs: $out"

# Shipped stages whose lines need more than the stone's own way shows. Stage 3: its stone sits
# stuck on an arrow until the player turns it, and the first sweep is on an arrow the stone
# reaches only after that. Stage 15: the hammer opens a hole the stone drops into only after a
# later sweep turns it there. Each line found replays as the proof.
cp -r "$data/stage" "$work/shipped"
for stage in 03 15; do
  out=$(solve "${stage#0}" --seconds 60 --stage-dir "$work/shipped" --out "$work/$stage.script" 2>&1); code=$?
  [ $code -eq 0 ] && grep -Eq "^$stage +NORMAL +won " <<<"$out" || { fail "stage $stage: exit $code: $out"; continue; }
  cp "$work/$stage.script" "$work/shipped/proofs/$stage-normal.script"
  out=$(TMPDIR="$work/tmp" "$bin" --data "$data" --verify "${stage#0}" --stage-dir "$work/shipped" 2>&1); code=$?
  [ $code -eq 0 ] || fail "stage $stage's line as its proof: exit $code: $out"
done

# The line is never written over a file.
out=$(solve 1 --stage-dir "$fixtures/solver_small" --out "$work/normal.script" 2>&1); code=$?
[ $code -eq 2 ] && grep -q 'already exists' <<<"$out" || fail "over an existing file: exit $code: $out"

# No win anywhere: the whole search space is searched, and said so.
out=$(solve 1 --stage-dir "$fixtures/solver_nowin" --out "$work/none.script" 2>&1); code=$?
[ $code -eq 1 ] || fail "no win: exit $code: $out"
grep -Eq '^01 +NORMAL +no win ' <<<"$out" || fail "no win row: $out"
grep -q '^no win: every line of moves was searched' <<<"$out" || fail "no win said plainly: $out"
[ ! -e "$work/none.script" ] || fail "no win wrote a script"

# A stone that falls out of the field at once.
cp -r "$fixtures/solver_small" "$work/falls"
sed -i '10s/^2,2,/2,0,/; 11s/^2,2,/2,0,/' "$work/falls/map1.dat"
out=$(solve 1 --stage-dir "$work/falls" --out "$work/falls.script" 2>&1); code=$?
[ $code -eq 1 ] && grep -qx 'no win: the stage is lost before any move' <<<"$out" || fail "lost at once: exit $code: $out"

# A budget too small for the first stage: not found, never "no win".
out=$(solve 1 --seconds 0.01 --out "$work/quick.script" 2>&1); code=$?
[ $code -eq 1 ] && grep -qx 'no win found within 0.01 s' <<<"$out" || fail "small budget: exit $code: $out"

# Bad input: one line and exit 2.
cp -r "$fixtures/solver_small" "$work/broken"
rm "$work/broken/map1.dat"
while IFS='|' read -r name pattern args; do
  eval "argv=($args)"
  out=$(TMPDIR="$work/tmp" timeout 60 "$bin" --data "$data" "${argv[@]}" 2>&1); code=$?
  [ $code -eq 2 ] || fail "$name: exit $code, wanted 2: $out"
  [ "$(wc -l <<<"$out")" -eq 1 ] || fail "$name: not one line: $out"
  grep -Eq -- "$pattern" <<<"$out" || fail "$name: '$pattern' not in: $out"
done <<EOF2
stage 0|--solve needs a stage number from 1 to 18, not '0'|--solve 0
stage 19|--solve needs a stage number from 1 to 18, not '19'|--solve 19
stage in words|--solve needs a stage number|--solve one
no stage|--solve needs a value|--solve
zero seconds|--seconds needs a positive number|--solve 1 --seconds 0
negative seconds|--seconds needs a positive number|--solve 1 --seconds -5
seconds in words|--seconds needs a positive number|--solve 1 --seconds soon
broken stage folder|--solve: stage 1: .*map1.dat|--solve 1 --stage-dir $work/broken --out $work/b.script
missing stage folder|--stage-dir .*: no such folder|--solve 1 --stage-dir $work/nowhere
another option|--solve takes .*not --fullscreen|--solve 1 --fullscreen
EOF2

if [ $failures -ne 0 ]; then echo "$failures failure(s)"; exit 1; fi
echo "solve: wins replayed as proofs, no win said plainly, bad input refused"
