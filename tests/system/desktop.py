"""A private headless desktop for driving the built program from outside, as an operator
would: Xvfb, a session bus of its own (the accessibility bus starts on it by activation),
a runtime folder of its own; the program's widgets are found over AT-SPI and clicked and
typed into through the X server."""

import os
import shutil
import signal
import subprocess
import tempfile
import time

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

    def __enter__(self):
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-noreset", "-nolisten", "tcp",
             "-screen", "0", "1280x1024x24"],
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

    def run_x(self, *args):
        """Runs an X client (xdotool) against this desktop's display."""
        return subprocess.run(list(args), env=self.env, check=True, capture_output=True,
                              text=True).stdout


def wait_for(what, predicate, timeout=10.0, interval=0.05):
    """Polls predicate until it gives a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)
