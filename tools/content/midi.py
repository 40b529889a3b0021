"""A small Standard MIDI File writer: format 1, one track per voice."""

import struct


def _varlen(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


class Track:
    """Collects (tick, order, bytes) events; order puts note-offs before note-ons."""

    def __init__(self, name=""):
        self.events = []
        if name:
            self.meta(0, 0x03, name.encode("ascii"))

    def meta(self, tick, kind, payload):
        self.events.append((tick, 0, b"\xff" + bytes([kind]) + _varlen(len(payload)) + payload))

    def control(self, tick, channel, number, value):
        self.events.append((tick, 1, bytes([0xB0 | channel, number, value])))

    def program(self, tick, channel, program):
        self.events.append((tick, 1, bytes([0xC0 | channel, program])))

    def note(self, tick, length, channel, key, velocity):
        self.events.append((tick + length, 2, bytes([0x80 | channel, key, 0])))
        self.events.append((tick, 3, bytes([0x90 | channel, key, velocity])))

    def chunk(self):
        body = bytearray()
        last = 0
        for tick, _, data in sorted(self.events, key=lambda e: (e[0], e[1])):
            body += _varlen(tick - last) + data
            last = tick
        body += _varlen(0) + b"\xff\x2f\x00"
        return b"MTrk" + struct.pack(">I", len(body)) + bytes(body)


def smf_image(tracks, ppq):
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), ppq)
    return header + b"".join(t.chunk() for t in tracks)
