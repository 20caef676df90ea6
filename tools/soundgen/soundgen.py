#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Synthesises the game's sound effects from the parameters below.

Every effect is built from a few voices (tones with overtones and an
envelope, a pitch glide, filtered noise) and then brought to one loudness:
the RMS of its loud part (the 50 ms windows within 20 dB of its loudest) is
scaled to TARGET_DB; a peak that would pass CEILING_DB is rounded off by a
soft limiter and the level measured again, so no effect clips and none is
much louder than the others. Output: 16-bit PCM mono WAV at 44.1 kHz.

    tools/soundgen/soundgen.py [--out assets/sounds] [--pictures DIR]

--pictures also writes a waveform picture (PGM) of each effect, to look at
for clipping and for how the effects differ.
"""

import argparse
import math
import os
import random
import struct
import wave

RATE = 44100
TARGET_DB = -18.0  # gated RMS of every effect, dB below full scale
CEILING_DB = -1.0  # highest sample
GATE_DB = -20.0    # windows quieter than the loudest by more than this are not counted
WINDOW = RATE // 20


def db(value):
    return 10 ** (value / 20.0)


def envelope(t, length, attack, release):
    """Linear attack, exponential fall to the release, then a short fade."""
    if t < attack:
        return t / attack
    if t > length:
        return 0.0
    fall = math.exp(-3.0 * (t - attack) / max(length - attack, 1e-6))
    tail = min(1.0, (length - t) / release) if release > 0 else 1.0
    return fall * tail


def tone(out, start, length, freq, to_freq=None, overtones=(1.0,), attack=0.01, release=0.05,
         amp=1.0, vibrato=0.0, tremolo=0.0):
    """Adds a tone at `start` s: a glide from freq to to_freq, overtones as
    relative amplitudes of harmonics 1, 2, 3..."""
    to_freq = to_freq or freq
    first = int(start * RATE)
    count = int(length * RATE)
    phase = 0.0
    for n in range(count):
        t = n / RATE
        f = freq * (to_freq / freq) ** (t / length)
        if vibrato:
            f *= 1.0 + 0.012 * math.sin(2 * math.pi * vibrato * t)
        phase += 2 * math.pi * f / RATE
        value = sum(a * math.sin(k * phase) for k, a in enumerate(overtones, 1) if k * f < RATE / 2)
        gain = envelope(t, length, attack, release) * amp
        if tremolo:
            gain *= 0.6 + 0.4 * math.sin(2 * math.pi * tremolo * t)
        out[first + n] += value * gain


def noise(out, start, length, cutoff, amp=1.0, attack=0.002, seed=1):
    """Adds noise through a one-pole low-pass at `cutoff` Hz: drums and rumble."""
    rng = random.Random(seed)
    first = int(start * RATE)
    alpha = 1.0 - math.exp(-2 * math.pi * cutoff / RATE)
    level = 0.0
    for n in range(int(length * RATE)):
        level += alpha * (rng.uniform(-1.0, 1.0) - level)
        out[first + n] += level * envelope(n / RATE, length, attack, 0.02) * amp * 3.0


BRASS = (1.0, 0.7, 0.5, 0.35, 0.2, 0.12)
BELL = (1.0, 0.0, 0.45, 0.0, 0.25, 0.0, 0.12)
SQUARE = (1.0, 0.0, 0.33, 0.0, 0.2, 0.0, 0.14)
SOFT = (1.0, 0.3, 0.1)

C4, E4, F4, G4, AB4, A4, C5, E5, G5, A5, C6, E6, G6 = (
    261.63, 329.63, 349.23, 392.0, 415.3, 440.0, 523.25, 659.25, 783.99, 880.0, 1046.5, 1318.5, 1568.0)


def attack(out):  # the player's attack opened: two rising brass calls over a drum
    noise(out, 0.0, 0.12, 900, seed=2)
    tone(out, 0.0, 0.18, G4, overtones=BRASS, attack=0.015)
    tone(out, 0.2, 0.45, C5, overtones=BRASS, attack=0.015, vibrato=5.5)


def promotion(out):  # a general rose in rank: a bright bell arpeggio
    for i, f in enumerate((C6, E6, G6)):
        tone(out, 0.09 * i, 0.6, f, overtones=BELL, attack=0.003, release=0.1, amp=0.8)


def battle_won(out):  # a country of his held: a major chord struck twice
    for start, length in ((0.0, 0.15), (0.18, 0.5)):
        for f in (C5, E5, G5):
            tone(out, start, length, f, overtones=SOFT, attack=0.008, amp=0.6)
    noise(out, 0.18, 0.1, 1500, amp=0.7, seed=3)


def battle_lost(out):  # his attack failed: two falling muted notes
    tone(out, 0.0, 0.3, E4, overtones=SOFT, attack=0.02)
    tone(out, 0.3, 0.45, C4, to_freq=C4 * 0.94, overtones=SOFT, attack=0.02)


def conquered(out):  # his attack took the country: snare roll into a rising triad
    for i in range(6):
        noise(out, 0.05 * i, 0.06, 3000, amp=0.5 + 0.08 * i, seed=10 + i)
    for i, f in enumerate((C5, E5, G5, C6)):
        tone(out, 0.3 + 0.12 * i, 0.5 if i == 3 else 0.14, f, overtones=BRASS, attack=0.01, amp=0.8)


def country_lost(out):  # an attacker took his country: a low falling glide over rumble
    noise(out, 0.0, 1.0, 150, amp=1.2, attack=0.05, seed=4)
    tone(out, 0.0, 1.0, A4, to_freq=A4 / 2, overtones=BRASS, attack=0.03, release=0.2)


def threat(out):  # his country attacked: a two-tone alarm, three times
    for i in range(3):
        tone(out, 0.3 * i, 0.14, A5, overtones=SQUARE, attack=0.004, release=0.02)
        tone(out, 0.3 * i + 0.15, 0.14, E5, overtones=SQUARE, attack=0.004, release=0.02)


def victory(out):  # the game won: a full fanfare
    notes = ((0.0, 0.12, C5), (0.14, 0.12, C5), (0.28, 0.12, C5), (0.42, 0.3, E5), (0.74, 0.2, G5),
             (0.96, 0.8, C6))
    for start, length, f in notes:
        tone(out, start, length, f, overtones=BRASS, attack=0.012, vibrato=5.0 if length > 0.5 else 0.0)
    for f in (C5, E5):
        tone(out, 0.96, 0.8, f, overtones=SOFT, attack=0.02, amp=0.5)
    noise(out, 0.96, 0.15, 800, amp=0.8, seed=5)


def defeat(out):  # the game lost: a slow minor descent, trembling
    for i, f in enumerate((C5, AB4, F4, C4)):
        tone(out, 0.4 * i, 0.75 if i == 3 else 0.42, f, overtones=BRASS, attack=0.03, release=0.1,
             tremolo=6.0 if i == 3 else 0.0)
    noise(out, 1.2, 0.7, 120, amp=0.9, attack=0.05, seed=6)


# The file of each effect, as the game looks for it.
EFFECTS = {
    "attack.wav": (attack, 0.7),
    "promotion.wav": (promotion, 0.8),
    "battle-won.wav": (battle_won, 0.75),
    "battle-lost.wav": (battle_lost, 0.8),
    "conquered.wav": (conquered, 1.2),
    "country-lost.wav": (country_lost, 1.05),
    "threat.wav": (threat, 0.9),
    "victory.wav": (victory, 1.8),
    "defeat.wav": (defeat, 1.95),
}


def gated_rms(samples):
    powers = []
    for i in range(0, len(samples) - WINDOW + 1, WINDOW // 2):
        part = samples[i:i + WINDOW]
        powers.append(sum(s * s for s in part) / WINDOW)
    loudest = max(powers)
    kept = [p for p in powers if p >= loudest * db(GATE_DB) ** 2]
    return math.sqrt(sum(kept) / len(kept))


def level(samples):
    """Scales to the common loudness without passing the ceiling."""
    target, ceiling = db(TARGET_DB), db(CEILING_DB)
    for _ in range(8):
        gain = target / gated_rms(samples)
        samples = [s * gain for s in samples]
        if max(abs(s) for s in samples) <= ceiling:
            return samples
        # Soft limiter: loud peaks rounded off, quiet parts untouched.
        samples = [ceiling * math.tanh(s / ceiling) for s in samples]
    peak = max(abs(s) for s in samples)
    return [s * min(1.0, ceiling / peak) for s in samples]


def render(make, length):
    samples = [0.0] * int((length + 2.0) * RATE)
    make(samples)
    samples = samples[:int(length * RATE)]
    fade = int(0.005 * RATE)  # no click at either end
    for n in range(fade):
        samples[n] *= n / fade
        samples[-1 - n] *= n / fade
    return level(samples)


def write_wav(path, samples):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", round(s * 32767)) for s in samples))


def write_picture(path, samples, width=800, height=200):
    """The waveform as a grey PGM: each column the range of its samples, the
    clipping lines at the top and bottom edge."""
    pixels = bytearray([255] * (width * height))
    per = max(1, len(samples) // width)
    for x in range(width):
        part = samples[x * per:(x + 1) * per] or [0.0]
        top = int((1 - max(part)) * (height - 1) / 2)
        bottom = int((1 - min(part)) * (height - 1) / 2)
        for y in range(top, bottom + 1):
            pixels[y * width + x] = 0
        pixels[x] = pixels[(height - 1) * width + x] = 128
    with open(path, "wb") as out:
        out.write(b"P5 %d %d 255\n" % (width, height))
        out.write(bytes(pixels))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    here = os.path.dirname(os.path.abspath(__file__))
    parser.add_argument("--out", default=os.path.join(here, "..", "..", "assets", "sounds"))
    parser.add_argument("--pictures", help="folder for a waveform picture of each effect")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    for name, (make, length) in EFFECTS.items():
        samples = render(make, length)
        write_wav(os.path.join(args.out, name), samples)
        peak = max(abs(s) for s in samples)
        print("%-17s %.2f s  gated RMS %6.1f dBFS  peak %5.1f dBFS" % (
            name, len(samples) / RATE, 20 * math.log10(gated_rms(samples)), 20 * math.log10(peak)))
        if args.pictures:
            os.makedirs(args.pictures, exist_ok=True)
            write_picture(os.path.join(args.pictures, name.replace(".wav", ".pgm")), samples)


if __name__ == "__main__":
    main()
