#!/usr/bin/env bash
# Renders one piece of our music to Ogg Vorbis with the General MIDI soundfont, so the game plays
# finished audio and needs no synthesiser of its own.
#
#   render.sh FLUIDSYNTH SOX SOUNDFONT GAIN PIECE.mid OUT.ogg once|loop
#
# A looping piece is rendered twice through without resetting the synthesiser, so notes and
# reverb still sounding at the end of the first pass carry into the second, as they will when the
# game goes round. The file keeps the first pass as the opening and the second as the loop, and
# its LOOPSTART/LOOPLENGTH tags make the mixer jump from the end of the second pass back to its
# start: what follows the jump is exactly what followed the end of the first pass.
set -euo pipefail
fluidsynth=$1 sox=$2 soundfont=$3 gain=$4 midi=$5 out=$6 mode=$7
rate=44100
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

render() {  # render OUT.wav MIDI...
  local wav=$1
  shift
  "$fluidsynth" -ni -q -g "$gain" -r "$rate" -T wav -O s16 -o player.reset-synth=0 \
    -F "$wav" "$soundfont" "$@" >"$work/log" 2>&1 || { cat "$work/log" >&2; exit 1; }
}
samples() { "$sox" --i -s "$1"; }

render "$work/one.wav" "$midi"
case "$mode" in
  once)
    # Played once: the whole pass with its natural release and reverb tail.
    "$sox" "$work/one.wav" -C 5 "$out"
    ;;
  loop)
    render "$work/two.wav" "$midi" "$midi"
    # Both renders end with the same tail after their last pass, so the difference of their
    # lengths is one pass, to the sample.
    pass=$(( $(samples "$work/two.wav") - $(samples "$work/one.wav") ))
    if [ "$pass" -le 0 ]; then echo "render.sh: $midi: no whole pass rendered" >&2; exit 1; fi
    "$sox" "$work/two.wav" -C 5 --comment "LOOPSTART=$pass" --add-comment "LOOPLENGTH=$pass" \
      "$out" trim 0 "$(( 2 * pass ))s"
    ;;
  *)
    echo "render.sh: mode must be once or loop, not $mode" >&2
    exit 2
    ;;
esac
