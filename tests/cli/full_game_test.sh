#!/usr/bin/env bash
# The full-game proof: played headless with a fresh settings file, it must end with the high
# score saved, equal to the total it printed at the results.
#   full_game_test.sh BINARY DATA_DIR STAGE_DIR SCRIPT
#   full_game_test.sh BINARY DATA_DIR --stitch FIXTURE_DIR
# The second form first builds an eighteen-stage folder from a one-stage fixture (the same
# stage eighteen times, its proofs choosing each stage number) and writes its full game with
# --verify --write-full-game, so the stitching is tested whatever state the shipped set is in.
set -u
bin=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ "$3" = "--stitch" ]; then
  stages="$work/stages"
  cp -r "$4" "$stages"
  for n in $(seq 2 18); do
    cp "$stages/map1.dat" "$stages/map$n.dat"
    cp "$stages/Aimap1.dat" "$stages/Aimap$n.dat"
    for level in normal hard; do
      # Right n-1 times on STAGESERECT, the row the third Down reaches.
      awk -v n=$n '{ print } /^tap DOWN$/ { if (++d == 3) for (i = 1; i < n; i++) print "wait 1\ntap RIGHT" }' \
        "$stages/proofs/01-$level.script" > "$stages/proofs/$(printf %02d $n)-$level.script"
    done
  done
  script="$work/full-game.script"
  out=$("$bin" --data "$data" --verify --stage-dir "$stages" --write-full-game "$script" 2>&1) || {
    echo "FAIL: --write-full-game: $out"
    exit 1
  }
  grep -qx '54 passed, 0 failed' <<<"$out" || { echo "FAIL: verify of the stitched folder: $out"; exit 1; }
else
  stages=$3
  script=$4
fi

out=$("$bin" --headless --no-splash --data "$data" --stage-dir "$stages" \
  --settings "$work/settings.ini" --script "$script" 2>&1); code=$?
[ $code -eq 0 ] || { echo "FAIL: the full game stopped (exit $code): $out"; exit 1; }
total=$(sed -n 's/^t=[0-9]* TotalScore=\([0-9-]*\)$/\1/p' <<<"$out")
high=$(sed -n 's/^t=[0-9]* HighScore=\([0-9-]*\)$/\1/p' <<<"$out")
saved=$(sed -n 's/^high=\([0-9-]*\)$/\1/p' "$work/settings.ini" 2>/dev/null)
echo "total $total, high score $high, saved $saved"
[ -n "$total" ] && [ "$total" -gt 0 ] || { echo "FAIL: no total printed: $out"; exit 1; }
[ "$high" = "$total" ] && [ "$saved" = "$total" ] || { echo "FAIL: total $total, high $high, saved $saved"; exit 1; }
echo "the full game ends with $total saved as the high score"
