#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
"""Gives a headless wlroots compositor (sway) one pointer and one keyboard for a whole test.

A headless compositor has no input devices, so its seat offers no pointer and `swaymsg seat
seat0 cursor ...` moves a cursor that no client hears of. This client creates one virtual
pointer (wlr-virtual-pointer-unstable-v1) and one virtual keyboard (virtual-keyboard-unstable-v1)
on the default seat and keeps them while it runs. A keyboard that lives as long as the test is
bound by the program once: a keyboard made anew for every key (as a typing tool run per key
does) must be bound anew each time, and a key sent while the program is busy elsewhere can reach
no keyboard, or a window that Qt has not activated again yet.

It reads commands, one a line, from its standard input and answers each with "done" once the
compositor has taken every event of it (a round trip), or with "error: ..." :

    key CHORD...   each chord typed in turn: a key name ("Return", "F4", "m") or modifiers and a
                   key joined by "+" ("alt+m", "ctrl+q")
    click N        N clicks of the left button where the pointer is (2 for a double click); the
                   events carry timestamps of their own, 40 ms apart, so that the program sees
                   a double click whatever the scheduling of this process

The Wayland wire protocol is spoken directly (no binding library): a message is the object
id, the size and opcode, and the arguments, each padded to 4 bytes; the keymap's file
descriptor travels beside the message.

    virtual-input.py      (WAYLAND_DISPLAY names the compositor's socket)
Prints "ready" once both devices exist.
"""
import array
import os
import select
import socket
import struct
import sys
import time

# The keymap the keyboard announces: the standard US layout, on the evdev key codes sent below.
KEYMAP = b"""xkb_keymap {
  xkb_keycodes { include "evdev+aliases(qwerty)" };
  xkb_types { include "complete" };
  xkb_compat { include "complete" };
  xkb_symbols { include "pc+us+inet(evdev)" };
};
"""
# Linux input key codes of the keys the tests type.
KEYS = {"Escape": 1, "BackSpace": 14, "Tab": 15, "Return": 28, "space": 57, "Up": 103,
        "Left": 105, "Right": 106, "Down": 108}
KEYS.update({"F%d" % n: 58 + n for n in range(1, 11)})
for row, first in (("qwertyuiop", 16), ("asdfghjkl", 30), ("zxcvbnm", 44)):
    KEYS.update({letter: first + i for i, letter in enumerate(row)})
# A modifier's key and its bit in the keymap's modifier state.
MODIFIERS = {"shift": (42, 1 << 0), "ctrl": (29, 1 << 2), "alt": (56, 1 << 3)}
BTN_LEFT = 0x110
CLICK_GAP_MS = 40


def socket_path():
    display = os.environ.get("WAYLAND_DISPLAY", "wayland-0")
    if display.startswith("/"):
        return display
    return os.path.join(os.environ["XDG_RUNTIME_DIR"], display)


def string_arg(text):
    data = text.encode() + b"\0"
    return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)


class ProtocolError(Exception):
    pass


class Connection:
    def __init__(self, path):
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(path)
        self.buffer = b""
        self.next_id = 2

    def new_id(self):
        self.next_id += 1
        return self.next_id - 1

    def send(self, obj, opcode, payload=b"", fd=None):
        message = struct.pack("<II", obj, ((8 + len(payload)) << 16) | opcode) + payload
        if fd is None:
            self.sock.sendall(message)
        else:
            self.sock.sendmsg([message], [(socket.SOL_SOCKET, socket.SCM_RIGHTS, array.array("i", [fd]))])

    def pending(self):
        """True when a whole event is buffered."""
        return len(self.buffer) >= 8 and len(self.buffer) >= struct.unpack_from("<I", self.buffer, 4)[0] >> 16

    def receive(self):
        """The next event as (object, opcode, payload); a protocol error raises."""
        while not self.pending():
            chunk = self.sock.recv(65536)
            if not chunk:
                sys.exit("virtual-input: the compositor closed the connection")
            self.buffer += chunk
        obj, word = struct.unpack_from("<II", self.buffer)
        size = word >> 16
        payload = self.buffer[8:size]
        self.buffer = self.buffer[size:]
        if obj == 1 and opcode_of(word) == 0:             # wl_display.error
            raise ProtocolError("protocol error %d on object %d" % struct.unpack_from("<II", payload)[1::-1])
        return obj, opcode_of(word), payload

    def roundtrip(self):
        """Returns once the compositor has handled every request sent before."""
        callback = self.new_id()
        self.send(1, 0, struct.pack("<I", callback))      # wl_display.sync
        while self.receive()[0] != callback:
            pass


