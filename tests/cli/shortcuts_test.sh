#!/usr/bin/env bash
# --verify --shortcuts on tests/fixtures/solver_shortcut: the proofs sweep a spent speed tile and
# turn two arrows (three tools); one spring in front of the arrows throws the stone over both and
# wins. The report must find that line within its 10 s, write it, and the line must play as a
# proof. A second report replaces only its own findings.
#   shortcuts_test.sh BINARY DATA_DIR FIXTURE_DIR
set -u
bin=$1
data=$2
fixture=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
mkdir -p "$work/tmp"
report() { TMPDIR="$work/tmp" timeout 120 "$bin" --data "$data" --verify 1 --shortcuts --stage-dir "$fixture" "$@"; }

out=$(report --seconds 10 --out "$work/found" 2>&1); code=$?
[ $code -eq 0 ] || fail "exit $code: $out"
row=$(grep -E '^01 +NORMAL ' <<<"$out")
grep -Eq '^01 +NORMAL +fewer tools.* +1 +[0-9]+ +[0-9.]+ +3/' <<<"$row" || fail "no one-tool finding against the three of the proof: $out"
seconds=$(awk '{for (i = 1; i <= NF; i++) if ($i ~ /^[0-9]+\/[0-9]+\//) print $(i + 1)}' <<<"$row")
awk -v s="$seconds" 'BEGIN { exit !(s != "" && s < 10) }' || fail "not found within 10 s ($seconds): $out"
[ -s "$work/found/01-normal.script" ] || fail "no script written: $(ls -R "$work/found" 2>&1)"
grep -Eq '^[0-9]+ findings? in 2 runs of 10 s, 0 problems$' <<<"$out" || fail "summary line: $out"

# The finding plays as a proof of the stage.
cp -r "$fixture" "$work/stage"
cp "$work/found/01-normal.script" "$work/stage/proofs/01-normal.script"
out=$(TMPDIR="$work/tmp" "$bin" --data "$data" --verify 1 --stage-dir "$work/stage" 2>&1)
grep -Eq '^ok +01 +NORMAL +won ' <<<"$out" || fail "the finding as a proof: $out"

# Again into the same folder: its own findings are replaced, anything else is left alone.
printf 'my notes\n' > "$work/found/01-hard.script"
out=$(report --seconds 3 --out "$work/found" 2>&1); code=$?
[ $code -eq 1 ] || fail "a file of someone else's in the way: exit $code: $out"
grep -q 'exists and is no finding of this report' <<<"$out" || fail "not said: $out"
[ "$(cat "$work/found/01-hard.script")" = "my notes" ] || fail "someone else's file was replaced"
grep -Eq '^01 +NORMAL +fewer tools' <<<"$out" || fail "its own finding not made again: $out"

out=$(TMPDIR="$work/tmp" "$bin" --data "$data" --shortcuts 2>&1); code=$?
[ $code -eq 2 ] && grep -q -- '--shortcuts goes with --verify' <<<"$out" || fail "--shortcuts alone: exit $code: $out"

if [ $failures -ne 0 ]; then echo "$failures failure(s)"; exit 1; fi
echo "shortcuts: the one-spring line found, written and played as a proof"
