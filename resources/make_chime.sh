#!/usr/bin/env bash
# Makes Avviso.mp3, the alert played at start-up when deadlines are imminent:
# a soft three-note chime (E6, C6, G6 with a fading bell envelope), about 1.6 s.
# Needs sox and lame (apt-get install sox lame). The result is committed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

note() {  # note FILE FREQUENCY DELAY
    sox -n -r 44100 -c 1 "$work/$1" synth 1.1 sine "$2" sine "$(echo "$2 * 2" | bc)" \
        remix 1,2 gain -6 fade q 0.005 1.1 1.0 pad "$3" 0
}
note a.wav 1318.5 0
note b.wav 1046.5 0.25
note c.wav 1568.0 0.5
sox -m "$work/a.wav" "$work/b.wav" "$work/c.wav" "$work/chime.wav" gain -n -3 reverb 30 fade 0 1.6 0.4
lame --quiet -b 96 -m m "$work/chime.wav" "$here/Avviso.mp3"
echo "wrote $here/Avviso.mp3"
