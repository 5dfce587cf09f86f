#!/usr/bin/env python3
"""Generates the game's sound effects and background music.

Everything is synthesised here from fixed seeds, so a run always writes the
same sounds:

  assets/sound/init.wav      a soft chime when a layout has been set up
  assets/sound/select.wav    a light click when a piece is selected
  assets/sound/move.wav      a wooden knock for a step
  assets/sound/overpass.wav  a short fanfare for the solved puzzle
  assets/sound/bg/1..7.mp3   seven calm pentatonic pieces (plucked zither,
                             bamboo flute, a low plucked bass)
  tests/media/data/short.mp3 a half-second tone for the player tests

Effects are 22050 Hz 16-bit mono WAV. The music is encoded with `lame`
(needed only to run this tool; the game build just copies the results).

Usage: tools/sound/make_sounds.py [repository root]
"""
import math
import os
import random
import shutil
import subprocess
import sys
import tempfile
import wave
from array import array

RATE = 22050
TWO_PI = 2.0 * math.pi


def seconds(n):
    return int(round(n * RATE))


def silence(duration):
    return array("d", bytes(8 * seconds(duration)))


def mix_into(buffer, sound, at, gain=1.0):
    start = seconds(at)
    end = min(len(buffer), start + len(sound))
    for i in range(start, end):
        buffer[i] += gain * sound[i - start]


def normalise(samples, peak=0.7):
    top = max(abs(s) for s in samples) or 1.0
    k = peak / top
    return array("d", (s * k for s in samples))


def normalise_loudness(samples, rms=0.1, ceiling=0.89):
    """Brings a piece to a common loudness, so that the tracks of the playlist
    sound equally loud, without letting the peaks clip."""
    level = math.sqrt(sum(s * s for s in samples) / len(samples)) or 1.0
    top = max(abs(s) for s in samples) or 1.0
    k = min(rms / level, ceiling / top)
    return array("d", (s * k for s in samples))


def write_wav(path, samples):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    data = array("h", (max(-32767, min(32767, int(round(s * 32767)))) for s in samples))
    if sys.byteorder == "big":
        data.byteswap()
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(data.tobytes())


def write_mp3(path, samples, bitrate):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with tempfile.TemporaryDirectory() as scratch:
        source = os.path.join(scratch, "track.wav")
        write_wav(source, samples)
        # No ID3 tags, so the files depend on the samples alone; the encoder's
        # own header frame stays, it gives players the exact length.
        subprocess.run(["lame", "--quiet", "-m", "m", "-b", str(bitrate), "--noreplaygain",
                        source, path], check=True)


def note_hz(midi):
    return 440.0 * 2.0 ** ((midi - 69) / 12.0)


# ---------------------------------------------------------------- instruments

def bell(freq, duration, decay=4.0, level=1.0):
    """A soft bell: slightly inharmonic sine partials, each decaying on its own."""
    partials = [(1.0, 1.0, 1.0), (2.0, 0.35, 1.6), (2.76, 0.18, 2.4), (4.07, 0.07, 3.5)]
    n = seconds(duration)
    out = array("d", bytes(8 * n))
    for ratio, amp, speed in partials:
        w = TWO_PI * freq * ratio / RATE
        d = decay * speed / RATE
        for i in range(n):
            attack = min(1.0, i / (0.004 * RATE))
            out[i] += level * amp * attack * math.exp(-d * i) * math.sin(w * i)
    return out


def brass(freq, duration, level=1.0):
    """A mellow horn-like tone: harmonics falling as 1/n², a swell and a release."""
    n = seconds(duration)
    out = array("d", bytes(8 * n))
    release = seconds(0.08)
    for h in range(1, 7):
        w = TWO_PI * freq * h / RATE
        amp = 1.0 / (h * h) if h > 1 else 1.0
        for i in range(n):
            env = min(1.0, i / (0.03 * RATE)) * min(1.0, (n - i) / release)
            out[i] += level * amp * env * math.sin(w * i)
    return out


def pluck(freq, duration, rng, brightness=0.5, level=1.0):
    """A plucked zither string (Karplus-Strong) with a gentle body filter."""
    period = RATE / freq
    length = max(2, int(period))
    frac = period - length
    line = [rng.uniform(-1.0, 1.0) for _ in range(length)]
    # Soften the initial noise so the pluck is warm rather than scratchy.
    for _ in range(2):
        line = [(line[i] + line[i - 1]) * 0.5 for i in range(length)]
    n = seconds(duration)
    out = array("d", bytes(8 * n))
    damping = 0.4985 + 0.0012 * brightness
    idx = 0
    prev = 0.0
    for i in range(n):
        cur = line[idx]
        nxt = line[(idx + 1) % length]
        value = cur * (1.0 - frac) + nxt * frac
        line[idx] = damping * (cur + nxt)
        idx = (idx + 1) % length
        prev = prev + 0.6 * (value - prev)
        fade = min(1.0, (n - i) / (0.05 * RATE))
        out[i] = level * prev * fade
    return out