def opcode_of(word):
    return word & 0xFFFF


class Devices:
    def __init__(self, wl):
        self.wl = wl
        registry = wl.new_id()
        wl.send(1, 1, struct.pack("<I", registry))        # wl_display.get_registry
        done = wl.new_id()
        wl.send(1, 0, struct.pack("<I", done))
        globals_ = {}
        while True:
            obj, opcode, payload = wl.receive()
            if obj == registry and opcode == 0:           # wl_registry.global
                name, length = struct.unpack_from("<II", payload)
                globals_[payload[8:8 + length - 1].decode()] = name
            if obj == done:                               # every global seen
                break
        for needed in ("wl_seat", "zwlr_virtual_pointer_manager_v1", "zwp_virtual_keyboard_manager_v1"):
            if needed not in globals_:
                sys.exit("virtual-input: the compositor offers no " + needed)

        def bind(interface):
            new = wl.new_id()
            wl.send(registry, 0, struct.pack("<I", globals_[interface]) + string_arg(interface)
                    + struct.pack("<II", 1, new))
            return new

        seat = bind("wl_seat")
        pointers, keyboards = bind("zwlr_virtual_pointer_manager_v1"), bind("zwp_virtual_keyboard_manager_v1")
        self.pointer = wl.new_id()
        wl.send(pointers, 0, struct.pack("<II", 0, self.pointer))         # create_virtual_pointer(default seat)
        self.keyboard = wl.new_id()
        wl.send(keyboards, 0, struct.pack("<II", seat, self.keyboard))    # create_virtual_keyboard
        keymap = os.memfd_create("keymap")
        os.write(keymap, KEYMAP + b"\0")
        wl.send(self.keyboard, 0, struct.pack("<II", 1, len(KEYMAP) + 1), fd=keymap)  # keymap(xkb_v1)
        os.close(keymap)
        wl.roundtrip()

    def press(self, code, down, at):
        self.wl.send(self.keyboard, 1, struct.pack("<III", at, code, 1 if down else 0))

    def modifiers(self, mask):
        self.wl.send(self.keyboard, 2, struct.pack("<IIII", mask, 0, 0, 0))

    def chord(self, text):
        *mods, key = text.split("+")
        if key not in KEYS or any(m not in MODIFIERS for m in mods):
            raise ValueError("unknown key " + text)
        # As a real keyboard's events reach a client: the modifier's key, then the modifier
        # state, the key, and the modifier let go in the reverse order.
        now, mask = milliseconds(), 0
        for m in mods:
            code, bit = MODIFIERS[m]
            mask |= bit
            self.press(code, True, now)
            self.modifiers(mask)
        self.press(KEYS[key], True, now)
        self.press(KEYS[key], False, now + 1)
        for m in reversed(mods):
            code, bit = MODIFIERS[m]
            mask &= ~bit
            self.press(code, False, now + 1)
            self.modifiers(mask)

    def click(self, count):
        at = milliseconds()
        for _ in range(count):
            for state in (1, 0):
                self.wl.send(self.pointer, 2, struct.pack("<III", at, BTN_LEFT, state))  # button
                self.wl.send(self.pointer, 4)                                            # frame
                at += CLICK_GAP_MS

    def run(self, line):
        words = line.split()
        if not words:
            return
        if words[0] == "key":
            for chord in words[1:]:
                self.chord(chord)
                self.wl.roundtrip()
        elif words[0] == "click" and len(words) == 2 and words[1].isdigit():
            self.click(int(words[1]))
        else:
            raise ValueError("unknown command " + line)
        self.wl.roundtrip()


def milliseconds():
    # The compositor's clock for input events (CLOCK_MONOTONIC, in milliseconds).
    return int(time.monotonic() * 1000) & 0xFFFFFFFF


def main():
    wl = Connection(socket_path())
    try:
        devices = Devices(wl)
    except ProtocolError as error:
        sys.exit("virtual-input: the compositor refused the devices: %s" % error)
    print("ready", flush=True)
    commands = b""
    while True:
        readable, _, _ = select.select([0, wl.sock], [], [])
        try:
            if wl.sock in readable:
                wl.receive()                              # events of the seat: nothing to do
            if 0 in readable:
                chunk = os.read(0, 4096)
                if not chunk:
                    return                                # the test has ended
                commands += chunk
                while b"\n" in commands:
                    line, commands = commands.split(b"\n", 1)
                    try:
                        devices.run(line.decode())
                        print("done", flush=True)
                    except ValueError as error:
                        print("error: %s" % error, flush=True)
        except ProtocolError as error:
            sys.exit("virtual-input: %s" % error)


if __name__ == "__main__":
    main()
