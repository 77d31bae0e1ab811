"""bilvex-unit-sim as the control unit at the other end of COM1, and the bytes the unit
expects, written out from the record formats."""

import os
import subprocess
import time

from desktop import wait_for

START_BYTE = 0xAA
GROUPS = 32


class Unit:
    def __init__(self, binary, config_home, *faults):
        self.record = os.path.join(config_home, "unit-record.bin")
        link = os.path.join(config_home, "bilvex", "ports", "com1")
        os.makedirs(os.path.dirname(link), exist_ok=True)
        self.process = subprocess.Popen([binary, "--link", link, "--record", self.record, *faults],
                                        stdout=subprocess.PIPE, text=True)
        self.device = self.process.stdout.readline().strip()
        assert self.device, "bilvex-unit-sim did not start"

    def received(self):
        try:
            with open(self.record, "rb") as f:
                return f.read()
        except FileNotFoundError:
            return b""

    def wait_for_bytes(self, count, timeout=60):
        wait_for(f"{count} bytes at the unit", lambda: len(self.received()) >= count, timeout)
        return self.received()

    def quiet(self, seconds=1.0):
        """The bytes received once the line has been quiet for the given time."""
        before = None
        while True:
            now = self.received()
            if now == before:
                return now
            before = now
            time.sleep(seconds)

    def stop(self):
        self.process.terminate()
        self.process.wait(10)


def image_record(data, address):
    return bytes([0xAA, data, address >> 8, address & 0xFF, 0xA0])


def button_image(start, enable, end=None):
    """The 2,080-byte button image of a start-state model, with the groups' first and last
    ticket numbers and enable values given as {group index: value}."""
    image = bytearray()
    numbers = {0x1000: start, 0x1040: end or {}}
    for block_address in (0x1000, 0x1040, 0x1080, 0x10C0):
        for k in range(GROUPS):
            value = numbers.get(block_address, {}).get(k, 0)
            image += image_record(value & 0xFF, block_address + 2 * k)
            image += image_record(value >> 8, block_address + 2 * k + 1)
    for block_address in (0x1120, 0x1140, 0x1100, 0x1160, 0x12D0):
        for k in range(GROUPS):
            value = enable.get(k, 0) if block_address in (0x1120, 0x1140) else 0
            image += image_record(value, block_address + k)
    return bytes(image)


def terminal_image(groups, counts):
    """The 41,920-byte terminal image, with the slots' groups and counts given as
    {(terminal, slot): value}: each terminal's 32 group records, then its 32 count records,
    each table in spans of 320 bytes, then the two blocks of zero bytes."""
    image = bytearray(41920)
    for t in range(64):
        for s in range(32):
            image[320 * t + 5 * s:320 * t + 5 * s + 5] = image_record(groups.get((t, s), 0), 64 * t + s)
            position = 20640 + 320 * t + 5 * s
            image[position:position + 5] = image_record(counts.get((t, s), 0), 64 * t + 32 + s)
        image[41280 + 5 * t:41285 + 5 * t] = image_record(0, 0x1180 + t)
        image[41600 + 5 * t:41605 + 5 * t] = image_record(0, 0x11C0 + t)
    return bytes(image)


def ticket_image(data, ticket_number):
    records = bytearray()
    for position in range(256):
        byte = data[position] if position < len(data) else 0
        records += bytes([0xAF, byte, position, ticket_number, 0xA5])
    return bytes(records)