def flute(freq, duration, rng, level=1.0):
    """A bamboo flute: a soft sine with a little breath, vibrato entering late."""
    n = seconds(duration)
    out = array("d", bytes(8 * n))
    phase = 0.0
    noise = 0.0
    attack = seconds(0.12)
    release = seconds(0.25)
    for i in range(n):
        t = i / RATE
        vib = 1.0 + 0.004 * min(1.0, t / 0.6) * math.sin(TWO_PI * 5.2 * t)
        phase += TWO_PI * freq * vib / RATE
        noise = 0.9 * noise + 0.1 * rng.uniform(-1.0, 1.0)
        env = min(1.0, i / attack) * min(1.0, (n - i) / release)
        tone = math.sin(phase) + 0.22 * math.sin(2 * phase) + 0.06 * math.sin(3 * phase)
        out[i] = level * env * (tone + 0.25 * noise)
    return out


def knock(rng):
    """A wooden knock: a filtered noise burst over a short low thump."""
    n = seconds(0.22)
    out = array("d", bytes(8 * n))
    # Two resonators (the block's body modes) excited by a few ms of noise.
    modes = [(620.0, 0.965, 1.0), (1460.0, 0.95, 0.45)]
    for freq, r, gain in modes:
        c = 2.0 * r * math.cos(TWO_PI * freq / RATE)
        y1 = y2 = 0.0
        for i in range(n):
            x = rng.uniform(-1.0, 1.0) * math.exp(-i / (0.002 * RATE))
            y = x + c * y1 - r * r * y2
            y2, y1 = y1, y
            out[i] += gain * 0.12 * y
    w = TWO_PI * 170.0 / RATE
    for i in range(n):
        out[i] += 0.5 * math.exp(-i / (0.025 * RATE)) * math.sin(w * i)
    return out


def click(rng):
    """A light click: a tiny high blip with a breath of noise."""
    n = seconds(0.09)
    out = array("d", bytes(8 * n))
    w1 = TWO_PI * 2350.0 / RATE
    w2 = TWO_PI * 3520.0 / RATE
    lp = 0.0
    for i in range(n):
        env = math.exp(-i / (0.012 * RATE))
        lp = lp + 0.35 * (rng.uniform(-1.0, 1.0) - lp)
        out[i] = env * (0.6 * math.sin(w1 * i) + 0.25 * math.sin(w2 * i) + 0.15 * lp)
    return out


# ---------------------------------------------------------------- effects

def make_effects(root):
    rng = random.Random(20240601)
    sound = os.path.join(root, "assets", "sound")

    chime = silence(0.9)
    for k, (midi, at) in enumerate([(79, 0.0), (84, 0.12), (88, 0.24)]):
        mix_into(chime, bell(note_hz(midi), 0.9 - at, decay=3.5, level=1.0 - 0.15 * k), at)
    write_wav(os.path.join(sound, "init.wav"), normalise(chime, 0.6))

    write_wav(os.path.join(sound, "select.wav"), normalise(click(rng), 0.5))
    write_wav(os.path.join(sound, "move.wav"), normalise(knock(rng), 0.75))

    fanfare = silence(0.95)
    for midi, at, length in [(72, 0.0, 0.14), (76, 0.12, 0.14), (79, 0.24, 0.14)]:
        mix_into(fanfare, brass(note_hz(midi), length), at)
    for midi in (72, 76, 79, 84):
        mix_into(fanfare, brass(note_hz(midi), 0.55, level=0.6), 0.38)
    mix_into(fanfare, bell(note_hz(96), 0.55, decay=5.0, level=0.25), 0.38)
    write_wav(os.path.join(sound, "overpass.wav"), normalise(fanfare, 0.7))


# ---------------------------------------------------------------- music

# The five modes of the Chinese pentatonic scale, as semitones above the mode's
# own tonic: gong, shang, jiao, zhi, yu.
MODES = {
    "gong": [0, 2, 4, 7, 9],
    "shang": [0, 2, 5, 7, 10],
    "jiao": [0, 3, 5, 8, 10],
    "zhi": [0, 2, 5, 7, 9],
    "yu": [0, 3, 5, 7, 10],
}

# Track number: mode, tonic (MIDI), beats per minute, bars, melody instrument.
PIECES = {
    1: ("gong", 62, 66, 16, "pluck"),
    2: ("yu", 57, 60, 12, "flute"),
    3: ("zhi", 60, 72, 20, "pluck"),
    4: ("shang", 62, 58, 12, "flute"),
    5: ("jiao", 64, 64, 16, "pluck"),
    6: ("gong", 65, 70, 16, "both"),
    7: ("yu", 59, 56, 12, "both"),
}

RHYTHMS = [  # one bar of four beats, as note lengths in beats
    [1, 1, 1, 1],
    [2, 1, 1],
    [1.5, 0.5, 2],
    [1, 0.5, 0.5, 2],
    [3, 1],
    [0.5, 0.5, 1, 2],
    [4],
]


