#!/usr/bin/env bash
# --verify and --image on a one-stage fixture folder (tests/fixtures/verify_good: the player
# stands on a left arrow and must sweep it before the stone arrives). The good folder proves;
# each broken copy must fail with its stage and its reason named, and exit 1.
#   verify_test.sh BINARY DATA_DIR FIXTURE_DIR
set -u
bin=$1
data=$2
good=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# Each run keeps its temporary folders in a folder of this test's own, so other tests running at
# the same time cannot make it look as if something was left behind.
mkdir -p "$work/tmp"
verify() { TMPDIR="$work/tmp" "$bin" --data "$data" --verify "$@"; }
# A fresh copy of the good folder to break.
copy() { rm -rf "$work/$1"; cp -r "$good" "$work/$1"; echo "$work/$1"; }
# expect_fail NAME OUTPUT CODE REGEX: exit 1, a FAIL row of stage 01 matching REGEX.
expect_fail() {
  [ "$3" -eq 1 ] || fail "$1: exit $3, wanted 1: $2"
  grep -Eq "^FAIL 01 +$4" <<<"$2" || fail "$1: no FAIL row like '$4': $2"
  grep -Eq '^[0-9]+ passed, [1-9][0-9]* failed$' <<<"$2" || fail "$1: no failed count: $2"
}

# The good folder: both proofs win, the do-nothing run loses, exit 0.
out=$(verify 1 --stage-dir "$good" 2>&1); code=$?
[ $code -eq 0 ] || fail "good folder: exit $code: $out"
grep -Eq '^ok +01 +NORMAL +won ' <<<"$out" || fail "good NORMAL row: $out"
grep -Eq '^ok +01 +HARD +won ' <<<"$out" || fail "good HARD row: $out"
grep -Eq '^ok +01 +nothing +lost .*lost as it must: time up' <<<"$out" || fail "good idle row: $out"
grep -qx '3 passed, 0 failed' <<<"$out" || fail "good count: $out"
# The margin is the stage score less the par (300 in the fixture).
grep -Eq '^ok +01 +NORMAL +won +125 +300 +-175 ' <<<"$out" || fail "good NORMAL figures: $out"

# --slack: how far each press can move before the proof loses. The good proofs sweep at once,
# seconds before the stone arrives; a HARD proof that waits until 6.3 s sweeps only about 60 ms
# before it is too late (at 6.38 s the stone has turned away and the clock runs out).
out=$(verify 1 --slack --stage-dir "$good" 2>&1); code=$?
[ $code -eq 0 ] || fail "--slack on the good folder: exit $code: $out"
grep -Eq '^ok +01 +NORMAL +won +125 +300 +-175 +22\.1 +3 +1000\+ *$' <<<"$out" || fail "--slack good NORMAL row: $out"
dir=$(copy tight)
sed -i 's/^until StagePhaseFlag == 0 within 10000$/&\nwait 6300/' "$dir/proofs/01-hard.script"
out=$(verify 1 --slack --stage-dir "$dir" 2>&1); code=$?
[ $code -eq 0 ] || fail "--slack on a tight proof: exit $code: $out"
row=$(grep -E '^ok +01 +HARD +won ' <<<"$out")
ms=$(sed -En 's/.* ([0-9]+)! +TIGHT: SPACE at 6\.3 s, ([0-9]+) ms later \(the bound is 100 ms\)$/\1 \2/p' <<<"$row")
read -r shown said <<<"$ms"
[ -n "$ms" ] && [ "$shown" = "$said" ] && [ "$shown" -ge 40 ] && [ "$shown" -le 80 ] ||
  fail "--slack tight HARD row: $out"
out=$(verify 1 --stage-dir "$dir" 2>&1)
grep -q 'slack\|TIGHT' <<<"$out" && fail "slack measured without --slack: $out"
# Too early loses too: a NORMAL proof that turns the arrow back once the stone is past it waits
# only until x 130; from x 126 the broom finishes first and the stone turns back (about 120 ms).
dir=$(copy early)
printf '%s\n' 'until MenuOpen == 0 and PlayerInAction == 0 within 5000' 'until StoneX >= 130 within 20000' \
  'press SPACE' 'wait 60' 'release SPACE' 'wait 100' 'press SPACE' 'wait 60' 'release SPACE' \
  >>"$dir/proofs/01-normal.script"
