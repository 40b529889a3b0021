"""Parser for the note data of the music tracks (assets/music/*.notes).

The format, line by line ('#' at the start of a line or after a blank starts a comment):

    title Some title
    tempo 800000                  microseconds per quarter note
    meter 3                       quarter notes per bar, checked at every '|'
    voice NAME program=48 channel=0 volume=100 pan=64 reverb=40 [arp=0.5] [hold=2]
                                  [legato=0.95] [transpose=0] [accent=0]
                                  [humanize=0]
    NAME: tokens ...              appends to that voice; a voice may span many lines

Tokens:
    C4:1  F#3:0.5  Bb2:3/2        a note (C4 = key 60) lasting that many quarter notes
    D3+F#3+A3:3                   a chord; in a voice with arp=STEP its notes are broken
                                  into an up-and-down arpeggio of STEP-long steps, each
                                  note ringing for hold quarters (or to the chord's end),
                                  louder by accent on each beat; humanize=N varies
                                  each velocity by up to N, from a fixed seed
    r:2                           a rest
    E5                            a duration may be left out: the previous one holds
    @72                           velocity of the following notes
    ~90  ~60>100:8                expression (controller 11) now, or a ramp over 8 quarters
    [ ... ]*2                     repetition (not nested)
    |                             bar line: the bar just ended must be exactly one meter
"""

import fractions
import random
import re

_NOTE_RE = re.compile(r"^([A-G])([#b]?)(-?\d)$")
_COMMENT_RE = re.compile(r"(?:^|\s)#")
_STEPS = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


class NotesError(Exception):
    pass


def pitch_number(name):
    m = _NOTE_RE.match(name)
    if not m:
        raise NotesError("bad pitch '%s'" % name)
    step, accidental, octave = m.groups()
    key = 12 * (int(octave) + 1) + _STEPS[step] + {"": 0, "#": 1, "b": -1}[accidental]
    if not 0 <= key <= 127:
        raise NotesError("pitch '%s' out of range" % name)
    return key


def _duration(text):
    try:
        value = fractions.Fraction(text)
    except (ValueError, ZeroDivisionError):
        raise NotesError("bad duration '%s'" % text)
    if value <= 0:
        raise NotesError("duration '%s' must be positive" % text)
    return value


class Voice:
    def __init__(self, name, options):
        self.name = name
        self.program = int(options.get("program", 0))
        self.channel = int(options.get("channel", 0))
        self.volume = int(options.get("volume", 100))
        self.pan = int(options.get("pan", 64))
        self.reverb = int(options.get("reverb", 40))
        self.arp = _duration(options["arp"]) if "arp" in options else None
        self.hold = _duration(options["hold"]) if "hold" in options else None
        self.legato = fractions.Fraction(options.get("legato", "0.95"))
        self.transpose = int(options.get("transpose", 0))
        self.accent = int(options.get("accent", 0))
        # A player's unevenness: velocities vary by up to this much, the same on every build.
        self.humanize = int(options.get("humanize", 0))
        self.jitter = random.Random("velocity/" + name)
        # Parsed content: notes (start, length, key, velocity) and controls (start, cc, value),
        # times in quarter notes.
        self.notes = []
        self.controls = []
        self.time = fractions.Fraction(0)
        self.bar_start = fractions.Fraction(0)
        self.velocity = 80
        self.last_duration = fractions.Fraction(1)


class Piece:
    def __init__(self):
        self.title = ""
        self.tempo = 500000
        self.meter = None
        self.voices = {}

    @property
    def length(self):
        return max(v.time for v in self.voices.values())


def _expand_repeats(tokens, where):
    out = []
    i = 0
    while i < len(tokens):
        tok = tokens[i]
        if tok == "[":
            depth_end = None
            for j in range(i + 1, len(tokens)):
                if tokens[j].startswith("]"):
                    depth_end = j
                    break
                if tokens[j] == "[":
                    raise NotesError("%s: nested repetition" % where)
            if depth_end is None:
                raise NotesError("%s: '[' without ']'" % where)
            m = re.match(r"^\]\*(\d+)$", tokens[depth_end])
            if not m:
                raise NotesError("%s: bad repetition end '%s'" % (where, tokens[depth_end]))
            out += tokens[i + 1:depth_end] * int(m.group(1))
            i = depth_end + 1
        else:
            out.append(tok)
            i += 1
    return out


