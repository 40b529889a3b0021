"""Tests of the music and sound effects and of the code that builds them.

usage: test_audio.py --tools DIR --assets DIR --music DIR --sounds DIR --mpg123 PATH [GROUP]
"""

import argparse
import fractions
import json
import os
import struct
import subprocess
import sys
import tempfile
import unittest

import numpy as np

ARGS = None

WAVES = [("sound_1", 1.097), ("sound_2", 0.697), ("sound_3", 0.537), ("sound_4", 2.923),
         ("sound_5", 1.347), ("sound_6", 1.573), ("sound_7", 1.933)]
TRACKS = ["title_theme.mp3", "main_theme.mp3"]


def dbfs(value):
    return 20 * np.log10(max(value, 1e-12))


def joint_report(pcm, rate):
    """How the end of a loop meets its start, on int16 samples (frames, channels).

    Returns (jump, largest neighbouring step, level change in dB): the step from the last
    sample to the first, the largest sample-to-sample step within 20 ms on either side of
    the joint, and the RMS of the 50 ms after the joint against the 50 ms before it.
    """
    x = pcm.astype(np.float64)
    jump = np.abs(x[0] - x[-1])
    w = int(0.02 * rate)
    neighbours = np.maximum(np.max(np.abs(np.diff(x[-w:], axis=0)), axis=0),
                            np.max(np.abs(np.diff(x[:w], axis=0)), axis=0))
    v = int(0.05 * rate)
    before = np.sqrt(np.mean(x[-v:] ** 2)) + 1
    after = np.sqrt(np.mean(x[:v] ** 2)) + 1
    return jump, neighbours, abs(dbfs(after) - dbfs(before))


def read_midi(image):
    """(track name or '', [(tick, status, data...)]) per track, for the writer's tests."""
    assert image[:4] == b"MThd"
    _, _, count, ppq = struct.unpack(">IHHH", image[4:14])
    pos, tracks = 14, []
    for _ in range(count):
        assert image[pos:pos + 4] == b"MTrk"
        size = struct.unpack(">I", image[pos + 4:pos + 8])[0]
        body, pos = image[pos + 8:pos + 8 + size], pos + 8 + size
        i, tick, events = 0, 0, []
        while i < len(body):
            delta = 0
            while True:
                b = body[i]
                i += 1
                delta = (delta << 7) | (b & 0x7F)
                if not b & 0x80:
                    break
            tick += delta
            status = body[i]
            if status == 0xFF:
                kind, length = body[i + 1], body[i + 2]
                events.append((tick, 0xFF, kind, bytes(body[i + 3:i + 3 + length])))
                i += 3 + length
            elif status & 0xF0 == 0xC0:
                events.append((tick, status, body[i + 1]))
                i += 2
            else:
                events.append((tick, status, body[i + 1], body[i + 2]))
                i += 3
        tracks.append(events)
    assert pos == len(image)
    return ppq, tracks


