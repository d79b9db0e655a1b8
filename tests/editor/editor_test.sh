#!/usr/bin/env bash
# The stage editor end to end, headless: draw a stage on an empty folder and compare the saved
# files with the expected text, keep a won test play as the stage's proof and replay it with the
# game, undo back to an empty stage, reopen without questions, every check raised by a fixture,
# a stage that does not load, and the copy of the game's stages made for `--edit` alone.
set -u
BIN=$1
DATA=$2
HERE=$(cd "$(dirname "$0")" && pwd)
SRC=$(cd "$HERE/../.." && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"
FAILS=0
fail() { echo "FAIL: $*"; FAILS=$((FAILS + 1)); }
edit() { # DIR SCRIPT [more args]: runs the editor, output in out.txt
  local dir=$1 script=$2; shift 2
  "$BIN" --headless --data "$DATA" --edit "$dir" "$@" --script "$HERE/$script" >out.txt 2>err.txt
  local rc=$?
  [ $rc -eq 0 ] || fail "$script exited $rc: $(cat err.txt)"
}
has() { grep -qF -- "$1" out.txt || fail "$2: output lacks '$1': $(cat out.txt)"; }

# 1. Draw, save, test-play, keep the proof.
edit new draw_stage.script
cmp -s new/map1.dat "$HERE/expected/draw_map1.dat" || fail "map1.dat differs: $(diff new/map1.dat "$HERE/expected/draw_map1.dat")"
cmp -s new/Aimap1.dat "$HERE/expected/draw_Aimap1.dat" || fail "Aimap1.dat differs"
[ "$(head -1 new/xydata.dat)" = "$(cat "$HERE/expected/draw_record1.txt")" ] || fail "record 0: $(head -1 new/xydata.dat)"
[ "$(sed -n 2p new/xydata.dat)" = "64,288,160,288,1200,8,1,1,1,0,300" ] || fail "record 1 was touched"
cmp -s new/map2.dat new/map18.dat || fail "other stages are not the empty ones"
has "STAGE CLEAR in test play" "test play"
has "proof kept: new/proofs/01-normal.script" "proof"
# The kept proof plays the saved folder to the goal, as the game itself runs proofs.
cp new/proofs/01-normal.script proof.script
grep -q '^# play$' proof.script || fail "proof has no '# play' line"
if grep -vE '^(#.*|wait [0-9]+|press [A-Z0-9]+|release [A-Z0-9]+)$' proof.script | grep -q .; then
  fail "proof holds lines a proof may not: $(grep -vE '^(#.*|wait [0-9]+|press [A-Z0-9]+|release [A-Z0-9]+)$' proof.script)"
fi
grep -q '^press LEFT$' proof.script || fail "proof lacks the keys played"
echo "expect StageEndReason == 3 and Stage == 1" >>proof.script
"$BIN" --headless --no-splash --data "$DATA" --stage-dir new --settings "$WORK/s.ini" --script proof.script \
  >/dev/null 2>err.txt || fail "the kept proof does not win: $(cat err.txt)"

# The same stage won at EASY keeps no proof.
cp -r new easy
rm -rf easy/proofs
edit easy easy_run.script
has "test play at EASY" "level"
has "STAGE CLEAR in test play" "test play at EASY"
has "kept as no proof" "EASY run"
[ ! -e easy/proofs ] || fail "an EASY run was kept: $(ls easy/proofs)"

# 2. Reopened: the same stage, no history, no question when nothing changed; an edit asks.
cp -r new again
edit again reopen.script
has "nothing to undo" "reopen"
has "stage 1 has unsaved changes" "escape after an edit"
[ "$(grep -c 'unsaved changes' out.txt)" = 1 ] || fail "asked more than once: $(cat out.txt)"
cmp -s again/map1.dat new/map1.dat || fail "N wrote the edit"

# 3. Undo back to empty; paste into another stage.
edit empty undo_to_empty.script
cmp -s empty/map1.dat empty/map18.dat || fail "undone stage is not empty: $(cat empty/map1.dat)"
cmp -s empty/Aimap1.dat empty/Aimap18.dat || fail "undone objects are not empty"
[ "$(head -1 empty/xydata.dat)" = "$(sed -n 18p empty/xydata.dat)" ] || fail "undone record differs"
cmp -s empty/map2.dat "$HERE/expected/pasted_map2.dat" || fail "pasted stage 2: $(cat empty/map2.dat)"
has "nothing to undo" "undo past the start"

# 4. Every check, shown and said again on save; saving goes ahead.
cp -r "$SRC/tests/fixtures/editor_checks" checks
edit checks checks.script
for w in "goal of one cell (11,6)" "player start inside a block (3,10)" "stone start standing on nothing (11,4)" \
         "12 enemies: only 11 play" "13 goal+bucket cells: only 11 load" "32 speed tiles: only 31 load" \
         "pipe without exit (15,11)" "saved stage 2 with 1 warning: no goal"; do
  has "$w" "checks"
done
[ -f editor_checks.png ] || fail "no shot of the checks"

# 5. A stage that does not load: the panel names file, line and field; E starts it empty.
cp -r "$SRC/tests/fixtures/editor_broken" broken
cp broken/map3.dat map3.before
edit broken broken.script --stage 3
has "stage 3 does not load: broken/map3.dat:4: field 61:" "error panel"
has "saved stage 3" "save after E"
grep -q x broken/map3.dat && fail "the broken map was not replaced on save"
[ "$(grep -c '^ 0, 1, 0,' broken/map3.dat)" = 1 ] || fail "the brick painted after E is missing: $(cat broken/map3.dat)"
[ -f editor_broken.png ] || fail "no shot of the error panel"

# 6. --edit alone: a copy of the game's stages under XDG_DATA_HOME; the game's own are read only.
before=$(cd "$DATA/stage" && cat *.dat | md5sum)
printf 'wait 5\ntap KEY1\nclick 48 176\nwait 2\ntap CTRL+S\nwait 2\n' >alone.script
XDG_DATA_HOME="$WORK/xdg" "$BIN" --headless --data "$DATA" --edit --script alone.script >out.txt 2>err.txt ||
  fail "--edit alone: $(cat err.txt)"
[ -f xdg/slidestone/stages/custom/map1.dat ] || fail "no custom copy made"
has "copied the game's stages to edit them to $WORK/xdg/slidestone/stages/custom" "--edit alone says where"
[ "$(cd "$DATA/stage" && cat *.dat | md5sum)" = "$before" ] || fail "the game's own stages were written"
cmp -s xdg/slidestone/stages/custom/map2.dat "$DATA/stage/map2.dat" || fail "the copy differs from the game's stages"

# 7. First steps: labels, hover line, wheel, "*" while unsaved, the won play's score and par.
cp -r new first
rm -rf first/proofs
edit first first_steps.script
has "hover: 4  left arrow: turns a stone left over it" "hover line"
# Every palette icon carries its key: white dots on a dark tab in its lower right corner.
for i in $(seq 0 16); do
  share=$(convert first_steps.png -crop "10x14+$((16 + 36 * i + 21))+$((4 + 17))" +repage \
    -fx '(r>0.9 && g>0.9 && b>0.9) ? 1 : 0' -format '%[fx:mean]' info:)
  awk -v s="$share" 'BEGIN { exit !(s > 0.15) }' || fail "palette icon $i has no key label ($share)"
done
# The spent (8) and the live (9) speed tile look apart, as play shows them between glints.
convert first_steps.png -crop 32x18+268+4 +repage spent.png
convert first_steps.png -crop 32x18+304+4 +repage live.png
differ=$(compare -metric AE -fuzz 10% spent.png live.png null: 2>&1)
[ "${differ%% *}" -gt 100 ] 2>/dev/null || fail "the spent and live speed tiles look alike ($differ pixels differ)"
# Three notches down and one up from the brick: the right arrow, painted at (6,3).
[ "$(sed -n 3p first/map1.dat | cut -d, -f6 | tr -d ' ')" = 3 ] || fail "the wheel did not pick the right arrow: $(sed -n 3p first/map1.dat)"
grep -q "^editor: title: .*stage 1 of first \*$" out.txt || fail "no '*' in the title after an edit: $(grep title: out.txt)"
[ "$(grep 'title:' out.txt | tail -1)" = "editor: title: Slidestone stage editor: stage 1 of first" ] ||
  fail "the title kept its '*' after saving: $(grep title: out.txt)"
score=$(sed -n 's/.*STAGE CLEAR in test play:  score \([0-9]*\)  |  time left [0-9:]*  |  par 300  -  P sets par to this score.*/\1/p' out.txt)
[ -n "$score" ] || fail "the won play's line: $(grep 'STAGE CLEAR' out.txt)"
has "par set to $score" "P after the win"
[ "$(head -1 first/xydata.dat | cut -d, -f11)" = "$score" ] || fail "par not saved as $score: $(head -1 first/xydata.dat)"
proof=first/proofs/01-normal.script
[ -f "$proof" ] || fail "no proof kept"
# Only the game's keys, each release after its press, and waits.
awk '/^# play$/ { play = 1; next } !play || /^#/ || /^wait [0-9]+$/ { next }
     /^press (LEFT|RIGHT|UP|DOWN|SPACE|ENTER|ESCAPE|Z)$/ { down[$2] = 1; next }
     /^release / && down[$2] { down[$2] = 0; next }
     { print; bad = 1 } END { exit bad }' "$proof" >bad.txt || fail "the proof holds more than the game's keys: $(cat bad.txt)"

# 8. --verify on a new folder with one designed stage: the others are not designed, not failed.
"$BIN" --headless --data "$DATA" --edit fresh --script alone.script >/dev/null 2>&1
cp "$DATA/stage/map1.dat" "$DATA/stage/Aimap1.dat" fresh/
sed -i "1s/.*/$(head -1 "$DATA/stage/xydata.dat")/" fresh/xydata.dat
mkdir -p fresh/proofs && cp "$DATA/stage/proofs/01-normal.script" "$DATA/stage/proofs/01-hard.script" fresh/proofs/
"$BIN" --data "$DATA" --verify --stage-dir fresh >out.txt 2>err.txt || fail "--verify on one designed stage exited $?: $(cat out.txt err.txt)"
has "17 not designed (an empty field, nothing on it, no proofs): stages 2-18" "--verify not designed"
has "3 passed, 0 failed" "--verify designed"

[ $FAILS -eq 0 ] && echo "editor scenarios: all passed"
exit $FAILS
