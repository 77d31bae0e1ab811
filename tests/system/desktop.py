"""A private headless desktop for driving the built program from outside, as an operator
would: Xvfb, a session bus of its own (the accessibility bus starts on it by activation),
a runtime folder of its own; the program's widgets are found over AT-SPI and clicked and
typed into through the X server."""

import os
import shutil
import signal
import struct
import subprocess
import tempfile
import time
import zlib

from Xlib import X, display as xdisplay

# Desktop and theme variables would let Qt pick a platform file dialog we cannot drive.
_DESKTOP_VARIABLES = ("QT_QPA_PLATFORMTHEME", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION",
                      "GNOME_DESKTOP_SESSION_ID", "KDE_FULL_SESSION", "WAYLAND_DISPLAY",
                      "SESSION_MANAGER")


class Desktop:
    def __init__(self):
        self.runtime = tempfile.mkdtemp(prefix="bilvex-system-")
        os.chmod(self.runtime, 0o700)
        self.xvfb = None
        self.bus_pid = None
        self.env = {k: v for k, v in os.environ.items() if k not in _DESKTOP_VARIABLES}
        # The accessibility bus and dconf keep caches of their own: here, not in the user's home.
        self.env.update(XDG_CACHE_HOME=os.path.join(self.runtime, "cache"),
                        XDG_DATA_HOME=os.path.join(self.runtime, "data"))

    def __enter__(self):
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-noreset", "-nolisten", "tcp",
             "-screen", "0", "1920x1080x24"],
            pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as display:
            self.env["DISPLAY"] = ":" + display.readline().strip()
        bus = subprocess.run(["dbus-daemon", "--session", "--fork", "--print-address=1",
                              "--print-pid=1"], capture_output=True, text=True, check=True,
                             env=self.env)
        address, pid = bus.stdout.split()[:2]
        self.bus_pid = int(pid)
        self.env.update(DBUS_SESSION_BUS_ADDRESS=address, XDG_RUNTIME_DIR=self.runtime)
        # Atspi reads these when it first connects, in this process.
        os.environ.update(DISPLAY=self.env["DISPLAY"], DBUS_SESSION_BUS_ADDRESS=address,
                          XDG_RUNTIME_DIR=self.runtime)
        return self

    def __exit__(self, *exc):
        # The accessibility bus launcher and registry end with the session bus.
        if self.bus_pid:
            os.kill(self.bus_pid, signal.SIGTERM)
        if self.xvfb:
            self.xvfb.terminate()
            self.xvfb.wait()
        shutil.rmtree(self.runtime, ignore_errors=True)

    def screenshot(self, path):
        """The whole screen as a PNG, for the report of a failed flow."""
        x = xdisplay.Display(self.env["DISPLAY"])
        root = x.screen().root
        size = root.get_geometry()
        width, height = size.width, size.height
        data = root.get_image(0, 0, width, height, X.ZPixmap, 0xFFFFFFFF).data
        x.close()
        rgb = bytearray(width * height * 3)
        rgb[0::3], rgb[1::3], rgb[2::3] = data[2::4], data[1::4], data[0::4]
        rows = b"".join(b"\0" + bytes(rgb[y * width * 3:(y + 1) * width * 3]) for y in range(height))

        def chunk(kind, body):
            return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
                    + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))

    def run_x(self, *args):
        """Runs an X client (xdotool) against this desktop's display."""
        return subprocess.run(list(args), env=self.env, check=True, capture_output=True,
                              text=True).stdout


# What a flow waits for at most: long enough for a machine whose two cores are busy with
# other tests; a flow that works never waits that long.
TIMEOUT = 30.0


def wait_for(what, predicate, timeout=TIMEOUT, interval=0.05):
    """Polls predicate until it gives a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)