out=$(verify 1 --slack --stage-dir "$dir" 2>&1)
ms=$(sed -En 's/^ok +01 +NORMAL +won .* ([0-9]+)! +TIGHT: SPACE at 3\.9 s, ([0-9]+) ms earlier \(the bound is 250 ms\)$/\1 \2/p' <<<"$out")
read -r shown said <<<"$ms"
[ -n "$ms" ] && [ "$shown" = "$said" ] && [ "$shown" -ge 90 ] && [ "$shown" -le 150 ] ||
  fail "--slack early NORMAL row: $out"

# A proof that loses: the HARD proof without its broom.
dir=$(copy losing)
sed -i '/^# play/,$d' "$dir/proofs/01-hard.script"
echo '# play' >> "$dir/proofs/01-hard.script"
out=$(verify 1 --stage-dir "$dir" 2>&1); code=$?
expect_fail "losing proof" "$out" $code 'HARD +lost .*time up'
grep -Eq '^ok +01 +NORMAL +won ' <<<"$out" || fail "losing proof spoilt the NORMAL row: $out"

# A proof on the wrong level: the HARD proof's level Space left out plays NORMAL.
dir=$(copy level)
cp "$dir/proofs/01-normal.script" "$dir/proofs/01-hard.script"
out=$(verify 1 --stage-dir "$dir" 2>&1); code=$?
expect_fail "wrong level" "$out" $code 'HARD +won .*played on NORMAL, not HARD'

# A proof played with the time limit off: the good NORMAL proof, TIME LIMIT switched off in the
# options on the way. It still reaches the goal, and is still refused.
dir=$(copy untimed)
{ printf 'wait 1\ntap DOWN\nwait 1\ntap SPACE\nwait 1\ntap DOWN\nwait 1\ntap SPACE\nwait 1\n'
  printf 'tap DOWN\nwait 1\ntap DOWN\nwait 1\ntap SPACE\nwait 1\ntap SPACE\nwait 1\n'
  sed -n '/^# play$/,$p' "$good/proofs/01-normal.script"; } > "$dir/proofs/01-normal.script"
out=$(verify 1 --stage-dir "$dir" 2>&1); code=$?
expect_fail "time limit off" "$out" $code 'NORMAL +won .*the time limit was off'
grep -Eq '^ok +01 +HARD +won ' <<<"$out" || fail "untimed NORMAL proof spoilt the HARD row: $out"

# A missing proof file.
dir=$(copy missing)
rm "$dir/proofs/01-hard.script"
out=$(verify 1 --stage-dir "$dir" 2>&1); code=$?
expect_fail "missing proof" "$out" $code 'HARD .*no proof file .*01-hard.script'

# A proof that is a pipe is refused without waiting on it; one that is a folder says so.
dir=$(copy pipe)
rm "$dir/proofs/01-normal.script" "$dir/proofs/01-hard.script"
mkfifo "$dir/proofs/01-normal.script"
mkdir "$dir/proofs/01-hard.script"
out=$(timeout 60 "$bin" --data "$data" --verify 1 --stage-dir "$dir" 2>&1); code=$?
expect_fail "pipe proof" "$out" $code 'NORMAL .*01-normal.script: not a regular file'
expect_fail "folder proof" "$out" $code 'HARD .*01-hard.script: a folder, not a file'

