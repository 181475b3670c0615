#!/usr/bin/env python3
"""Host-side checks of a candump -L capture of the virtual unit's bus.

  checkbus.py NAME CAPTURE REFERENCE CONTROLLER_LOG

CAPTURE is what the guest recorded, REFERENCE the log of the host's own run
of the same display on the simulator (its 0x605 frames are the table the
display writes), CONTROLLER_LOG the 0x465 frames replayed into the guest.
Prints RESULT lines as the guest's jobs do.
"""
import re
import sys

LINE = re.compile(r"^\(\d+\.\d+\)\s+\S+\s+([0-9A-Fa-f]{3}|[0-9A-Fa-f]{8})#([0-9A-Fa-f]*)\s*$")
CLEAR_ALL = bytes([0x2F, 0xF2, 0x48, 0x00, 0x01, 0x00, 0x00, 0x00])


def frames(path):
    out = []
    with open(path, encoding="ascii", errors="replace") as f:
        for line in f:
            m = LINE.match(line.strip())
            if m:
                out.append((m.group(1).upper(), bytes.fromhex(m.group(2))))
    return out


def command_fault(data):
    """Why a display frame is not a subscription command (None if it is)."""
    if len(data) != 8:
        return "length %d" % len(data)
    if data == CLEAR_ALL:
        return None
    # Expedited download of 4 bytes to the table object 0x48E3, position 1-20.
    if data[0] != 0x23 or data[1] != 0xE3 or data[2] != 0x48:
        return "not a table write: " + data.hex()
    if not 1 <= data[3] <= 20:
        return "position %d" % data[3]
    if data[7] != 0:
        return "byte 7 is %02x" % data[7]
    return None


def first_table(cmds):
    """The first full table write: clear-all, then positions 1, 2, 3, ..."""
    for i, d in enumerate(cmds):
        if d == CLEAR_ALL:
            table = [d]
            for e in cmds[i + 1:]:
                if e == CLEAR_ALL or e[3] != len(table):
                    break
                table.append(e)
            return table
    return []


def result(name, ok, detail):
    print("RESULT %s %s %s" % (name, "PASS" if ok else "FAIL", detail))


def main():
    name, capture, reference, controller = sys.argv[1:5]
    got = frames(capture)
    display = [d for i, d in got if i != "465"]
    ids = sorted({i for i, _ in got if i != "465"})
    faults = [command_fault(d) for d in display]
    faults = [f for f in faults if f]
    result(name + "-commands-well-formed", bool(display) and ids == ["605"] and not faults,
           "%d display frames, identifiers %s%s" % (len(display), ",".join(ids) or "none",
                                                    ("; first fault: " + faults[0]) if faults else ""))
    ref_cmds = [d for i, d in frames(reference) if i == "605"]
    want = first_table([d for d in ref_cmds if command_fault(d) is None])
    have = first_table(display)
    result(name + "-table-order", bool(want) and have == want,
           "first table write %d frames (positions 1-%d), the host's run %d" % (len(have), max(len(have) - 1, 0), len(want)))
    sent = sum(1 for i, _ in frames(controller) if i == "465")
    heard = sum(1 for i, _ in got if i == "465")
    result(name + "-no-frame-lost", sent > 0 and heard == sent,
           "%d controller frames replayed, %d on the capture" % (sent, heard))


if __name__ == "__main__":
    main()