class PipelineTest(unittest.TestCase):
    """The note parser, the MIDI and wave writers, the MP3 tag reader and the loop joint."""

    def test_notes_parse_notes_chords_repeats_and_expression(self):
        piece = notes.parse("tempo 600000\nmeter 2\nvoice a program=5 channel=3\n"
                            "a: @90 C4:1 D4+F#4:1/2 E4 | [G4:1/2]*2 ~40>80:1 r:1 |\n")
        self.assertEqual(piece.tempo, 600000)
        voice = piece.voices["a"]
        self.assertEqual((voice.program, voice.channel), (5, 3))
        starts_keys = [(n[0], n[2]) for n in voice.notes]
        half = fractions.Fraction(1, 2)
        self.assertEqual(starts_keys, [(0, 60), (1, 62), (1, 66), (1 + half, 64),
                                       (2, 67), (2 + half, 67)])
        self.assertTrue(all(n[3] == 90 for n in voice.notes))
        self.assertEqual(piece.length, 4)
        ramp = [c for c in voice.controls if c[1] == 11]
        self.assertEqual((ramp[0][0], ramp[0][2], ramp[-1][0], ramp[-1][2]), (3, 40, 4, 80))

    def test_notes_arpeggio_runs_up_and_down_with_accents(self):
        piece = notes.parse("meter 3\nvoice h arp=1/2 hold=1 accent=10\n"
                            "h: @50 C3+E3+G3+C4:3 |\n")
        keys = [n[2] for n in piece.voices["h"].notes]
        self.assertEqual(keys, [48, 52, 55, 60, 55, 52])
        velocities = [n[3] for n in piece.voices["h"].notes]
        self.assertEqual(velocities, [60, 50, 60, 50, 60, 50])
        self.assertTrue(all(n[1] <= 1 for n in piece.voices["h"].notes))

    def test_notes_humanize_varies_velocities_the_same_way_every_time(self):
        text = "voice a humanize=4\na: @80 [ C4:1/4 ]*64\n"
        first = [n[3] for n in notes.parse(text).voices["a"].notes]
        self.assertEqual(first, [n[3] for n in notes.parse(text).voices["a"].notes])
        self.assertTrue(all(76 <= v <= 84 for v in first))
        self.assertGreater(len(set(first)), 4)
        loud = notes.parse("voice a humanize=9\na: @125 [ C4:1/4 ]*64\n").voices["a"].notes
        self.assertTrue(all(n[3] <= 127 for n in loud))

    def test_notes_comment_marks_need_a_blank_before_them(self):
        piece = notes.parse("# heading\nvoice a\na: F#4:1 # a comment\n")
        self.assertEqual([n[2] for n in piece.voices["a"].notes], [66])

    def test_notes_errors_are_reported_as_notes_errors(self):
        cases = {
            "bad pitch": "voice a\na: H4:1\n",
            "pitch out of range": "voice a\na: C10:1\n",
            "zero duration": "voice a\na: C4:0\n",
            "bad duration": "voice a\na: C4:x\n",
            "bar too long": "meter 3\nvoice a\na: C4:2 D4:2 |\n",
            "bar too short": "meter 3\nvoice a\na: C4:1 |\n",
            "voices differ": "voice a\nvoice b\na: C4:1\nb: C4:2\n",
            "unknown line": "voice a\nb: C4:1\n",
            "nested repeat": "voice a\na: [ [ C4:1 ]*2 ]*2\n",
            "open repeat": "voice a\na: [ C4:1\n",
            "bad velocity": "voice a\na: @200 C4:1\n",
            "bad expression": "voice a\na: ~x C4:1\n",
            "no voices": "tempo 500000\n",
        }
        for what, text in cases.items():
            with self.subTest(what):
                with self.assertRaises(notes.NotesError):
                    notes.parse(text)

    def test_midi_puts_note_offs_before_note_ons_at_the_same_tick(self):
        track = midi.Track("t")
        track.note(480, 480, 2, 60, 100)
        track.note(0, 480, 2, 60, 90)
        track.control(0, 2, 7, 100)
        ppq, tracks = read_midi(midi.smf_image([track], 480))
        self.assertEqual(ppq, 480)
        events = [e for e in tracks[0] if e[1] != 0xFF]
        self.assertEqual(events, [(0, 0xB2, 7, 100), (0, 0x92, 60, 90), (480, 0x82, 60, 0),
                                  (480, 0x92, 60, 100), (960, 0x82, 60, 0)])
        self.assertEqual(tracks[0][-1][:3], (960, 0xFF, 0x2F))

    def test_midi_long_delta_times_use_several_bytes(self):
        track = midi.Track()
        track.note(200000, 1, 0, 60, 64)
        _, tracks = read_midi(midi.smf_image([track], 480))
        self.assertEqual(tracks[0][0][:2], (200000, 0x90))

    def test_loop_head_carries_the_end_over_and_returns_to_the_first_pass(self):
        # A stand-in for a rendering: the piece played on into its own start, where each
        # note rings on past its slot, as reverb would.
        rate = music.RATE
        period = int(12.0 * rate)
        total = period + int((music.CARRY_SECONDS + music.FADE_SECONDS + 1) * rate)
        render = np.zeros((total, 2))
        t = np.arange(total) / rate
        for start in np.arange(0, total / rate, 0.75):
            slot = (start % 12.0)
            freq = 220 * 2 ** ((int(slot / 0.75) % 8) / 12)
            ring = np.where(t >= start, np.exp(-(t - start) / 0.8), 0)
            render[:, 0] += 0.2 * ring * np.sin(2 * np.pi * freq * (t - start))
        render[:, 1] = render[:, 0]
        loop = music.make_loop(render, period)
        self.assertEqual(len(loop), period)
        carry = int(music.CARRY_SECONDS * rate)
        np.testing.assert_array_equal(loop[:carry], render[period:period + carry])
        np.testing.assert_array_equal(loop[carry + int(music.FADE_SECONDS * rate):],
                                      render[carry + int(music.FADE_SECONDS * rate):period])
        # Across the joint the loop sounds exactly as the piece played on would.
        w = int(0.05 * rate)
        np.testing.assert_array_equal(np.vstack([loop[-w:], loop[:w]]),
                                      render[period - w:period + w])
        jump, neighbours, _ = joint_report(wavio.to_pcm16(loop), rate)
        self.assertTrue(np.all(jump <= neighbours), (jump, neighbours))
        # Cutting the first pass alone leaves the ringing end without its continuation.
        plain = wavio.to_pcm16(render[:period])
        jump, neighbours, _ = joint_report(plain, rate)
        self.assertTrue(np.any(jump > neighbours), (jump, neighbours))

    def test_joint_report_sees_a_jump_and_a_level_step(self):
        rate = 44100
        t = np.arange(rate) / rate
        broken = np.stack([0.5 * np.sin(2 * np.pi * 440 * (t + 0.25 / 440))] * 2, axis=1)
        jump, neighbours, _ = joint_report(wavio.to_pcm16(broken[:-25]), rate)
        self.assertTrue(np.all(jump > neighbours))
        rng = np.random.default_rng(1)
        fading = rng.standard_normal((rate, 2)) * np.linspace(0.3, 0.01, rate)[:, None]
        self.assertGreater(joint_report(wavio.to_pcm16(fading), rate)[2], 20)

    def test_wave_image_round_trips_and_saturates(self):
        samples = np.array([[0.0, 0.5], [-0.5, 1.5], [-1.5, 0.25]])
        rate, channels, bits, tag, back = wavio.parse_wave(wavio.wave_image(samples, 22050))
        self.assertEqual((rate, channels, bits, tag), (22050, 2, 16, 1))
        pcm = np.rint(back * 32768).astype(int)
        self.assertEqual(pcm.tolist(), [[0, 16384], [-16384, 32767], [-32767, 8192]])

    def test_damaged_wave_images_are_refused(self):
        good = wavio.wave_image(np.zeros((10, 2)), 22050)
        cases = {
            "empty": b"",
            "not riff": b"RIFX" + good[4:],
            "not wave": good[:8] + b"AVI " + good[12:],
            "no data chunk": good[:36],
            "short fmt chunk": good[:12] + b"fmt " + struct.pack("<I", 4) + b"\0" * 4,
            "zero channels": good[:22] + b"\0\0" + good[24:],
            "odd block": good[:32] + struct.pack("<H", 3) + good[34:],
            "8-bit": good[:34] + struct.pack("<H", 8) + good[36:],
        }
        for what, data in cases.items():
            with self.subTest(what):
                with self.assertRaises(wavio.WaveError):
                    wavio.parse_wave(data)
        # A data chunk that claims more than the file holds yields the frames present.
        cut = good[:-7]
        self.assertEqual(len(wavio.parse_wave(cut)[4]), 8)

    def test_damaged_mp3_data_is_refused(self):
        rng = np.random.default_rng(7)
        frame = bytes([0xFF, 0xFB, 0x90, 0x64]) + bytes(32) + b"Info" + b"\0\0\0\x0f"
        cases = {
            "empty": b"",
            "no frame": bytes(rng.integers(0, 0xE0, 4000, dtype=np.uint8)),
            "layer II": bytes([0xFF, 0xFD, 0x90, 0x64]) + bytes(100),
            "bad rate": bytes([0xFF, 0xFB, 0x9C, 0x64]) + bytes(100),
            "tag cut short": frame,
            "id3 only": b"ID3\x04\0\0\0\0\0\x10" + bytes(16),
        }
        for what, data in cases.items():
            with self.subTest(what):
                with self.assertRaises(mp3info.Mp3Error):
                    mp3info.mp3_info(data)
        plain = mp3info.mp3_info(bytes([0xFF, 0xFB, 0x90, 0x64]) + bytes(200))
        self.assertEqual((plain["rate"], plain["channels"], plain["samples"]), (44100, 2, None))