# A proof that writes to the game instead of pressing keys.
dir=$(copy cheat)
echo 'set StoneX 480' >> "$dir/proofs/01-normal.script"
out=$(verify 1 --stage-dir "$dir" 2>&1); code=$?
expect_fail "set in a proof" "$out" $code "NORMAL .*line [0-9]+ uses 'set'"
# The same on the first line behind a byte-order mark.
dir=$(copy bom)
{ printf '\xEF\xBB\xBFset StoneX 480\n'; cat "$good/proofs/01-normal.script"; } > "$dir/proofs/01-normal.script"
out=$(verify 1 --stage-dir "$dir" 2>&1); code=$?
expect_fail "set behind a byte-order mark" "$out" $code "NORMAL .*line 1 uses 'set'"

# A stage that wins by itself: without the arrow the stone slides straight home.
dir=$(copy idle)
sed -i 's/,4,/,2,/' "$dir/map1.dat"
out=$(verify 1 --stage-dir "$dir" 2>&1); code=$?
expect_fail "idle win" "$out" $code 'nothing +won .*won with nobody at the keys'

# A stage file that does not load: every run of the stage names the file and the field.
dir=$(copy broken)
sed -i '12d' "$dir/map1.dat"
out=$(verify 1 --stage-dir "$dir" 2>&1); code=$?
expect_fail "broken map" "$out" $code 'NORMAL .*stage files: .*map1.dat'

# Every stage of a folder: the fixture's seventeen others have no proofs, and say so.
out=$(verify --stage-dir "$good" 2>&1); code=$?
[ $code -eq 1 ] || fail "whole fixture folder: exit $code"
grep -Eq '^FAIL 18 +HARD .*no proof file' <<<"$out" || fail "stage 18 not named: $out"
grep -qx '3 passed, 51 failed' <<<"$out" || fail "whole folder count: $out"
out=$(verify 19 --stage-dir "$good" 2>&1); code=$?
[ $code -eq 1 ] && grep -q 'no stage 19' <<<"$out" || fail "--verify 19: exit $code: $out"

# Nothing is left behind in the temporary folder.
left=$(find "$work/tmp" -mindepth 1 -maxdepth 1 2>/dev/null)
[ -z "$left" ] || fail "temporary folders left: $left"

# --image: a 608 x 352 picture of the field; bad numbers and folders write nothing.
"$bin" --data "$data" --image 1 "$work/one.png" --stage-dir "$good" || fail "--image 1 failed"
size=$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print(*struct.unpack(">II", d[16:24]))' "$work/one.png" 2>&1)
[ "$size" = "608 352" ] || fail "--image size: $size"
for n in 0 19; do
  out=$("$bin" --data "$data" --image $n "$work/bad$n.png" --stage-dir "$good" 2>&1); code=$?
  [ $code -eq 1 ] && [ ! -e "$work/bad$n.png" ] && [ $(wc -l <<<"$out") -eq 1 ] ||
    fail "--image $n: exit $code, $out"
done
# --image shows the speed tiles as play does once it begins: a live tile (bright, with its
# chevron) far brighter than a spent one, though the loader builds both as the same plain ice.
dir=$(copy tiles)
sed -i '11s/^2,2,2,2,2,2,4,2,2,2,2,2,2,2,2,2,2,2,2$/2,2,11,2,10,2,4,2,2,2,2,2,2,2,2,2,2,2,2/' "$dir/map1.dat"
"$bin" --data "$data" --image 1 "$work/tiles.png" --stage-dir "$dir" || fail "--image of speed tiles failed"
cell() { convert "$work/tiles.png" -crop "32x32+$1+320" -format '%[fx:int(1000*mean)]' info:; }
live=$(cell 64) spent=$(cell 128)
[ -n "$live" ] && [ -n "$spent" ] && [ "$live" -gt $((spent * 5 / 4)) ] ||
  fail "--image: live tile $live, spent tile $spent (per mille): the live one must stand out"
out=$("$bin" --data "$data" --image 1 "$work/broken.png" --stage-dir "$work/broken" 2>&1); code=$?
[ $code -eq 1 ] && [ ! -e "$work/broken.png" ] && grep -q 'map1.dat' <<<"$out" ||
  fail "--image of a broken folder: exit $code, $out"

[ $failures -eq 0 ] && echo "all --verify and --image checks passed"
exit $((failures > 0))
