#!/usr/bin/env python3
"""Gives a headless wlroots compositor (sway) a pointer device and keeps it while it runs.

A headless compositor has no input devices, so its seat offers no pointer and `swaymsg seat
seat0 cursor ...` moves a cursor that no client hears of. This client creates one virtual
pointer (wlr-virtual-pointer-unstable-v1) on the default seat and then waits, connected, until
it is ended; the seat has a pointer meanwhile, and sway's cursor commands reach the clients.

The Wayland wire protocol is spoken directly (no binding library): a message is the object
id, the size and opcode, and the arguments, each padded to 4 bytes.

    virtual-pointer.py      (WAYLAND_DISPLAY names the compositor's socket)
Prints "ready" once the pointer exists.
"""
import os
import socket
import struct
import sys


def socket_path():
    display = os.environ.get("WAYLAND_DISPLAY", "wayland-0")
    if display.startswith("/"):
        return display
    return os.path.join(os.environ["XDG_RUNTIME_DIR"], display)


def string_arg(text):
    data = text.encode() + b"\0"
    return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)


class Connection:
    def __init__(self, path):
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(path)
        self.buffer = b""
        self.next_id = 2

    def new_id(self):
        self.next_id += 1
        return self.next_id - 1

    def send(self, obj, opcode, payload=b""):
        self.sock.sendall(struct.pack("<II", obj, ((8 + len(payload)) << 16) | opcode) + payload)

    def receive(self):
        """The next event as (object, opcode, payload)."""
        while True:
            if len(self.buffer) >= 8:
                obj, word = struct.unpack_from("<II", self.buffer)
                size = word >> 16
                if len(self.buffer) >= size:
                    payload = self.buffer[8:size]
                    self.buffer = self.buffer[size:]
                    return obj, word & 0xFFFF, payload
            chunk = self.sock.recv(65536)
            if not chunk:
                sys.exit("virtual-pointer: the compositor closed the connection")
            self.buffer += chunk


def main():
    wl = Connection(socket_path())
    registry = wl.new_id()
    wl.send(1, 1, struct.pack("<I", registry))            # wl_display.get_registry
    done = wl.new_id()
    wl.send(1, 0, struct.pack("<I", done))                # wl_display.sync
    manager_global = None
    while True:
        obj, opcode, payload = wl.receive()
        if obj == 1 and opcode == 0:                      # wl_display.error
            sys.exit("virtual-pointer: protocol error")
        if obj == registry and opcode == 0:               # wl_registry.global
            name, length = struct.unpack_from("<II", payload)
            interface = payload[8:8 + length - 1].decode()
            if interface == "zwlr_virtual_pointer_manager_v1":
                manager_global = name
        if obj == done:                                   # wl_callback.done: every global seen
            break
    if manager_global is None:
        sys.exit("virtual-pointer: the compositor offers no virtual pointer")
    manager = wl.new_id()
    wl.send(registry, 0, struct.pack("<I", manager_global)
            + string_arg("zwlr_virtual_pointer_manager_v1") + struct.pack("<II", 1, manager))
    pointer = wl.new_id()
    wl.send(manager, 0, struct.pack("<II", 0, pointer))   # create_virtual_pointer(seat: default)
    check = wl.new_id()
    wl.send(1, 0, struct.pack("<I", check))
    while True:
        obj, opcode, _ = wl.receive()
        if obj == 1 and opcode == 0:
            sys.exit("virtual-pointer: the compositor refused the pointer")
        if obj == check:
            break
    print("ready", flush=True)
    while True:                                           # keep the device until ended
        obj, opcode, _ = wl.receive()
        if obj == 1 and opcode == 0:
            sys.exit("virtual-pointer: protocol error")


if __name__ == "__main__":
    main()
