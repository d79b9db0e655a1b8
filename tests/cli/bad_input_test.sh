#!/usr/bin/env bash
# Bad input of every kind, as one table: each case names its command line, the exit code and a
# pattern its message must match. Around every case the files in $keep (a player's notes, a
# script, settings, a picture) are fingerprinted: no case may change them, and no message may
# carry a raw control byte to the terminal.
#   bad_input_test.sh BINARY DATA_DIR
set -u
bin=$1
data=$2
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

keep=$work/keep
mkdir -p "$keep" "$work/shots" "$work/empty"
cd "$work/shots" || exit 1
printf 'my notes\n' > "$keep/notes.txt"
printf 'set GameState 5\nwait 1\n' > "$keep/replay.script"
printf '[window]\nscale=2\n\n[score]\nhigh=4321\n' > "$keep/settings.ini"
printf 'not a picture\n' > "$work/shots/fake.png"
cp "$data/pictures/icon.png" "$work/shots/old.png"
ln -s "$keep/notes.txt" "$work/shots/link.png"
ln -s "$keep" "$work/shots/linked"

# A data folder like the real one, with one picture changed per case.
mkdata() {  # mkdata NAME: $work/NAME with the real sound/, stage/ and linked pictures
  local d=$work/$1
  mkdir -p "$d/pictures"
  ln -s "$data/sound" "$d/sound"
  cp -r "$data/stage" "$d/stage"
  for f in "$data"/pictures/*; do ln -s "$f" "$d/pictures/"; done
}
mkdata huge
rm "$work/huge/pictures/char1.png"
# A real PNG header claiming 30000 x 30000 pixels, then nothing worth decoding.
python3 - "$work/huge/pictures/char1.png" <<'PY'
import struct, sys, zlib
ihdr = struct.pack(">IIBBBBB", 30000, 30000, 8, 6, 0, 0, 0)
chunk = struct.pack(">I", len(ihdr)) + b"IHDR" + ihdr + struct.pack(">I", zlib.crc32(b"IHDR" + ihdr))
open(sys.argv[1], "wb").write(b"\x89PNG\r\n\x1a\n" + chunk + b"\0" * 23000)
PY
mkdata notpng
rm "$work/notpng/pictures/title.png"
printf 'GIF89a not a png' > "$work/notpng/pictures/title.png"
mkdata nosound
rm "$work/nosound/sound"
mkdir "$work/nosound/sound"
mkdata fifopic
rm "$work/fifopic/pictures/char1.png"
mkfifo "$work/fifopic/pictures/char1.png"

# Stage folders with one fault each.
stage() {  # stage NAME: a copy of the shipped stage folder to break
  cp -r "$data/stage" "$work/$1"
  echo "$work/$1"
}
sed -i '1s/^/\xEF\xBB\xBF/' "$(stage bom)/map1.dat"            # a BOM alone is fine...
sed -i '1s/^[^,]*/\xEF\xBB\xBFx/' "$(stage badnum)/map1.dat"     # ...a BOM before a non-number is not
python3 -c "import sys; print('\"' + 'x' * 201 + '\"')" > "$work/long.txt"
{ cat "$work/long.txt"; cat "$data/stage/messagedata.dat"; } > "$(stage longmsg)/messagedata.dat"
{ printf '"red\x1b[31m alert"\n'; cat "$data/stage/messagedata.dat"; } > "$(stage ctlmsg)/messagedata.dat"
rm "$(stage notable)/xydata.dat"
sed -i '2s/^\([^,]*\),/\1,\x07,/' "$(stage ctlnum)/map2.dat"
# Files that are no files, or far too large: refused at once, never read or waited on.
ln -sf /dev/zero "$(stage zeromap)/map1.dat"
rm "$(stage fifomap)/map1.dat" && mkfifo "$work/fifomap/map1.dat"
truncate -s 2M "$(stage hugemap)/map1.dat"
mkfifo "$work/fifo.script"
{ printf '[score]\nhigh=4321\n'; head -c 100000 /dev/zero | tr '\0' ';'; } > "$keep/huge.ini"
ln -s loop2.ini "$keep/loop1.ini"
ln -s loop1.ini "$keep/loop2.ini"

script() {  # script NAME LINE...: $work/NAME.script holding the lines after an idle state
  local name=$1
  shift
  { echo 'set GameState 5'; printf '%s\n' "$@"; } > "$work/$name.script"
  echo "$work/$name.script"
}
game() {  # game NAME START: $work/NAME.script starting a game at stage index START from the menu
  printf 'wait 1\nset StartStage %s\ntap SPACE\nwait 3000\n' "$2" > "$work/$1.script"
  echo "$work/$1.script"
}

fingerprint() { (cd "$keep" && find . -printf '%p %y %m %s\n' | sort && cat ./* 2>/dev/null | md5sum); }
before=$(fingerprint)

# name | expected exit | message pattern | arguments (a bash array body)
cases=(
  "scale with letters|2|--scale needs a whole number|--scale 3abc"
  "scale zero|2|--scale needs a whole number|--scale 0"
  "empty settings|2|--settings needs a value, not an empty one|--settings ''"
  "empty data|2|--data needs a value, not an empty one|--data ''"
  "empty stage folder|2|--stage-dir needs a value, not an empty one|--stage-dir ''"
  "empty script|2|--script needs a value|--script ''"
  "unknown option|2|unknown option|--bogus"
  "unknown option with an escape code|2|unknown option --bo\\\\x1b\[31mgus|$'--bo\x1b[31mgus'"
  "image stage with an escape code|2|--image needs a stage number, not '3\\\\x1b\[2J'|--image $'3\x1b[2J' x.png"
  "editor stage with letters|2|--stage needs a stage number from 1 to 18, not '3x'|--edit $work/empty --stage 3x --script $keep/replay.script"
  "headless without a script|2|--headless needs --script|--headless"
  "data folder missing|1|--data /nonexistent/x: no such folder|--data /nonexistent/x --script $keep/replay.script"
  "stage folder is a file|1|--stage-dir .*: not a folder|--stage-dir $keep/notes.txt --script $keep/replay.script"
  "script is a folder|1|--script .*: not a regular file|--script $work/empty"
  "script missing|1|--script .*: no such file|--script $work/nothing.script"
  "settings is a folder|1|--settings .*: not a regular file|--settings $work/empty --script $keep/replay.script"
  "shots folder missing|1|--shots-dir .*: no such folder|--shots-dir $work/nowhere --script $keep/replay.script"
  "record over a file|1|already exists; add --force|--record $keep/notes.txt --script $keep/replay.script"
  "record over the script|1|is the script being played|--record $keep/replay.script --script $keep/replay.script --force"
  "record into a folder|1|--record .*: not a regular file|--record $work/empty --force --script $keep/replay.script"
  "shot of a text file|1|script:2: a shot must be a .png file|--script $(script txt 'shot notes.txt')"
  "shot with ..|1|script:2: .*'\.\.'|--script $(script up 'shot ../keep/x.png')"
  "shot absolute|1|script:2: a shot must be a relative path|--script $(script abs "shot $keep/x.png")"
  "shot through a linked file|1|script:3: shot link.png: link.png is a symbolic link|--script $(script lnk 'wait 1' 'shot link.png')"
  "shot through a linked folder|1|script:3: shot linked/x.png: linked is a symbolic link|--script $(script lnd 'wait 1' 'shot linked/x.png')"
  "shot over a non-picture|1|script:3: shot fake.png: fake.png exists and is not a PNG|--script $(script fake 'wait 1' 'shot fake.png')"
  "shot over a picture it did not make|1|script:3: shot old.png: old.png exists; add --force to replace it|--script $(script old 'wait 1' 'shot old.png')"
  "image of another kind|1|--image: .*notes.txt: the picture must be a .png file|--image 1 $keep/notes.txt"
  "image over a non-picture|1|--image: .*fake.png exists and is not a PNG|--image 1 $work/shots/fake.png --force"
  "image through a link|1|--image: .*link.png is a symbolic link|--image 1 $work/shots/link.png --force"
  "image over a picture|1|--image: .*old.png exists; add --force to replace it|--image 1 $work/shots/old.png"
  "set past the enemy table|2|script:2: EnemyCount takes 0 to 11, not 100000|--script $(script v1 'set EnemyCount 100000')"
  "set past the backdrops|2|script:3: BackdropIndex takes 0 to 1, not 100000000|--script $(script v2 'wait 1' 'set BackdropIndex 100000000')"
  "set below a stage|2|script:2: Stage takes 0 to 18, not -1|--script $(script v3 'set Stage -1')"
  "wait past a day|1|script:2: '9223372036854775807' ms is out of range: 0 to 86400000|--script $(script w1 'wait 9223372036854775807')"
  "within past a day|1|script:2: '86400001' ms is out of range: 0 to 86400000|--script $(script w2 'until Now > 5 within 86400001')"
  "negative wait|1|script:2: '-5' ms is out of range|--script $(script w3 'wait -5')"
  "control bytes in a script|1|script:2: unknown command 'bo\\\\x1bgus'|--script $(script ctl $'bo\x1bgus')"
  "huge picture header|1|char1.png: expected 320x240 pixels, found 30000x30000|--data $work/huge --script $keep/replay.script"
  "picture not a PNG|1|title.png: cannot load picture \(not a PNG picture\)|--data $work/notpng --script $keep/replay.script"
  "sound file missing|1|nosound/sound/.*missing|--data $work/nosound --script $keep/replay.script"
  "stage table missing|1|xydata.dat: cannot open|--stage-dir $work/notable --script $(game s1 0)"
  "a BOM before a bad number|1|map1.dat:1: field 1: expected a number .*found 'x'|--stage-dir $work/badnum --script $(game s2 0)"
  "a control byte among numbers|1|map2.dat:2: .*found '\\\\x07'|--stage-dir $work/ctlnum --script $(game s3 1)"
  "message too long|1|messagedata.dat:1: field 1: expected a text of at most 200 bytes \(message 0\), found 201 bytes|--stage-dir $work/longmsg --script $(game s4 0)"
  "control bytes in a message|1|messagedata.dat:1: .*without control bytes.*red\\\\x1b\[31m|--stage-dir $work/ctlmsg --script $(game s5 0)"
  "map linked to a device|1|zeromap/map1.dat: not a regular file|--stage-dir $work/zeromap --script $(game s6 0)"
  "map that is a pipe|1|fifomap/map1.dat: not a regular file|--stage-dir $work/fifomap --script $(game s7 0)"
  "map of 2 MB|1|hugemap/map1.dat: too large \(2097152 bytes; at most 1 MB\)|--stage-dir $work/hugemap --script $(game s8 0)"
  "picture that is a pipe|1|char1.png: cannot load picture \(not a regular file\)|--data $work/fifopic --script $keep/replay.script"
  "script that is a pipe|1|--script .*: not a regular file|--script $work/fifo.script"
  "settings in a loop of links|0|cannot save settings to .*loop1.ini: .*loop1.ini is a loop of symbolic links|--settings $keep/loop1.ini --script $(script hl 'wait 1' 'set TotalScore 9000' 'set GameState 8' 'until GameState == 1 within 40000')"
  "settings too large|0|settings .*huge.ini not read: too large \(100018 bytes; at most 64 KB\)|--settings $keep/huge.ini --script $(script hs 'wait 1' 'set TotalScore 9000' 'set GameState 8' 'until GameState == 1 within 40000' 'expect HighScore == 9000')"
)

for row in "${cases[@]}"; do
  IFS='|' read -r name code pattern argv <<<"$row"
  eval "args=($argv)"
  # Cases that name no data folder use the real one.
  with_data=(--data "$data")
  [[ " ${args[*]} " == *" --data "* ]] && with_data=()
  headless=(--headless)
  [[ " ${args[*]} " == *" --image "* ]] && headless=()
  out=$(timeout 120 "$bin" "${headless[@]}" --no-splash "${with_data[@]}" --settings "$keep/settings.ini" "${args[@]}" 2>&1 </dev/null)
  got=$?
  [ "$got" = "$code" ] || fail "$name: exit $got, wanted $code: $out"
  grep -Eq -- "$pattern" <<<"$out" || fail "$name: message does not match '$pattern': $out"
  if LC_ALL=C grep -q $'[\x01-\x08\x0b-\x1f\x7f]' <<<"$out"; then fail "$name: raw control byte in: $out"; fi
  [ "$(fingerprint)" = "$before" ] || { fail "$name: changed the kept files"; before=$(fingerprint); }
done
[ "$(cat "$work/shots/fake.png")" = "not a picture" ] || fail "the non-picture fake.png was overwritten"
cmp -s "$data/pictures/icon.png" "$work/shots/old.png" || fail "the picture old.png was overwritten"

# What still works: a BOM at the start of a stage file, a read-only settings file (reported,
# left alone, play goes on), a shot inside the shots folder replacing an earlier shot.
out=$("$bin" --headless --no-splash --data "$data" --stage-dir "$work/bom" --settings "$keep/settings.ini" \
  --script "$(game bomok 0)" 2>&1) \
  || fail "a BOM at the start of map1.dat: $out"
chmod a-w "$keep/settings.ini"
before=$(fingerprint)
out=$("$bin" --headless --no-splash --data "$data" --settings "$keep/settings.ini" \
  --script "$(script ro 'wait 1' 'set TotalScore 9000' 'set GameState 8' 'until GameState == 1 within 40000' 'expect HighScore == 9000')" 2>&1)
[ $? -eq 0 ] && grep -q 'read-only' <<<"$out" || fail "read-only settings: $out"
[ "$(fingerprint)" = "$before" ] || fail "read-only settings were changed"
shot=$(script shot 'wait 1' 'shot again.png' 'shot again.png')
"$bin" --headless --no-splash --data "$data" --settings "$keep/settings.ini" --shots-dir "$work/shots" \
  --script "$shot" >/dev/null 2>&1 && [ -s "$work/shots/again.png" ] || fail "a shot replacing a shot"
"$bin" --data "$data" --image 1 "$work/shots/old.png" --force >/dev/null 2>&1 && ! cmp -s "$data/pictures/icon.png" "$work/shots/old.png" \
  || fail "--image with --force replacing a picture"

if [ $failures -ne 0 ]; then echo "$failures failure(s)"; exit 1; fi
echo "bad input: ${#cases[@]} cases refused clearly, nothing touched"
