"""Synthesises the built-in sound effects from their recipes (assets/sounds/effects.json).

usage: sounds.py RECIPES OUT_DIR

Every effect is a sum of struck voices (damped modes, plucked strings, noise bursts), placed
in the stereo field, run through a small convolution room and cut to its exact length with a
fade to silence. Random numbers come from fixed seeds, so a build gives the same bytes.
"""

import json
import os
import sys
import zlib

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import wavio  # noqa: E402

LN1000 = np.log(1000.0)  # a decay time is the time to fall by 60 dB


def _rng(*keys):
    return np.random.default_rng(zlib.crc32("/".join(keys).encode()))


def band_noise(rng, length, rate, centre, width):
    """White noise shaped to a Gaussian band around centre."""
    spectrum = np.fft.rfft(rng.standard_normal(length))
    freqs = np.fft.rfftfreq(length, 1.0 / rate)
    spectrum *= np.exp(-0.5 * ((freqs - centre) / (0.5 * width)) ** 2)
    out = np.fft.irfft(spectrum, length)
    return out / (np.max(np.abs(out)) + 1e-12)


def voice_samples(voice, rate, rng):
    """Mono samples of one strike of a voice."""
    decays = [m[2] for m in voice.get("modes", [])]
    if "pluck" in voice:
        decays.append(voice["pluck"][1])
    if "noise" in voice:
        decays.append(voice["noise"][3])
    length = int(max(decays) * rate) + 1
    t = np.arange(length) / rate
    out = np.zeros(length)
    for freq, amp, decay in voice.get("modes", []):
        out += amp * np.sin(2 * np.pi * freq * t) * np.exp(-LN1000 * t / decay)
    if "pluck" in voice:
        base, decay = voice["pluck"]
        for n in range(1, 9):
            freq = base * n * np.sqrt(1 + 0.0004 * n * n)  # a little string stiffness
            if freq > rate / 2.2:
                break
            out += (n ** -1.3) * np.sin(2 * np.pi * freq * t) * \
                np.exp(-LN1000 * t / (decay / (1 + 0.7 * (n - 1))))
    if "noise" in voice:
        centre, width, amp, decay = voice["noise"]
        out += amp * band_noise(rng, length, rate, centre, width) * np.exp(-LN1000 * t / decay)
    attack = max(1, int(voice.get("attack", 0.001) * rate))
    out[:attack] *= 0.5 - 0.5 * np.cos(np.linspace(0, np.pi, attack))
    return out


def room_response(rate, time, rng):
    """A stereo impulse response: decorrelated, softened noise decaying over time."""
    length = int(time * rate)
    t = np.arange(length) / rate
    # Soften the noise before the decay is applied, so that the filter's circular wrap
    # cannot carry the loud start into the quiet end.
    spectrum = np.fft.rfft(rng.standard_normal((length, 2)), axis=0)
    freqs = np.fft.rfftfreq(length, 1.0 / rate)
    spectrum /= (1 + (freqs / 3500.0) ** 2)[:, None]
    ir = np.fft.irfft(spectrum, length, axis=0) * np.exp(-LN1000 * t / time)[:, None]
    delay = int(0.012 * rate)
    ir = np.vstack([np.zeros((delay, 2)), ir])
    return ir / np.sqrt(np.sum(ir ** 2, axis=0))


def convolve(signal, ir):
    n = len(signal) + len(ir) - 1
    size = 1 << (n - 1).bit_length()
    out = np.fft.irfft(np.fft.rfft(signal, size, axis=0) * np.fft.rfft(ir, size, axis=0),
                       size, axis=0)
    return out[:len(signal)]


def place(buffer, mono, at, pan, gain, rate):
    start = int(round(at * rate))
    end = min(len(buffer), start + len(mono))
    if end <= start:
        return
    angle = (pan + 1) * np.pi / 4  # constant-power panning
    buffer[start:end, 0] += gain * np.cos(angle) * mono[:end - start]
    buffer[start:end, 1] += gain * np.sin(angle) * mono[:end - start]


def render_effect(effect, voices, rate):
    frames = int(round(effect["duration"] * rate))
    name = effect["name"]
    dry = np.zeros((frames, 2))
    strikes = list(effect.get("strikes", []))
    wobble = effect.get("wobble")
    if wobble:
        at, interval = wobble["start"], wobble["interval"]
        for k in range(wobble["count"]):
            strikes.append({"voice": wobble["voice"], "at": at,
                            "pan": wobble["pan"] * (1 - 0.5 * k / wobble["count"]),
                            "gain": wobble["gain"] * wobble["decay"] ** k})
            at += interval
            interval *= wobble["ratio"]
    for index, strike in enumerate(strikes):
        rng = _rng(name, str(index))
        mono = voice_samples(voices[strike["voice"]], rate, rng)
        place(dry, mono, strike["at"], strike["pan"], strike["gain"], rate)
    room = effect.get("reverb")
    out = dry
    if room:
        ir = room_response(rate, room["time"], _rng(name, "room"))
        out = dry + room["wet"] * convolve(dry, ir)
    fade = int(effect.get("fade", 0.05) * rate)
    out[frames - fade:] *= (0.5 + 0.5 * np.cos(np.linspace(0, np.pi, fade)))[:, None]
    out *= 10 ** (effect["peak_db"] / 20) / np.max(np.abs(out))
    return out


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: sounds.py RECIPES OUT_DIR")
    with open(sys.argv[1]) as f:
        recipes = json.load(f)
    rate = recipes["rate"]
    os.makedirs(sys.argv[2], exist_ok=True)
    for effect in recipes["effects"]:
        samples = render_effect(effect, recipes["voices"], rate)
        path = os.path.join(sys.argv[2], effect["name"] + ".wav")
        tmp = path + ".part"
        wavio.write_wave(tmp, samples, rate)
        os.replace(tmp, path)


if __name__ == "__main__":
    main()
