#!/usr/bin/env python3
"""Writes Penlark's typing sounds (16-bit mono WAV, 44.1 kHz) into
source/sound/normal/. The sounds are synthesised here, so the output is
reproducible: run `python3 tools/sounds/make_typing_sounds.py` from the
source root and commit the result."""

import math
import os
import random
import struct
import wave

RATE = 44100
OUT = os.path.join(os.path.dirname(__file__), "..", "..", "source", "sound", "normal")


def samples(seconds):
    return range(int(RATE * seconds))


def key_click(rng):
    """A short mechanical click: a noise burst over a low thump."""
    out = []
    for i in samples(0.07):
        t = i / RATE
        noise = rng.uniform(-1.0, 1.0) * math.exp(-t * 180.0)
        thump = math.sin(2 * math.pi * 140.0 * t) * math.exp(-t * 60.0)
        out.append(0.55 * noise + 0.35 * thump)
    return out


def carriage_bell(rng):
    """A click followed by a small bell."""
    out = key_click(rng)
    bell = []
    for i in samples(0.45):
        t = i / RATE
        tone = (math.sin(2 * math.pi * 2093.0 * t) + 0.4 * math.sin(2 * math.pi * 4186.0 * t))
        bell.append(0.35 * tone * math.exp(-t * 7.0))
    gap = [0.0] * int(RATE * 0.02)
    return out + gap + bell


def drop(start_hz, end_hz, seconds, decay):
    """A water drop: a sine whose pitch rises quickly, fading out."""
    out = []
    phase = 0.0
    for i in samples(seconds):
        t = i / RATE
        k = min(1.0, t / (seconds * 0.6))
        hz = start_hz + (end_hz - start_hz) * (1 - (1 - k) ** 2)
        phase += 2 * math.pi * hz / RATE
        attack = min(1.0, t / 0.003)
        out.append(0.6 * math.sin(phase) * attack * math.exp(-t * decay))
    return out


def write(name, data):
    path = os.path.join(OUT, name)
    with wave.open(path, "wb") as f:
        f.setnchannels(1)
        f.setsampwidth(2)
        f.setframerate(RATE)
        frames = b"".join(struct.pack("<h", int(max(-1.0, min(1.0, s)) * 32000)) for s in data)
        f.writeframes(frames)


def main():
    os.makedirs(OUT, exist_ok=True)
    rng = random.Random(20261208)
    write("normal_key_press.wav", key_click(rng))
    write("enter.wav", carriage_bell(rng))
    write("water_normal_key_press.wav", drop(700.0, 1500.0, 0.08, 45.0))
    write("water_enter.wav", drop(380.0, 900.0, 0.12, 30.0) + drop(520.0, 1200.0, 0.10, 35.0))


if __name__ == "__main__":
    main()