def scale_notes(mode, tonic, low, high):
    notes = []
    for octave in range(-3, 4):
        for step in MODES[mode]:
            m = tonic + 12 * octave + step
            if low <= m <= high:
                notes.append(m)
    return sorted(notes)


def melody(rng, notes, tonic, bars):
    """A gentle walk over the scale in four-bar phrases, each ending on a long tonic
    or fifth."""
    home = [i for i, m in enumerate(notes) if (m - tonic) % 12 == 0]
    pos = rng.choice(home)
    line = []
    for bar in range(bars):
        last_of_phrase = bar % 4 == 3
        rhythm = [3, 1] if last_of_phrase else rng.choice(RHYTHMS)
        for k, beats in enumerate(rhythm):
            if last_of_phrase and k == len(rhythm) - 1:
                target = min(home + [i + 3 for i in home if i + 3 < len(notes)],
                             key=lambda i: abs(i - pos))
                pos = target
                line.append((notes[pos], beats, True))
                continue
            step = rng.choice([-2, -1, -1, 0, 1, 1, 2])
            pos = max(0, min(len(notes) - 1, pos + step))
            line.append((notes[pos], beats, False))
    return line


def reverb(samples):
    """A small hall: four feedback combs and an all-pass, mixed in lightly."""
    out = array("d", samples)
    for delay_s, fb in [(0.0297, 0.72), (0.0371, 0.70), (0.0411, 0.68), (0.0437, 0.66)]:
        d = seconds(delay_s)
        buf = array("d", bytes(8 * len(samples)))
        for i in range(len(samples)):
            buf[i] = samples[i] + (fb * buf[i - d] if i >= d else 0.0)
        for i in range(len(samples)):
            out[i] += 0.12 * buf[i]
    return out


def make_piece(number):
    mode, tonic, bpm, bars, lead = PIECES[number]
    rng = random.Random(1000 + number)
    beat = 60.0 / bpm
    total = bars * 4 * beat + 3.0
    mix = silence(total)
    notes = scale_notes(mode, tonic, tonic - 2, tonic + 17)
    line = melody(rng, notes, tonic, bars)

    t = 0.5
    for k, (midi, beats, cadence) in enumerate(line):
        length = beats * beat
        use_flute = lead == "flute" or (lead == "both" and (k // 8) % 2 == 1)
        if use_flute:
            mix_into(mix, flute(note_hz(midi), length * 0.98, rng, level=0.32), t)
        else:
            ring = min(2.6, length + 1.2)
            mix_into(mix, pluck(note_hz(midi), ring, rng, brightness=0.6, level=0.9), t)
            # The zither's ornament: a quick grace note from below at a cadence.
            if cadence:
                mix_into(mix, pluck(note_hz(midi - 2), 0.5, rng, level=0.3), max(0.0, t - 0.06))
        t += length

    # Low plucked bass on the first beat of every bar: tonic or fifth.
    bass = [tonic - 12, tonic - 5]
    for bar in range(bars):
        midi = bass[0] if bar % 4 in (0, 3) else bass[rng.randrange(2)]
        mix_into(mix, pluck(note_hz(midi), 3.0, rng, brightness=0.2, level=0.45),
                 0.5 + bar * 4 * beat)
        # A soft inner note on the third beat fills the open fifths.
        if bar % 2 == 1:
            inner = tonic + MODES[mode][rng.randrange(1, 5)] - 12
            mix_into(mix, pluck(note_hz(inner), 1.8, rng, brightness=0.3, level=0.25),
                     0.5 + (bar * 4 + 2) * beat)

    # The piece ends with a rolled tonic chord that rings out.
    end = 0.5 + bars * 4 * beat
    chord = [tonic - 12, tonic - 5, tonic, tonic + MODES[mode][2]]
    for k, midi in enumerate(chord):
        mix_into(mix, pluck(note_hz(midi), total - end - 0.1 * k, rng, level=0.45), end + 0.09 * k)
    fade = seconds(1.5)
    for i in range(fade):
        mix[len(mix) - fade + i] *= 1.0 - i / fade
    return normalise_loudness(reverb(mix))


def make_test_tone(root):
    tone = silence(0.5)
    mix_into(tone, bell(note_hz(81), 0.5, decay=6.0), 0)
    write_mp3(os.path.join(root, "tests", "media", "data", "short.mp3"), normalise(tone, 0.3), 32)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..")
    root = os.path.abspath(root)
    if shutil.which("lame") is None:
        sys.exit("make_sounds: the MP3 encoder `lame` is needed (apt-get install lame)")
    make_effects(root)
    make_test_tone(root)
    for number in PIECES:
        write_mp3(os.path.join(root, "assets", "sound", "bg", "%d.mp3" % number),
                  make_piece(number), 40)
        print("track %d written" % number)


if __name__ == "__main__":
    main()