class WavesTest(unittest.TestCase):
    """The seven built-in effects as the build wrote them."""

    def test_every_wave_has_the_exact_format_and_length(self):
        for name, seconds in WAVES:
            with self.subTest(name):
                with open(os.path.join(ARGS.sounds, name + ".wav"), "rb") as f:
                    data = f.read()
                frames = round(seconds * 22050)
                self.assertEqual(data[:4], b"RIFF")
                self.assertEqual(struct.unpack("<I", data[4:8])[0], len(data) - 8)
                self.assertEqual(data[8:16], b"WAVEfmt ")
                self.assertEqual(struct.unpack("<IHHIIHH", data[16:36]),
                                 (16, 1, 2, 22050, 22050 * 4, 4, 16))
                self.assertEqual(data[36:40], b"data")
                self.assertEqual(struct.unpack("<I", data[40:44])[0], frames * 4)
                self.assertEqual(len(data), 44 + frames * 4)

    def test_waves_neither_clip_nor_click_at_their_ends(self):
        for name, _ in WAVES:
            with self.subTest(name):
                pcm = np.frombuffer(open(os.path.join(ARGS.sounds, name + ".wav"), "rb")
                                    .read()[44:], dtype="<i2").reshape(-1, 2).astype(int)
                peak = np.max(np.abs(pcm))
                self.assertLess(dbfs(peak / 32768), -1.0)
                self.assertGreater(dbfs(peak / 32768), -12.0)
                self.assertTrue(np.all(np.abs(pcm[0]) <= 64), pcm[0])
                self.assertTrue(np.all(np.abs(pcm[-1]) <= 64), pcm[-1])
                self.assertLess(abs(np.mean(pcm)), 64)

    def test_the_recipes_give_the_same_bytes_again(self):
        with tempfile.TemporaryDirectory() as out:
            subprocess.run([sys.executable, "-B", os.path.join(ARGS.tools, "sounds.py"),
                            os.path.join(ARGS.assets, "sounds", "effects.json"), out],
                           check=True)
            for name, _ in WAVES:
                with self.subTest(name):
                    with open(os.path.join(out, name + ".wav"), "rb") as a, \
                            open(os.path.join(ARGS.sounds, name + ".wav"), "rb") as b:
                        self.assertEqual(a.read(), b.read())

    def test_recipes_name_the_effects_in_list_order(self):
        with open(os.path.join(ARGS.assets, "sounds", "effects.json")) as f:
            recipes = json.load(f)
        self.assertEqual([(e["name"], e["duration"]) for e in recipes["effects"]], WAVES)


