#!/usr/bin/env python3
"""Remakes the three key sounds carried inside the program: short 16-bit mono PCM WAVs.

Each sound is synthesised from a fixed seed, so running this again gives the same bytes.
Short sounds keep fast typing from turning into a drone.
"""
import math
import os
import random
import struct
import wave

RATE = 44100


def envelope(i, attack, decay):
    """A fast linear attack followed by an exponential decay (time constant in samples)."""
    if i < attack:
        return i / attack
    return math.exp(-(i - attack) / decay)


def one_pole_low_pass(samples, cutoff):
    a = math.exp(-2 * math.pi * cutoff / RATE)
    out, y = [], 0.0
    for x in samples:
        y = (1 - a) * x + a * y
        out.append(y)
    return out


def classic_key():
    """A mechanical key: a bright contact tick over a short hollow thump of the key cap."""
    rng = random.Random(1)
    n = int(0.075 * RATE)
    noise = one_pole_low_pass([rng.uniform(-1, 1) for _ in range(n)], 5000)
    out = []
    for i in range(n):
        t = i / RATE
        tick = noise[i] * envelope(i, 20, 0.004 * RATE) * 2.2
        thump = math.sin(2 * math.pi * 210 * t) * envelope(i, 60, 0.012 * RATE) * 0.5
        ring = math.sin(2 * math.pi * 2350 * t) * envelope(i, 30, 0.006 * RATE) * 0.25
        out.append(tick + thump + ring)
    return out


def apple_bite():
    """A crisp bite: a few bursts of crackling noise, the later ones duller."""
    rng = random.Random(2)
    n = int(0.16 * RATE)
    out = [0.0] * n
    for start_s, cutoff, level in ((0.0, 6000, 1.0), (0.035, 4200, 0.8), (0.075, 2800, 0.55),
                                   (0.11, 1900, 0.35)):
        start = int(start_s * RATE)
        length = int(0.045 * RATE)
        crackle = [rng.uniform(-1, 1) * (1.0 if rng.random() < 0.35 else 0.25)
                   for _ in range(length)]
        burst = one_pole_low_pass(crackle, cutoff)
        for i, v in enumerate(burst):
            if start + i < n:
                out[start + i] += v * level * envelope(i, 40, 0.012 * RATE) * 1.6
    return out


def water_drop():
    """A hollow drop: a sine whose pitch rises quickly as it fades, with a faint echo."""
    n = int(0.22 * RATE)
    out, phase = [], 0.0
    for i in range(n):
        t = i / RATE
        freq = 520 + 1100 * (1 - math.exp(-t / 0.03))
        phase += 2 * math.pi * freq / RATE
        out.append(math.sin(phase) * envelope(i, 90, 0.045 * RATE) * 0.8)
    echo = int(0.06 * RATE)
    for i in range(n - 1, echo - 1, -1):
        out[i] += 0.3 * out[i - echo]
    return out


def write(name, samples, peak=0.5):
    loudest = max(abs(s) for s in samples) or 1.0
    fade = 64  # no click at the cut
    frames = bytearray()
    for i, s in enumerate(samples):
        tail = min(1.0, (len(samples) - 1 - i) / fade)
        value = int(round(s / loudest * peak * tail * 32767))
        frames += struct.pack("<h", max(-32768, min(32767, value)))
    with wave.open(name, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))


def main():
    os.chdir(os.path.dirname(os.path.abspath(__file__)))
    write("key_classic.wav", classic_key())
    write("key_apple.wav", apple_bite())
    write("key_drop.wav", water_drop())


if __name__ == "__main__":
    main()
