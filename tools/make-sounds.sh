#!/bin/bash
# SPDX-License-Identifier: MIT
# Synthesises the game's sound cues with sox: seven cues in data/ (looked up as the data files are) and the
# soft default cue in assets/sounds/ (compiled in, played when a cue's file is missing).
# Every cue is 16-bit PCM, mono, 22050 Hz, shorter than 1.5 s, faded in and out so it never clicks, and
# normalised to a peak of -6 dBFS so it stays gentle at a child's usual volume.
# Usage: tools/make-sounds.sh   (run from anywhere; needs sox)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fmt=(-r 22050 -c 1 -b 16 -e signed-integer)

# tone FILE SECONDS FADE-SHAPE WAVE FREQ [WAVE FREQ]...: one note; extra wave/frequency pairs are mixed
# in as overtones. The fade-out spans the whole note, so a half-sine shape rings away like a bell.
tone() {
    local out=$1 len=$2 shape=$3
    shift 3
    local effects=(synth "$len" "$1" "$2")
    shift 2
    while [ $# -gt 0 ]; do
        effects+=("$1" mix "$2")
        shift 2
    done
    sox -D -n "${fmt[@]}" "$work/$out" "${effects[@]}" fade "$shape" 0.004 "$len" "$(awk "BEGIN { print $len - 0.004 }")"
}

# rest FILE SECONDS: silence, used to start a note later in a mix.
rest() { sox -D -n "${fmt[@]}" "$work/$1" trim 0 "$2"; }

# finish OUT PEAK-DB INPUT...: joins the inputs one after the other, trims the tail of silence,
# softens the top end, adds short fades at both ends and normalises the peak.
finish() {
    local out=$1 peak=$2
    shift 2
    local inputs=()
    for f in "$@"; do inputs+=("$work/$f"); done
    sox -D "${inputs[@]}" "${fmt[@]}" "$work/joined.wav"
    sox -D "$work/joined.wav" "${fmt[@]}" "$work/trimmed.wav" reverse silence 1 0.005 0.1% reverse
    sox -D "$work/trimmed.wav" "${fmt[@]}" "$out" lowpass 4500 fade q 0.002 -0 0.02 gain -n "$peak"
}

# mixed OUT INPUT...: plays the inputs at the same time.
mixed() {
    local out=$1
    shift
    local inputs=()
    for f in "$@"; do inputs+=("$work/$f"); done
    sox -D -m "${inputs[@]}" "${fmt[@]}" "$work/$out"
}

# Correct: a bright two-step chime, C6 then a ringing E6 over G6.
tone c1.wav 0.11 h sine 1046.5 sine 2093
tone c2.wav 0.55 h sine 1318.5 sine 2637 sine 1568
finish "$root/data/seikai2.wav" -6 c1.wav c2.wav

# Correct with bonus: a small fanfare, a quick rising triplet and a held major chord.
tone f1.wav 0.09 h triangle 523.25 sine 1046.5
tone f2.wav 0.09 h triangle 659.25 sine 1318.5
tone f3.wav 0.09 h triangle 783.99 sine 1567.98
tone f4.wav 0.14 h triangle 1046.5 sine 2093
rest f5.wav 0.05
tone f6a.wav 0.7 p triangle 1046.5 sine 2093
tone f6b.wav 0.7 p triangle 1318.5
tone f6c.wav 0.7 p triangle 783.99
mixed f6.wav f6a.wav f6b.wav f6c.wav
finish "$root/data/seikai100.wav" -6 f1.wav f2.wav f3.wav f4.wav f5.wav f6.wav

# Wrong: a soft low two-step buzz, softened by a low-pass filter.
tone w1.wav 0.2 t sawtooth 196 sine 98
tone w2.wav 0.32 t sawtooth 155.56 sine 77.78
rest w0.wav 0.05
sox -D "$work/w1.wav" "$work/w0.wav" "$work/w2.wav" "${fmt[@]}" "$work/w.wav" lowpass 700 lowpass 900
finish "$root/data/matigai.wav" -6 w.wav

# Hint: a light bell, a high tone with an inharmonic overtone that rings away.
tone h1.wav 0.7 h sine 1760 sine 4752 sine 3520
finish "$root/data/hinto.wav" -6 h1.wav

# Creature click: a short bubble pop sweeping up.
sox -D -n "${fmt[@]}" "$work/p.wav" synth 0.07 sine 380:1500 fade h 0.003 0.07 0.05
finish "$root/data/a.wav" -6 p.wav

# Creature eaten: a falling "oh no" in two sliding syllables with a little wobble.
sox -D -n "${fmt[@]}" "$work/o1.wav" synth 0.3 triangle 660:560 tremolo 9 30 fade h 0.02 0.3 0.08
rest o0.wav 0.06
sox -D -n "${fmt[@]}" "$work/o2.wav" synth 0.6 triangle 500:280 tremolo 7 40 fade h 0.02 0.6 0.35
finish "$root/data/taberareru.wav" -6 o1.wav o0.wav o2.wav

# Game over: a short closing tune walking down to the home note.
tone g1.wav 0.16 h triangle 783.99 sine 1567.98
tone g2.wav 0.16 h triangle 659.25 sine 1318.5
tone g3.wav 0.16 h triangle 587.33 sine 1174.66
tone g4.wav 0.16 h triangle 493.88 sine 987.77
tone g5.wav 0.6 p triangle 523.25 sine 1046.5 sine 783.99
finish "$root/data/tukamaeru.wav" -6 g1.wav g2.wav g3.wav g4.wav g5.wav

# Default cue for a missing file: one short, soft, mellow blip.
tone d1.wav 0.22 h sine 659.25 sine 1318.5
finish "$root/assets/sounds/default.wav" -9 d1.wav

for f in "$root"/data/*.wav "$root"/assets/sounds/default.wav; do
    printf '%-22s %5.2f s\n' "$(basename "$f")" "$(soxi -D "$f")"
done
