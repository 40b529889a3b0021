"""Builds a looping music track: note data -> MIDI -> fluidsynth -> seamless loop -> MP3.

usage: music.py NOTES SOUNDFONT OUT.mp3 [--peak-db -1.5] [--work DIR] [--keep-wav]

The piece is rendered once through and then on into its own first quarter notes, so that
the reverb and the ringing of the last chords carry over into the start. The output is
exactly one period long: its head is taken from the second pass (which rings with the end),
cross-faded back into the first pass once the carried-over sound has died away. The last
sample thus leads into the first one as it would if the piece were played on.
"""

import argparse
import os
import subprocess
import sys
import tempfile

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import midi  # noqa: E402
import notes  # noqa: E402
import wavio  # noqa: E402

RATE = 44100
PPQ = 480
CARRY_SECONDS = 7.0   # the second pass is used alone for this long at the head
FADE_SECONDS = 2.0    # then cross-fades into the first pass over this long


def build_midi(piece, head_quarters):
    """Returns the SMF image of the piece followed by its first head_quarters again."""
    period = piece.length
    conductor = midi.Track(piece.title)
    conductor.meta(0, 0x51, piece.tempo.to_bytes(3, "big"))
    tracks = [conductor]

    def tick(q):
        return int(round(q * PPQ))

    for voice in piece.voices.values():
        t = midi.Track(voice.name)
        ch = voice.channel
        t.program(0, ch, voice.program)
        t.control(0, ch, 7, voice.volume)
        t.control(0, ch, 10, voice.pan)
        t.control(0, ch, 91, voice.reverb)
        t.control(0, ch, 93, 0)
        for offset, limit in ((0, period), (period, head_quarters)):
            for start, cc, value in voice.controls:
                if start < limit:
                    t.control(tick(offset + start), ch, cc, value)
            for start, length, key, velocity in voice.notes:
                if start < limit:
                    t.note(tick(offset + start), max(1, tick(length)), ch, key, velocity)
        tracks.append(t)
    # A last quiet event past the head lets the renderer run on while the notes ring out.
    conductor.meta(tick(period + head_quarters + 4), 0x01, b"end")
    return midi.smf_image(tracks, PPQ)


def render(mid_path, soundfont, wav_path):
    subprocess.run(["fluidsynth", "-n", "-i", "-q", "-C", "0", "-R", "1", "-g", "0.6",
                    "-r", str(RATE), "-O", "float", "-T", "wav", "-F", wav_path,
                    soundfont, mid_path],
                   check=True, stdout=subprocess.DEVNULL)
    rate, channels, _, _, samples = wavio.read_wave(wav_path)
    if rate != RATE or channels != 2:
        raise RuntimeError("renderer gave %d Hz, %d channels" % (rate, channels))
    return samples


def make_loop(samples, period):
    """One period of the rendered piece whose end runs on into its start."""
    carry = int(CARRY_SECONDS * RATE)
    fade = int(FADE_SECONDS * RATE)
    need = period + carry + fade
    if len(samples) < need:
        samples = np.vstack([samples, np.zeros((need - len(samples), 2))])
    first = samples[:period].copy()
    second = samples[period:period + carry + fade]
    w = np.ones(carry + fade)
    w[carry:] = 0.5 + 0.5 * np.cos(np.linspace(0, np.pi, fade))
    first[:carry + fade] = w[:, None] * second + (1 - w[:, None]) * first[:carry + fade]
    return first


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("notes")
    ap.add_argument("soundfont")
    ap.add_argument("out")
    ap.add_argument("--peak-db", type=float, default=-1.5)
    ap.add_argument("--work", default=None)
    ap.add_argument("--keep-wav", action="store_true")
    args = ap.parse_args()

    with open(args.notes) as f:
        piece = notes.parse(f.read(), args.notes)
    seconds_per_quarter = piece.tempo / 1e6
    period = int(round(float(piece.length) * seconds_per_quarter * RATE))
    head_quarters = -(-int((CARRY_SECONDS + FADE_SECONDS + 1) / seconds_per_quarter) // 1)

    work = args.work or tempfile.mkdtemp(prefix="music-")
    os.makedirs(work, exist_ok=True)
    stem = os.path.splitext(os.path.basename(args.out))[0]
    mid_path = os.path.join(work, stem + ".mid")
    raw_path = os.path.join(work, stem + ".render.wav")
    loop_path = os.path.join(work, stem + ".wav")
    with open(mid_path, "wb") as f:
        f.write(build_midi(piece, head_quarters))
    samples = render(mid_path, args.soundfont, raw_path)
    loop = make_loop(samples, period)
    loop *= 10 ** (args.peak_db / 20) / np.max(np.abs(loop))
    wavio.write_wave(loop_path, loop, RATE)
    os.remove(raw_path)

    tmp_out = args.out + ".part"
    subprocess.run(["lame", "--quiet", "-V", "2", "--noreplaygain",
                    "--tt", piece.title, "--ta", "Vellara Chess", loop_path, tmp_out],
                   check=True)
    os.replace(tmp_out, args.out)
    if not args.keep_wav:
        os.remove(loop_path)
    rms = 20 * np.log10(np.sqrt(np.mean(loop ** 2)))
    print("%s: %.1f s, peak %.1f dBFS, RMS %.1f dBFS" %
          (os.path.basename(args.out), period / RATE, args.peak_db, rms))


if __name__ == "__main__":
    main()
