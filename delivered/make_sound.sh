#!/bin/sh
# Regenerates Avviso.mp3, the agenda's alarm: a "ding-dong, ding-dong" chime of
# two alternating bell tones (B5 and G#5), about two seconds, mono, 44.1 kHz,
# 64 kbps. Needs sox and lame (Debian: apt-get install sox lame).
#
# Each tone is a sine with a quieter octave above it, struck at once and left
# to ring out, so it reads as a chime rather than a buzzer:
#   sox -R -n -r 44100 -c 2 tone.wav synth 0.48 sine F sine 2F \
#       remix 1v0.75,2v0.25 fade h 0.004 0.48 0.40
# The four tones are joined, peak-normalised to -3 dB and encoded:
#   sox -R ding.wav dong.wav ding.wav dong_long.wav chime.wav gain -n -3
#   lame --quiet -m m -b 64 chime.wav Avviso.mp3
set -eu

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# tone FILE FREQUENCY SECONDS RING: one struck bell tone that rings out over
# its last RING seconds
tone() {
  sox -R -n -r 44100 -c 2 "$1" synth "$3" sine "$2" sine "$(($2 * 2))" \
    remix 1v0.75,2v0.25 fade h 0.004 "$3" "$4"
}

tone "$work/ding.wav" 988 0.48 0.40
tone "$work/dong.wav" 831 0.48 0.40
tone "$work/dong_long.wav" 831 0.70 0.62

sox -R "$work/ding.wav" "$work/dong.wav" "$work/ding.wav" "$work/dong_long.wav" \
  "$work/chime.wav" gain -n -3
lame --quiet -m m -b 64 "$work/chime.wav" "$here/Avviso.mp3"
