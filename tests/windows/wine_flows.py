#!/usr/bin/env python3
"""Flows of the Windows package under Wine, driven from outside: the ZIP's programs and the
installed ones, a pseudo-terminal as COM1 (Wine maps COM ports through its registry), Xvfb
for the window. Wine 8.0 passes received serial data from a pseudo-terminal on to a Windows
program only with the Wine serial tools (a preload and a DLL that wcerun.exe loads): with
them the Windows bilvex-send runs whole echo-verified transfers against the Linux
bilvex-unit-sim."""

import argparse
import glob
import os
import pty
import re
import select
import shutil
import subprocess
import sys
import tempfile
import termios
import time
import zipfile

SETTINGS = "ZEMRA_Bilvex_Polynet_Ver_3_04.txt"
MAIN_TITLE = "ZEMRA BILVEX Polynet Ver 3.04   ZEMRA Ruvozivira Ltd."
NOBODY = 65534
FTDI_ADAPTER = r"HKLM\SYSTEM\CurrentControlSet\Enum\FTDIBUS\VID_0403+PID_6001+A1B2C3A"
PORT_LINE = 5
FIRST_LIMIT_LINE = 8
FIRST_START_LINE = 79


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class Wine:
    """One Wine prefix; `user` drops root to an unprivileged user for every command."""

    def __init__(self, build, prefix, user=(), home=None):
        self.run_script = os.path.join(build, "wine-run")
        self.prefix = prefix
        self.user = list(user)
        self.env = dict(os.environ, BILVEX_PACKAGED="1", BILVEX_WINEPREFIX=prefix,
                        WINEPREFIX=prefix, WINEDEBUG="-all")
        if home:
            self.env["HOME"] = home

    def run(self, *args, timeout=180, extra_env=None, wait=True):
        env = dict(self.env, **(extra_env or {}))
        command = self.user + [self.run_script] + list(args)
        if not wait:
            return subprocess.Popen(command, env=env, stdout=subprocess.PIPE,
                                    stderr=subprocess.PIPE)
        return subprocess.run(command, env=env, capture_output=True, timeout=timeout)

    def drive_c(self, *parts):
        return os.path.join(self.prefix, "drive_c", *parts)

    def map_com1(self, device):
        """COM1 leads to device from the next start of the prefix's server on."""
        result = self.run("reg", "add", r"HKLM\Software\Wine\Ports", "/v", "COM1", "/d", device, "/f")
        check(result.returncode == 0, f"reg add failed: {result.stderr!r}")
        self.stop()

    def stop(self):
        subprocess.run(self.user + [self.run_script, "wineserver", "-k"], env=self.env, capture_output=True)
        subprocess.run(self.user + [self.run_script, "wineserver", "-w"], env=self.env, capture_output=True)

    def start_server(self):
        """Started here, its object dump at exit goes nowhere rather than into a test's output."""
        subprocess.run(self.user + [self.run_script, "wineserver", "-p5"], env=self.env, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def keep_up(self):
        """A server that outlives each command, its services started on no pipe of ours: a
        command's output then ends with the command, not with the server some seconds later."""
        self.start_server()
        subprocess.run(self.user + [self.run_script, "cmd", "/c", "exit"], env=self.env, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


class SimulatedUnit:
    """The Linux bilvex-unit-sim on a pseudo-terminal of its own, recording what it receives."""

    def __init__(self, sim, record, *options):
        self.record = record
        self.process = subprocess.Popen([sim, "--record", record, *options], stdout=subprocess.PIPE, text=True)
        self.device = self.process.stdout.readline().strip()
        check(self.device, "bilvex-unit-sim did not start")

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.process.terminate()
        self.process.communicate(timeout=30)

    def received(self):
        with open(self.record, "rb") as recorded:
            return recorded.read()


class Xvfb:
    def __enter__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-screen", "0", "1280x1024x24"],
            pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as display:
            self.display = ":" + display.readline().strip()
        return self

    def __exit__(self, *exc):
        self.process.terminate()
        self.process.wait()


class PseudoTerminal:
    """A line for COM1 whose settings start far from 9600 8N1, so that the program's own show."""

    def __enter__(self):
        self.master, self.slave = pty.openpty()
        self.name = os.ttyname(self.slave)
        attrs = termios.tcgetattr(self.slave)
        attrs[2] = (attrs[2] & ~termios.CSIZE) | termios.CS7 | termios.PARENB | termios.CSTOPB
        attrs[4] = attrs[5] = termios.B38400
        termios.tcsetattr(self.slave, termios.TCSANOW, attrs)
        return self

    def __exit__(self, *exc):
        os.close(self.slave)
        os.close(self.master)

    def read_until(self, byte, timeout):
        received = b""
        deadline = time.monotonic() + timeout
        while byte not in received and time.monotonic() < deadline:
            ready, _, _ = select.select([self.master], [], [], 0.2)
            if ready:
                received += os.read(self.master, 4096)
        return received


def check(condition, what):
    if not condition:
        raise AssertionError(what)


def text(output):
    return output.decode("utf-8", errors="replace")


class Flows:
    def __init__(self, args, work):
        self.build = args.build
        self.linux_app = os.path.join(args.linux_build, "src", "app", "bilvex-config")
        self.linux_send = os.path.join(args.linux_build, "src", "cli", "bilvex-send")
        self.sim = os.path.join(args.linux_build, "tools", "unit-sim", "bilvex-unit-sim")
        self.serial_tools = args.serial_tools
        self.qt = args.qt
        self.work = work
        self.wine = Wine(self.build, os.path.join(self.build, "wine"))

    def package(self):
        """The ZIP unpacked, as an installer unpacks it."""
        archive = glob.glob(os.path.join(self.build, "bilvex-config-*-windows-x64.zip"))
        check(len(archive) == 1, f"one ZIP expected in {self.build}, found {archive}")
        with zipfile.ZipFile(archive[0]) as zipped:
            zipped.extractall(self.work)
        return os.path.join(self.work, os.path.basename(archive[0])[:-len(".zip")])

    def linux_first_file(self):
        """The file the Linux build writes at its first start."""
        config = os.path.join(self.work, "linux-config")
        if os.path.isdir(config):
            shutil.rmtree(config)
        os.makedirs(os.path.join(config, "bilvex", "ports"))
        with PseudoTerminal() as line:
            os.symlink(line.name, os.path.join(config, "bilvex", "ports", "com1"))
            # Qt makes a runtime folder where none is set (/tmp/runtime-USER): here, in the work folder.
            env = dict(os.environ, XDG_CONFIG_HOME=config, QT_QPA_PLATFORM="offscreen",
                       XDG_RUNTIME_DIR=os.path.join(self.work, "runtime"))
            subprocess.run([self.linux_app, "--screenshot", os.path.join(self.work, "linux.png")],
                           env=env, capture_output=True, timeout=60, check=True)
        with open(os.path.join(config, "bilvex", SETTINGS), "rb") as written:
            return written.read()

    def settings_with(self, changes):
        lines = self.linux_first_file().split(b"\r\n")
        for number, value in changes.items():
            lines[number - 1] = value
        with open(self.wine.drive_c(SETTINGS), "wb") as settings:
            settings.write(b"\r\n".join(lines))

    def screenshot(self, program):
        picture = os.path.join(self.work, "window.png")
        with Xvfb() as screen:
            result = self.wine.run(windows_path(program), "--screenshot", windows_path(picture),
                                   extra_env={"DISPLAY": screen.display})
        check(result.returncode == 0, f"{program} ended with {result.returncode}: {text(result.stderr)}")
        check(os.path.getsize(picture) > 1000, "no picture of the window")

    def run_send(self, package, *args):
        """The ZIP's bilvex-send, to its end. Every exit but 0 of bilvex-send says why on stderr:
        an exit 1 with no word at all is Wine failing to start the process on a server that
        was just started (its message hidden by WINEDEBUG=-all), and it is tried once more."""
        send = windows_path(os.path.join(package, "bilvex-send.exe"))
        result = self.wine.run(send, *args)
        if result.returncode == 1 and not result.stdout and not result.stderr:
            result = self.wine.run(send, *args)
        return result

    def remove_settings(self):
        if os.path.exists(self.wine.drive_c(SETTINGS)):
            os.remove(self.wine.drive_c(SETTINGS))

    def first_start(self):
        package = self.package()
        self.wine.run("cmd", "/c", "exit")  # the prefix exists from here on
        self.remove_settings()
        with PseudoTerminal() as line:
            self.wine.map_com1(line.name)
            self.screenshot(os.path.join(package, "bilvex-config.exe"))
        with open(self.wine.drive_c(SETTINGS), "rb") as written:
            windows = written.read()
        check(len(windows) == 24942, f"the first file has {len(windows)} bytes")
        check(windows == self.linux_first_file(), "the Windows first file differs from the Linux one")

    def turkish_file_reads_back(self):
        package = self.package()
        self.wine.run("cmd", "/c", "exit")
        self.settings_with({PORT_LINE: b"200", FIRST_START_LINE: b" 123"})
        with open(self.wine.drive_c(SETTINGS), "rb") as before:
            saved = before.read()
        check(b"Haberle\xfeme" in saved, "the file holds no Turkish letters")
        result = self.run_send(package, "buttons")
        said = text(result.stderr)
        check(result.returncode == 3, f"bilvex-send ended with {result.returncode}: {said}")
        check("200 Numaralı Com Port açık değil. Gönderim yapılamadı." in said, said)
        check("Aygıt: COM200" in said, said)
        # The record would replace the file it names: never the settings file, by any name,
        # a name longer than MAX_PATH included.
        deep = ["a" * 150, "b" * 150]
        os.makedirs(self.wine.drive_c(*deep), exist_ok=True)
        far = "C:\\" + "\\".join(deep) + "\\..\\..\\" + SETTINGS.upper()
        for trace, refusal in (("c:\\zemra_bilvex_polynet_ver_3_04.TXT", "gönderimin okuduğu dosyanın kendisi"),
                               (far, "gönderimin okuduğu dosyanın kendisi"),
                               ("C:\\windows", "sıradan bir dosya değil")):
            result = self.run_send(package, "--trace", trace, "clock")
            check(result.returncode == 2 and refusal in text(result.stderr), f"--trace {trace}: {result.returncode}, "
                                                                            f"{text(result.stderr)}")
        with open(self.wine.drive_c(SETTINGS), "rb") as after:
            check(after.read() == saved, "a refused trace changed the settings file")
        with PseudoTerminal() as line:
            self.wine.map_com1(line.name)
            self.screenshot(os.path.join(package, "bilvex-config.exe"))
        with open(self.wine.drive_c(SETTINGS), "rb") as after:
            check(after.read() == saved, "the window changed the file at its start")

    def report_without_window(self):
        """bilvex-config.exe --report: the site's PDF from the command line, no window shown;
        its text holds the file's values, Turkish letters included."""
        package = self.package()
        self.wine.run("cmd", "/c", "exit")
        self.settings_with({FIRST_START_LINE: b" 123"})
        pdf = self.wine.drive_c("rapor.pdf")
        with Xvfb() as screen:
            result = self.wine.run(windows_path(os.path.join(package, "bilvex-config.exe")), "--report",
                                   "C:\\rapor.pdf", extra_env={"DISPLAY": screen.display})
        check(result.returncode == 0, f"--report ended with {result.returncode}: {text(result.stderr)}")
        said = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, check=True).stdout
        # A window program: its words reach whoever started it all the same.
        version = self.wine.run(windows_path(os.path.join(package, "bilvex-config.exe")), "--version")
        check(text(version.stdout).startswith("bilvex-config "), f"--version said {version.stdout!r}")
        check("1. Buton" in text(said) and "Kapalı" in text(said) and " 123 " in text(said), text(said)[:1500])

    def latency_timer(self):
        """bilvex-config.exe --set-latency, what the window's "Düzelt" runs with administrator
        rights: it writes LatencyTimer beside the PortName it is given in FTDI's registry key
        and nowhere else, refuses a malformed line untouched, and says when no adapter has
        that name. The build's own program: the command needs nothing the package adds."""
        self.wine.keep_up()
        try:
            for instance, port in (("0000", "COM7"), ("0001", "COM71")):
                self.plant_ftdi_port(instance, port, 16)
            program = windows_path(os.path.join(self.build, "bilvex-config.exe"))
            # In this order: the exit 1 comes from a server that has just run the program.
            for args, status, com7, com71 in (
                    (("--set-latency", "COM7", "17"), 2, 16, 16),
                    (("--set-latency", "COM7", "1", "--settings", "C:\\x.txt"), 2, 16, 16),
                    (("--set-latency", "COM7", "1"), 0, 1, 16),
                    (("--set-latency", "COM8", "1"), 1, 1, 16)):
                result = self.wine.run(program, *args, timeout=60, extra_env={"BILVEX_PACKAGED": ""})
                check(result.returncode == status, f"{args}: ended with {result.returncode}, expected {status}")
                timers = (self.ftdi_latency("0000"), self.ftdi_latency("0001"))
                check(timers == (com7, com71), f"{args}: the timers of COM7 and COM71 are {timers}")
        finally:
            self.wine.run("reg", "delete", FTDI_ADAPTER, "/f")

    def plant_ftdi_port(self, instance, port, latency):
        """An instance of the adapter as FTDI's driver leaves it in the registry."""
        key = FTDI_ADAPTER + "\\" + instance + r"\Device Parameters"
        for value, kind, data in (("PortName", "REG_SZ", port), ("LatencyTimer", "REG_DWORD", str(latency))):
            result = self.wine.run("reg", "add", key, "/v", value, "/t", kind, "/d", data, "/f")
            check(result.returncode == 0, f"reg add {value} failed: {text(result.stderr)}")

    def ftdi_latency(self, instance):
        key = FTDI_ADAPTER + "\\" + instance + r"\Device Parameters"
        said = text(self.wine.run("reg", "query", key, "/v", "LatencyTimer").stdout)
        found = re.search(r"LatencyTimer\s+REG_DWORD\s+0x([0-9a-fA-F]+)", said)
        check(found, f"no LatencyTimer in {said!r}")
        return int(found.group(1), 16)

    def value_beyond_16_bits(self):
        package = self.package()
        self.wine.run("cmd", "/c", "exit")
        self.settings_with({FIRST_LIMIT_LINE: b"70000"})
        result = self.run_send(package, "buttons")
        said = text(result.stderr)
        check(result.returncode == 2, f"bilvex-send ended with {result.returncode}: {said}")
        check("Dosya okuma fonksiyonu. Hata Kodu:  6" in said, said)

    def com_port_line_settings(self):
        package = self.package()
        send = windows_path(os.path.join(package, "bilvex-send.exe"))
        self.wine.run("cmd", "/c", "exit")
        self.settings_with({})  # whatever an earlier flow left there
        with PseudoTerminal() as line:
            self.wine.map_com1(line.name)
            listing = text(self.wine.run(send, "--list-ports").stdout).splitlines()
            check(any(row.startswith("COM1\t") for row in listing), f"COM1 not listed: {listing}")
            sending = self.wine.run(send, "--port", "COM1", "--timeout", "1", "buttons", wait=False)
            received = line.read_until(b"\xaa", timeout=60)
            attrs = termios.tcgetattr(line.slave)
            _, said = sending.communicate(timeout=120)
            status = sending.returncode
        check(b"\xaa" in received, f"no start byte on the line: {received!r}; bilvex-send ended with "
                                   f"{status}: {text(said)}")
        check(attrs[4] == termios.B9600 and attrs[5] == termios.B9600, "not 9600 baud")
        check(attrs[2] & termios.CSIZE == termios.CS8, "not 8 data bits")
        check(not attrs[2] & (termios.PARENB | termios.CSTOPB), "parity or two stop bits")
        # No echo reaches a Windows program through Wine: the unit counts as silent.
        check(status == 4, f"bilvex-send ended with {status}")

    # --- whole transfers, through the Wine serial tools -----------------------------------
    def send_from_windows(self, package, unit, *what):
        """The Windows bilvex-send on COM1, which leads to the unit; its finished process."""
        self.serial_prefix(unit)
        send = windows_path(os.path.join(package, "bilvex-send.exe"))
        for _ in range(2):
            result = self.wine.run(self.launcher(), send, "--port", "COM1", *what, timeout=240,
                                   extra_env=self.serial_env())
            # The launcher itself failed to create the process (Wine's error 1359, seen once on
            # a fresh server): that is the test tool's, and it is tried once more.
            if not (result.returncode == 126 and b"wcerun: cannot start" in result.stderr):
                break
        return result

    def start_from_windows(self, program, unit, extra_env):
        """A Windows program with COM1 leading to the unit, running; its process."""
        self.serial_prefix(unit)
        return self.wine.run(self.launcher(), windows_path(program), wait=False,
                             extra_env=dict(self.serial_env(), **extra_env))

    def serial_prefix(self, unit):
        self.wine.map_com1(unit.device)
        self.wine.start_server()
        self.wine.run("cmd", "/c", "exit")  # the prefix's services up before the launcher runs

    def launcher(self):
        return windows_path(os.path.join(self.serial_tools, "wcerun.exe"))

    def serial_env(self):
        return {"LD_PRELOAD": os.path.join(self.serial_tools, "ptyserial.so")}

    def unit(self, name, *options):
        return SimulatedUnit(self.sim, os.path.join(self.work, name + ".bin"), *options)

    def transfers_match_linux(self):
        """What the unit receives from the Windows build is what the Linux build sends."""
        package = self.package()
        self.wine.run("cmd", "/c", "exit")
        self.settings_with({FIRST_START_LINE: b" 123"})
        layout = os.path.join(self.work, "bilet.txt")
        with open(layout, "wb") as written:
            written.write(b"'BILET',13,10,&H1B,64\r\n")
        for what, windows_what in (("buttons", "buttons"), ("clock", "clock"),
                                   ("ticket=" + layout, "ticket=" + windows_path(layout))):
            with self.unit("windows") as unit:
                result = self.send_from_windows(package, unit, windows_what)
                from_windows = unit.received()
            check(result.returncode == 0, f"{what}: bilvex-send.exe ended with {result.returncode}: "
                                          f"{text(result.stderr)}")
            with self.unit("linux") as unit:
                subprocess.run([self.linux_send, "--settings", self.wine.drive_c(SETTINGS), "--port", unit.device,
                                what], capture_output=True, timeout=120, check=True)
                from_linux = unit.received()
            if what == "clock":
                # The time differs by the seconds between the two runs: the frame's shape must not.
                def shape(frame):
                    return [(frame[k], frame[k + 1], frame[k + 3]) for k in range(1, len(frame), 4)]
                check(len(from_windows) == 25 and shape(from_windows) == shape(from_linux), f"{from_windows!r}")
            else:
                check(from_windows == from_linux, f"{what}: {len(from_windows)} bytes, the Linux build "
                                                  f"sent {len(from_linux)}")

    def answers_in_pieces(self):
        """An answer whose second byte comes 1.5 ms after its first is one answer, and an echo
        with a stray byte 1 ms behind it is one wrong answer, not two: as on Linux."""
        package = self.package()
        self.wine.run("cmd", "/c", "exit")
        self.settings_with({})
        for options, status, summary in ((("--split-start-answer", "--late-gap", "1.5"), 0, "0 hatalı yankı"),
                                         (("--stray-at", "100", "--late-gap", "1"), 1, "1 hatalı yankı")):
            with self.unit("pieces", "--pace", *options) as unit:
                result = self.send_from_windows(package, unit, "buttons")
            said = text(result.stderr)
            check(result.returncode == status and f"2079/2079 bayt, {summary}" in said,
                  f"{options}: {result.returncode}: {said}")

    def window_sends_buttons(self):
        """The operator's click on "Buton Ayarlarını Gönder" in the Windows window: the unit's
        record is what the Linux build sends for the same file. No accessibility bus reaches a
        Windows program under Wine, so the click goes to the button's place, which the window
        fixes (Frame2 at 472,8 below the menu bar, about 20 high; the button at 144,424 in the
        frame, 185 by 41). The record of the send is what bilvex-send --history then prints."""
        package = self.package()
        self.wine.run("cmd", "/c", "exit")
        self.settings_with({FIRST_START_LINE: b" 123"})
        # The prefix's earlier flows sent from the same file: their records go.
        for record in glob.glob(self.wine.drive_c("users", "*", "AppData", "Local", "bilvex", "yedekler", "*",
                                                  "gonderimler.txt")):
            os.remove(record)
        with self.unit("window") as unit, Xvfb() as screen:
            program = self.start_from_windows(os.path.join(package, "bilvex-config.exe"), unit,
                                              extra_env={"DISPLAY": screen.display})
            try:
                window = self.x_window(screen, MAIN_TITLE)
                self.x_do(screen, "mousemove", "--window", window, "708", "472", "click", "1")
                deadline = time.monotonic() + 120
                while len(unit.received()) < 1 + 2079 and time.monotonic() < deadline:
                    time.sleep(0.5)
                from_window = unit.received()
                self.x_do(screen, "windowfocus", "--sync", window, "key", "alt+F4")
                status = program.wait(60)
            finally:
                if program.poll() is None:
                    program.kill()
                    self.wine.stop()
            # The window's taskbar progress went through a shell that may lack it; the transfer
            # was whole, and its record reads back through the Windows bilvex-send.
            history = self.send_from_windows(package, unit, "--history")
        with self.unit("linux") as unit:
            subprocess.run([self.linux_send, "--settings", self.wine.drive_c(SETTINGS), "--port", unit.device,
                            "buttons"], capture_output=True, timeout=120, check=True)
            from_linux = unit.received()
        check(from_window == from_linux, f"the window sent {len(from_window)} bytes, the Linux build "
                                         f"{len(from_linux)}")
        rows = [row.split("\t")[1:] for row in text(history.stdout).splitlines()]
        check(history.returncode == 0 and rows == [["butonlar", "COM1", "2.079/2.079", "0", "tam"]],
              f"{history.returncode}: {rows} {text(history.stderr)}")
        check(status == 0, f"bilvex-config.exe ended with {status}")

    def x_do(self, screen, *args):
        return subprocess.run(["xdotool", *args], env=dict(os.environ, DISPLAY=screen.display),
                              capture_output=True, text=True, timeout=30)

    def x_window(self, screen, title):
        deadline = time.monotonic() + 120
        while time.monotonic() < deadline:
            found = self.x_do(screen, "search", "--onlyvisible", "--name", "^" + re.escape(title) + "$").stdout.split()
            if found:
                return found[0]
            time.sleep(0.5)
        raise AssertionError(f"no window titled {title}")

    def line_lost(self):
        """The unit's end of the line closes mid-upload: the loss is told, the status is 4."""
        package = self.package()
        self.wine.run("cmd", "/c", "exit")
        self.settings_with({})
        with self.unit("lost", "--hangup-after", "300") as unit:
            result = self.send_from_windows(package, unit, "buttons")
        said = text(result.stderr)
        check(result.returncode == 4 and "Com Port bağlantısı kesildi." in said, f"{result.returncode}: {said}")

    def installer(self):
        setup = glob.glob(os.path.join(self.build, "bilvex-config-*-setup.exe"))
        check(len(setup) == 1, f"one setup expected, found {setup}")
        self.wine.run("cmd", "/c", "exit")
        result = self.wine.run(windows_path(setup[0]), "/S")
        check(result.returncode == 0, f"the setup ended with {result.returncode}")
        folder = self.wine.drive_c("Program Files", "Bilvex Ayar")
        program = os.path.join(folder, "bilvex-config.exe")
        check(os.path.exists(program), "nothing installed in Program Files")
        check(self.start_menu_entry("Bilvex Ayar.lnk"), "no Start-menu entry")
        key = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Bilvex Ayar"
        check(self.wine.run("reg", "query", key).returncode == 0, "no uninstaller entry")
        self.remove_settings()
        with PseudoTerminal() as line:
            self.wine.map_com1(line.name)
            self.screenshot(program)
        check(os.path.exists(self.wine.drive_c(SETTINGS)), "the installed program wrote no settings")
        self.wine.run(windows_path(os.path.join(folder, "Uninstall.exe")), "/S")
        deadline = time.monotonic() + 60
        while os.path.exists(program) and time.monotonic() < deadline:
            time.sleep(0.5)
        check(not os.path.exists(program), "the uninstaller left the program")
        check(os.path.exists(self.wine.drive_c(SETTINGS)), "the uninstaller removed the settings file")

    def start_menu_entry(self, name):
        """Where a setup puts its shortcut: the machine's Start menu or the user's. Never a
        walk through drive C: the user folders there are links into $HOME, and from the
        prefix's dosdevices z: leads to / itself."""
        menus = [self.wine.drive_c("ProgramData", "Microsoft", "Windows", "Start Menu")]
        users = self.wine.drive_c("users")
        for user in os.listdir(users) if os.path.isdir(users) else []:
            menus.append(os.path.join(users, user, "AppData", "Roaming", "Microsoft", "Windows", "Start Menu"))
        for menu in menus:
            for folder, _, files in os.walk(menu, followlinks=False):
                if name in files:
                    return os.path.join(folder, name)
        return None

    def standard_user_save(self):
        """A user who may not create files in C:\\: he saves into the administrator's file there
        where he may change it, else into his VirtualStore copy, which he then reads."""
        root = os.geteuid() == 0
        home = tempfile.mkdtemp(prefix="bilvex-standard-user-")
        os.chmod(home, 0o755)
        user = ["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups"] if root else []
        programs = os.path.join(home, "programs")
        os.mkdir(programs)
        for library in ("Qt6Core.dll", "Qt6Test.dll"):
            shutil.copy(os.path.join(self.qt, "bin", library), programs)
        for library in glob.glob("/usr/lib/gcc/x86_64-w64-mingw32/12-posix/lib*.dll") + \
                ["/usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll"]:
            shutil.copy(library, programs)
        shutil.copy(os.path.join(self.build, "tst_settings_in_place_win.exe"), programs)
        shutil.copy(os.path.join(self.build, "wine-run"), home)
        if root:
            for folder, _, files in os.walk(home):
                for name in [folder] + [os.path.join(folder, f) for f in files]:
                    os.chown(name, NOBODY, NOBODY)
        wine = Wine(home, os.path.join(home, "prefix"), user, home=home)
        drive_c = wine.drive_c()
        settings = wine.drive_c(SETTINGS)
        test = windows_path(os.path.join(programs, "tst_settings_in_place_win.exe"))
        try:
            wine.run("cmd", "/c", "exit")
            if root:
                os.chown(drive_c, 0, 0)
            os.chmod(drive_c, 0o755 if root else 0o555)
            # The C:\ file each case finds: the users' to change, the administrator's alone, none.
            for mode, case in ((0o666, "writableFileIsRewrittenInPlace"), (0o644, "virtualStoreCopyIsTheFile"),
                               (None, "firstStartCreatesTheVirtualStoreCopy")):
                if mode is None:
                    os.chmod(drive_c, 0o755)
                    os.remove(settings)
                    os.chmod(drive_c, 0o755 if root else 0o555)
                else:
                    os.chmod(drive_c, 0o755)
                    with open(settings, "wb") as written:
                        written.write(self.linux_first_file())
                    if root:
                        os.chown(settings, 0, 0)
                    os.chmod(settings, mode if root else (0o666 if mode == 0o666 else 0o444))
                    os.chmod(drive_c, 0o755 if root else 0o555)
                result = wine.run(test, case, extra_env={"BILVEX_STANDARD_USER": "1"})
                report = text(result.stdout)
                check(result.returncode == 0 and ", 0 skipped" in report, case + ": " + report + text(result.stderr))
        finally:
            os.chmod(drive_c, 0o755)
            wine.stop()
            shutil.rmtree(home, ignore_errors=True)


def main():
    # The Xvfb started here keeps no shader cache in the user's home.
    os.environ["MESA_SHADER_CACHE_DISABLE"] = "true"
    parser = argparse.ArgumentParser()
    parser.add_argument("flow")
    parser.add_argument("--build", required=True)
    parser.add_argument("--linux-build", required=True)
    parser.add_argument("--serial-tools", required=True)
    parser.add_argument("--qt", required=True)
    args = parser.parse_args()
    work = tempfile.mkdtemp(prefix="bilvex-wine-flow-")
    try:
        getattr(Flows(args, work), args.flow)()
    except AssertionError as failure:
        print(f"{args.flow}: {failure}", file=sys.stderr)
        return 1
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print(f"{args.flow}: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