def _vary(voice, velocity):
    if voice.humanize:
        velocity += voice.jitter.randint(-voice.humanize, voice.humanize)
    return max(1, min(127, velocity))


def _add_event(piece, voice, tok, where):
    if tok == "|":
        if piece.meter is not None and voice.time - voice.bar_start != piece.meter:
            raise NotesError("%s: voice %s bar at %s lasts %s quarters" %
                             (where, voice.name, voice.bar_start, voice.time - voice.bar_start))
        voice.bar_start = voice.time
        return
    if tok.startswith("@"):
        voice.velocity = int(tok[1:])
        if not 1 <= voice.velocity <= 127:
            raise NotesError("%s: velocity out of range" % where)
        return
    if tok.startswith("~"):
        m = re.match(r"^~(\d+)(?:>(\d+):([\d/.]+))?$", tok)
        if not m:
            raise NotesError("%s: bad expression '%s'" % (where, tok))
        start = int(m.group(1))
        if m.group(2) is None:
            voice.controls.append((voice.time, 11, start))
        else:
            end, span = int(m.group(2)), _duration(m.group(3))
            steps = max(1, int(span * 8))
            for k in range(steps + 1):
                value = round(start + (end - start) * k / steps)
                voice.controls.append((voice.time + span * k / steps, 11, value))
        return
    if ":" in tok:
        what, dur_text = tok.rsplit(":", 1)
        duration = _duration(dur_text)
        voice.last_duration = duration
    else:
        what, duration = tok, voice.last_duration
    if what != "r":
        keys = [pitch_number(p) + voice.transpose for p in what.split("+")]
        if voice.arp is not None and len(keys) > 1:
            order = keys + keys[-2:0:-1]
            t = fractions.Fraction(0)
            k = 0
            while t < duration:
                ring = voice.hold if voice.hold is not None else duration - t
                ring = min(ring, duration - t)
                at = voice.time + t
                velocity = voice.velocity + (voice.accent if at.denominator == 1 else 0)
                voice.notes.append((at, ring, order[k % len(order)], _vary(voice, velocity)))
                t += voice.arp
                k += 1
        else:
            for key in keys:
                voice.notes.append((voice.time, duration * voice.legato, key,
                                    _vary(voice, voice.velocity)))
    voice.time += duration


def parse(text, source="<notes>"):
    piece = Piece()
    for number, raw in enumerate(text.splitlines(), 1):
        line = _COMMENT_RE.split(raw, 1)[0].strip()
        where = "%s:%d" % (source, number)
        if not line:
            continue
        head, _, rest = line.partition(" ")
        if head == "title":
            piece.title = rest.strip()
        elif head == "tempo":
            piece.tempo = int(rest)
        elif head == "meter":
            piece.meter = fractions.Fraction(rest.strip())
        elif head == "voice":
            parts = rest.split()
            if not parts:
                raise NotesError("%s: voice without a name" % where)
            options = dict(p.split("=", 1) for p in parts[1:])
            piece.voices[parts[0]] = Voice(parts[0], options)
        elif head.endswith(":") and head[:-1] in piece.voices:
            voice = piece.voices[head[:-1]]
            rest = re.sub(r"\](\*\d+)", r" ]\1 ", rest.replace("[", " [ "))
            for tok in _expand_repeats(rest.split(), where):
                _add_event(piece, voice, tok, where)
        else:
            raise NotesError("%s: cannot read '%s'" % (where, line))
    if not piece.voices:
        raise NotesError("%s: no voices" % source)
    lengths = {v.name: v.time for v in piece.voices.values()}
    if len(set(lengths.values())) != 1:
        raise NotesError("%s: voices differ in length: %s" % (source, lengths))
    return piece
