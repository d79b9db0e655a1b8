#!/usr/bin/env bash
# Every text still draws on a system without the text font: the system's copy is hidden (a
# private mount over its folder) and the data folder's fallback copy must be read. The editor's
# TIME, POINTS and PAR, its status line, and a comment of the house shot are checked for letters.
#   font_test.sh PROGRAM DATA SYSTEM_FONT        (exit 77, skipped, where mounts are not allowed)
set -u
BIN=$1
DATA=$2
FONT=$3
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"
hidden() { unshare -rm sh -c 'mount -t tmpfs none "$1" && shift && exec "$@"' sh "$(dirname "$FONT")" "$@"; }
if ! hidden test ! -e "$FONT" 2>/dev/null; then
  echo "cannot hide $FONT here (no private mounts): skipped"
  exit 77
fi
FAILS=0
fail() { echo "FAIL: $*"; FAILS=$((FAILS + 1)); }
# The share of letter-white pixels in a box of a shot.
letters() { convert "$1" -crop "$2" +repage -fx '(r>0.85 && g>0.85 && b>0.9) ? 1 : 0' -format '%[fx:mean]' info:; }
some_letters() { # SHOT BOX WHAT
  local share
  share=$(letters "$1" "$2")
  awk -v s="$share" 'BEGIN { exit !(s > 0.03) }' || fail "$3: no letters in $2 (white share $share)"
}

printf 'wait 50\nshot editor.png\ntap ESCAPE\n' >edit.script
hidden "$BIN" --headless --data "$DATA" --edit "$WORK/stages" --script edit.script >out.txt 2>err.txt ||
  fail "editor exited $?: $(cat err.txt)"
grep -q font err.txt && fail "editor: $(cat err.txt)"
some_letters editor.png 120x32+150+40 "editor TIME"
some_letters editor.png 96x32+462+40 "editor PAR"
some_letters editor.png 400x20+16+74 "editor status line"

cat >house.script <<'END'
until GameState == 1 within 5000
tap SPACE
until GameState == 3 within 5000
set Stage 8
set StageTable[7].parScore 500
set StageScore 650
set ShotFrame 0
set GameState 6
until ShotFrame == 300 within 20000
shot house.png
END
hidden "$BIN" --headless --no-splash --data "$DATA" --settings "$WORK/s.ini" --script house.script >out.txt 2>err.txt ||
  fail "game exited $?: $(cat err.txt)"
grep -q font err.txt && fail "game: $(cat err.txt)"
some_letters house.png 320x32+160+160 "house-shot comment"

[ $FAILS -eq 0 ] || exit 1
echo "font: all checks passed"
