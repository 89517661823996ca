#!/bin/sh
# Makes the speaker test's sample sound, outside/QRV001.WAV (44.1 kHz, 16-bit
# stereo, about 8 s), from Debian's espeak-ng and sox: a voice says "left" in
# the left ear only and "right" in the right ear only, then "bass" before a
# low tone and "treble" before a high one, so that balance, bass and treble
# can be heard and told apart.
#   sh tools/sound/make_test_sound.sh
set -eu
cd "$(dirname "$0")/../.."
sh scripts/deps.sh espeak-ng sox
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every piece in the sample's own format; -D: no dither, so the file is the
# same each time it is made.
format="-D -r 44100 -b 16 -c 2"
say() { # say NAME TEXT REMIX...
    name=$1 text=$2
    shift 2
    espeak-ng -v en-us -s 140 -w "$work/$name-voice.wav" "$text"
    sox "$work/$name-voice.wav" $format "$work/$name.wav" remix "$@" pad 0 0.3
}
tone() { # tone NAME FREQUENCY...
    name=$1
    shift
    sox -n $format "$work/$name.wav" synth 1.5 sine "$1" sine "$2" remix 1,2 1,2 \
        gain -9 fade h 0.05 1.5 0.1 pad 0 0.4
}

say left "Left" 1 0
say right "Right" 0 1
say bass "Bass" 1 1
tone low 60 110
say treble "Treble" 1 1
tone high 6000 9000

sox $format "$work/left.wav" "$work/right.wav" "$work/bass.wav" "$work/low.wav" \
    "$work/treble.wav" "$work/high.wav" outside/QRV001.WAV gain -n -1
soxi outside/QRV001.WAV