class MusicTest(unittest.TestCase):
    """The two tracks, decoded as the game's decoder would, gapless."""

    decoded = {}

    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.TemporaryDirectory()
        for track in TRACKS:
            out = os.path.join(cls.work.name, track + ".wav")
            subprocess.run([ARGS.mpg123, "-q", "-w", out, os.path.join(ARGS.music, track)],
                           check=True)
            with open(out, "rb") as f:
                cls.decoded[track] = f.read()

    @classmethod
    def tearDownClass(cls):
        cls.work.cleanup()

    def pcm(self, track):
        rate, channels, bits, tag, _ = wavio.parse_wave(self.decoded[track])
        self.assertEqual((rate, channels, bits, tag), (44100, 2, 16, 1))
        data = self.decoded[track]
        at = data.find(b"data") + 8
        return np.frombuffer(data[at:], dtype="<i2")[:len(data[at:]) // 4 * 2].reshape(-1, 2)

    def test_tracks_are_44k_stereo_with_gapless_information(self):
        for track in TRACKS:
            with self.subTest(track):
                info = mp3info.read_mp3_info(os.path.join(ARGS.music, track))
                self.assertEqual((info["rate"], info["channels"]), (44100, 2))
                self.assertIsNotNone(info["samples"], "no LAME gapless tag")
                self.assertTrue(60 <= info["samples"] / 44100 <= 180, info["samples"])
                # The decoder trims the encoder's delay and padding: one period exactly.
                self.assertEqual(len(self.pcm(track)), info["samples"])

    def test_tracks_decode_to_over_a_minute_without_clipping_or_gaps(self):
        for track in TRACKS:
            with self.subTest(track):
                pcm = self.pcm(track)
                self.assertGreaterEqual(len(pcm), 60 * 44100)
                peak = np.max(np.abs(pcm.astype(int)))
                self.assertLess(peak, 32767)
                self.assertGreater(dbfs(peak / 32768), -6.0)
                w = 22050
                windows = pcm[:len(pcm) // w * w].astype(np.float64).reshape(-1, w, 2)
                quietest = dbfs(np.min(np.sqrt(np.mean(windows ** 2, axis=(1, 2)))) / 32768)
                self.assertGreater(quietest, -45.0)

    def test_the_end_of_each_track_runs_on_into_its_start(self):
        for track in TRACKS:
            with self.subTest(track):
                pcm = self.pcm(track)
                jump, neighbours, level = joint_report(pcm, 44100)
                self.assertTrue(np.all(jump <= neighbours), (jump, neighbours))
                steps = np.abs(np.diff(pcm.astype(np.float64), axis=0))
                self.assertTrue(np.all(jump <= np.percentile(steps, 99, axis=0)))
                # A downbeat at the start may lift the level a little, as it does when
                # the piece is played on; a fade or a cut would show as a step of many dB.
                self.assertLess(level, 4.0)


def main():
    global ARGS, notes, midi, music, wavio, mp3info
    ap = argparse.ArgumentParser()
    for opt in ("--tools", "--assets", "--music", "--sounds", "--mpg123"):
        ap.add_argument(opt, required=True)
    ARGS, rest = ap.parse_known_args()
    sys.path.insert(0, ARGS.tools)
    import midi  # noqa: F401
    import mp3info  # noqa: F401
    import music  # noqa: F401
    import notes  # noqa: F401
    import wavio  # noqa: F401
    globals().update(midi=midi, mp3info=mp3info, music=music, notes=notes, wavio=wavio)
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
