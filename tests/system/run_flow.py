#!/usr/bin/python3
"""System tests: the built bilvex-config under Xvfb with Qt's own dialogs, driven over the
accessibility bus and the X server as an operator drives it, bilvex-unit-sim as the unit.

    run_flow.py FLOW --app BILVEX_CONFIG --sim BILVEX_UNIT_SIM
"""

import argparse
import os
import signal
import sys
import tempfile

from desktop import Desktop, wait_for
from program import Atspi, GLib
from program import Program, find_all, is_showing, write_file
from unit import START_BYTE, Unit, button_image, ticket_image
from document_flows import FLOWS as DOCUMENT_FLOWS
from sheet_flows import FLOWS as SHEET_FLOWS
from unit_flows import FLOWS as UNIT_FLOWS
from workbench_flows import FLOWS as WORKBENCH_FLOWS, backup_copies

MAIN_TITLE = "ZEMRA BILVEX Polynet Ver 3.04   ZEMRA Ruvozivira Ltd."
EDITOR_TITLE = "Bilet Yükleme Editörü Ver 3.04  ZEMRA Ruvozivira Ltd"
SHOWN_PATH = "C:\\ZEMRA_Bilvex_Polynet_Ver_3_04.txt"
NOT_FOUND = f"Hata kodu:53    {SHOWN_PATH} isimli dosya bulunamadı. Yeni bir dosya oluşturulacak."
CUT_SHORT = (f"Hata kodu:62   Hatalı formatta dosya. {SHOWN_PATH} isimli dosyayı harddiskten silip "
             "tekrar deneyiniz")
OVERFLOW = "Dosya okuma fonksiyonu. Hata Kodu:  6"
BACKED_UP = "Dosya, bulunduğu hâliyle şuraya yedeklendi: "
PORT_IN_USE = "1 Numaralı Com Port açık. Tekrar deneyiniz."
NO_LAYOUT = "Önce bir bilet dosyası açınız."
SLOW_LINE = "Hat uyarısı"
DONE = "%  100"
NO_PORTS = "Bu bilgisayarda seri port bulunamadı. USB seri adaptörünü takıp Yenile'ye basınız."
LAYOUT = b"'BILET',13,10,&H1B,64\r\n"
LAYOUT_BYTES = b"BILET\r\n\x1b\x40"


class Run:
    """One flow's world: a settings folder, the unit on COM1, the program."""

    def __init__(self, desktop, args, folder):
        self.desktop, self.args, self.folder = desktop, args, folder
        self.unit = None
        self.programs = []

    def settings_file(self):
        return os.path.join(self.folder, "bilvex", "ZEMRA_Bilvex_Polynet_Ver_3_04.txt")

    def start_unit(self, *faults):
        self.unit = Unit(self.args.sim, self.folder, *faults)
        return self.unit

    def start_program(self, *args):
        program = Program(self.desktop, self.args.app, self.folder, args)
        self.programs.append(program)
        return program

    def first_start(self):
        """A program started without a settings file, the not-found box answered."""
        program = self.start_program()
        assert program.answer_box("Tamam") == [NOT_FOUND]
        return program, program.window("filler", MAIN_TITLE)

    def close(self):
        """Stops what still runs; the exit status of each program."""
        statuses = [program.stop() for program in self.programs]
        if self.unit:
            self.unit.stop()
        return statuses


def progress(program, window, panel=None):
    """The caption of the progress label directly in `window` or in its frame `panel`."""
    holder = window if panel is None else program.control(window, "panel", panel)
    for child in (holder.get_child_at_index(i) for i in range(holder.get_child_count())):
        if child.get_role_name() == "label" and child.get_name().startswith("%"):
            return child.get_name()
    raise AssertionError("no progress label")


def wait_progress(program, window, panel, caption):
    wait_for(f"progress {caption}", lambda: progress(program, window, panel) == caption, 60)


def wait_alone(program, title):
    """Until the window titled so is the program's only one showing."""
    wait_for(f"only '{title}' showing", lambda: showing_titles(program) == [title])


def wait_ticket_shown(editor_window):
    ticket = find_all(editor_window, "text")[0]
    wait_for("the ticket shown", lambda: "BILET" in Atspi.Text.get_text(ticket, 0, -1))


def showing_titles(program):
    return sorted(title for _, title in program.windows())


# --- flows -----------------------------------------------------------------------------------

def first_start_without_settings(run):
    program, window = run.first_start()
    assert showing_titles(program) == [MAIN_TITLE]
    with open(run.settings_file(), "rb") as f:
        saved = f.read()
    assert len(saved) == 24942 and saved.count(b"\r\n") == 4599, len(saved)


def button_send(run):
    unit = run.start_unit()
    program, window = run.first_start()
    program.press(window, "check box", "Buton Kapalı")
    program.press(window, "push button", "Başlangıç Sayısı: +1")
    program.press(window, "push button", "Buton Ayarlarını Gönder")
    unit.wait_for_bytes(1 + 2079)
    wait_progress(program, window, "Buton Ayarları", DONE)
    assert unit.quiet() == bytes([START_BYTE]) + button_image({0: 1}, {0: 100})[:2079]
    with open(run.settings_file(), "rb") as f:
        lines = f.read().split(b"\r\n")
    assert (lines[44], lines[78]) == (b" 100", b" 1"), "saved before the transfer"
    assert not find_all(window, "label", SLOW_LINE), "a healthy line named slow"


def slow_adapter(run):
    """An adapter that holds each echo 16 ms: the window says so while the upload goes on."""
    unit = run.start_unit("--echo-delay", "16")
    program, window = run.first_start()
    program.press(window, "push button", "Buton Ayarlarını Gönder")

    def hint_text():
        try:
            return "".join(hint.get_description() for hint in find_all(window, "label", SLOW_LINE))
        except GLib.GError:  # the line was being laid out
            return ""
    said = wait_for("the slow-line hint", hint_text)
    assert said.startswith("Hat yavaş: bayt başına ") and "latency_timer" in said, said
    # The serial port's low-latency flag already does here what the button does on Windows.
    assert not find_all(window, "push button", "Düzelt"), "a fix offered on Linux"
    assert [role for role, _ in program.windows()] == ["filler"], "a box instead of a line"
    before = len(unit.received())
    wait_for("the upload going on", lambda: len(unit.received()) > before + 20)


def terminal_send(run):
    unit = run.start_unit()
    program, window = run.first_start()
    slots = find_all(program.control(window, "panel", "Terminal Öncelik Ayarları"), "combo box", "Yok")
    program.choose(slots[1], "3. Buton")
    program.press(window, "push button", "Terminal Ayarlarını Gönder")
    # Terminal 1's group numbers come first, slot s at address s; then a zero gap.
    expected = b"".join(bytes([0xAA, 3 if s == 1 else 0, 0, s, 0xA0]) for s in range(32)) + bytes(20)
    received = unit.wait_for_bytes(1 + len(expected))
    assert received[:1 + len(expected)] == bytes([START_BYTE]) + expected
    wait_for("progress shown", lambda: progress(program, window, "Terminal Öncelik Ayarları") != "%0")
    program.assert_running()


def clock_send(run):
    unit = run.start_unit()
    program, window = run.first_start()
    program.press(window, "push button", "Tarih-Saat Ayarla")
    wait_progress(program, window, None, DONE)
    received = unit.quiet()
    assert len(received) == 1 + 24, len(received)
    records = [received[1 + 4 * k:5 + 4 * k] for k in range(6)]
    # The DS1307's seconds, minutes, hours, day, month and year registers.
    assert [(r[0], r[1], r[3]) for r in records] == [(0xB4, reg, 0xBE) for reg in (0, 1, 2, 4, 5, 6)]


def editor(run):
    unit = run.start_unit()
    program, main = run.first_start()
    layout = os.path.join(run.folder, "bilet.txt")
    write_file(layout, LAYOUT)
    program.press(main, "push button", "Bilet Datası Yükleme")
    editor_window = program.window("filler", EDITOR_TITLE)
    assert showing_titles(program) == [EDITOR_TITLE]
    send = program.control(editor_window, "push button", "Ana Kumanda Ünitesine gönder")

    program.click(send)
    assert program.answer_box("Tamam") == [NO_LAYOUT]
    wait_alone(program, EDITOR_TITLE)

    program.press(editor_window, "push button", "Dosya Aç")
    program.press(program.window("dialog"), "push button", "İptal")
    wait_alone(program, EDITOR_TITLE)

    program.press(editor_window, "push button", "Dosya Aç")
    dialog = program.window("dialog")
    program.type_into(program.control(dialog, "text", "Dosya adı:"), layout)
    wait_for("the dialog to close", lambda: not is_showing(dialog))
    wait_ticket_shown(editor_window)
    assert showing_titles(program) == [EDITOR_TITLE]

    program.click(send)
    assert program.window("alert").get_name() == "Ticket Number"
    program.answer_box("Hayır")
    assert unit.quiet() == b"", "No sends nothing"
    program.click(send)
    program.answer_box("Evet")
    unit.wait_for_bytes(1 + 1280)
    wait_progress(program, editor_window, None, DONE)
    assert unit.quiet() == bytes([START_BYTE]) + ticket_image(LAYOUT_BYTES, 0)

    program.press(editor_window, "push button", "GERİ DÖN")
    program.window("filler", MAIN_TITLE)
    assert showing_titles(program) == [MAIN_TITLE]
    program.press(main, "push button", "Bilet Datası Yükleme")
    program.window("filler", EDITOR_TITLE)
    program.close_window(EDITOR_TITLE)
    wait_alone(program, MAIN_TITLE)

    program.press(main, "push button", "Tarih-Saat Ayarla")
    unit.wait_for_bytes(1 + 1280 + 1 + 24)
    wait_progress(program, main, None, DONE)


def echo_error(run, over_editor):
    unit = run.start_unit("--wrong-echo-at", "1")
    program, main = run.first_start()
    if over_editor:
        layout = os.path.join(run.folder, "bilet.txt")
        write_file(layout, LAYOUT)
        program.press(main, "push button", "Bilet Datası Yükleme")
        window = program.window("filler", EDITOR_TITLE)
        program.press(window, "push button", "Dosya Aç")
        program.type_into(program.control(program.window("dialog"), "text", "Dosya adı:"), layout)
        wait_ticket_shown(window)
        program.press(window, "push button", "Ana Kumanda Ünitesine gönder")
        program.answer_box("Evet")
        image, title = ticket_image(LAYOUT_BYTES, 0), EDITOR_TITLE
    else:
        window = main
        program.press(window, "push button", "Buton Ayarlarını Gönder")
        image, title = button_image({}, {})[:2079], MAIN_TITLE
    sent, total = image[1], 1 + len(image)

    alert, text = program.box()
    assert len(text) == 1 and text[0].startswith(f"Yükleme Hatası! Gönderilen:' {sent}' Yüklenen:'"), text
    assert showing_titles(program) == sorted([title, alert.get_name()])
    program.answer_box("Tamam")
    unit.wait_for_bytes(total)
    wait_progress(program, window, None if over_editor else "Buton Ayarları", DONE)
    assert len(unit.quiet()) == total
    assert not [w for w in program.windows() if w[0] == "alert"], "one box only"
    assert showing_titles(program) == [title]


def start_refused(run, cause):
    if cause == "cut short":
        write_file(run.settings_file(), b"Zemra Ruvozivira Ltd\r\n" * 10)
        expected = CUT_SHORT
    else:
        run.start_unit()
        holder = run.first_start()[0]
        expected = PORT_IN_USE
        assert holder.running()
    program = run.start_program()
    alert, text = program.box()
    assert text == [expected], text
    assert [role for role, _ in program.windows()] == ["alert"], "no window before the box"
    program.press(alert, "push button", "Tamam")
    assert program.wait_exit() == 0


def damaged_settings_kept(run):
    """A file read only in part: the box names a copy of it as found, and the save before the
    send, which writes the partial values, leaves that copy as it was."""
    unit = run.start_unit()
    first, _ = run.first_start()
    run.programs.remove(first)
    assert first.stop() == 0
    with open(run.settings_file(), "rb") as f:
        lines = f.read().split(b"\r\n")
    lines[149] = b" 40000"
    damaged = b"\r\n".join(lines)
    write_file(run.settings_file(), damaged)
    program = run.start_program()
    [text] = program.answer_box("Tamam")
    [backup] = backup_copies(run)
    assert text == f"{OVERFLOW}\n{BACKED_UP}{backup}", text
    window = program.window("filler", MAIN_TITLE)
    program.press(window, "push button", "Buton Ayarlarını Gönder")
    unit.wait_for_bytes(1 + 2079)
    with open(run.settings_file(), "rb") as f:
        assert f.read() != damaged, "saved before the transfer"
    with open(backup, "rb") as f:
        assert f.read() == damaged, "the copy is the file as found"


def close_main_after_editor(run):
    program, main = run.first_start()
    program.press(main, "push button", "Bilet Datası Yükleme")
    editor_window = program.window("filler", EDITOR_TITLE)
    program.press(editor_window, "push button", "GERİ DÖN")
    program.window("filler", MAIN_TITLE)
    program.close_window(MAIN_TITLE)
    assert program.wait_exit() == 0


def lock_files(device):
    """Qt's lock files for the device, in the folders Qt's serial port puts them."""
    name = "LCK.." + device[len("/dev/"):].replace("/", "_")
    found = (os.path.join(folder, name) for folder in ("/var/lock", "/run/lock", "/tmp", "/var/tmp"))
    return sorted({os.path.realpath(path) for path in found if os.path.exists(path)})


def stopped_by_logout(run):
    """A logout's SIGTERM: the program ends by itself, closing the port and removing Qt's
    lock file, so the next program (of any user) opens the port."""
    unit = run.start_unit()
    program, _ = run.first_start()
    locks = lock_files(unit.device)
    assert len(locks) == 1, f"the open port's lock file: {locks}"
    program.process.send_signal(signal.SIGTERM)
    assert program.wait_exit() == 0
    assert not os.path.exists(locks[0]), f"{locks[0]} left behind"
    second = run.start_program()
    second.window("filler", MAIN_TITLE)
    assert [role for role, _ in second.windows()] == ["filler"], second.report()


def port_picker_cancelled(run):
    program, main = run.first_start()
    with open(run.settings_file(), "rb") as f:
        saved = f.read()
    program.press(main, "push button", "Port Seç")
    dialog = program.window("dialog", "Port Seçimi")
    # This machine's ports, or the line that says there are none.
    listed = find_all(dialog, "table") or find_all(dialog, "label", NO_PORTS)
    assert listed, "neither ports nor the no-ports line"
    program.press(dialog, "push button", "İptal")
    wait_for("the picker to close", lambda: not is_showing(dialog))
    wait_alone(program, MAIN_TITLE)
    assert program.control(main, "text", "Haberleşme Com port").get_name() == "Haberleşme Com port"
    assert Atspi.Text.get_text(program.control(main, "text", "Haberleşme Com port"), 0, -1) == "1"
    with open(run.settings_file(), "rb") as f:
        assert f.read() == saved, "cancel changes nothing"
    assert not os.path.lexists(os.path.join(run.folder, "bilvex", "ports", "com1"))


FLOWS = {
    "first_start": first_start_without_settings,
    "button_send": button_send,
    "terminal_send": terminal_send,
    "clock_send": clock_send,
    "editor": editor,
    "echo_error_main": lambda run: echo_error(run, over_editor=False),
    "echo_error_editor": lambda run: echo_error(run, over_editor=True),
    "cut_short_settings": lambda run: start_refused(run, "cut short"),
    "port_in_use": lambda run: start_refused(run, "port in use"),
    "close_main_after_editor": close_main_after_editor,
    "port_picker_cancelled": port_picker_cancelled,
    "stopped_by_logout": stopped_by_logout,
    "slow_adapter": slow_adapter,
    "damaged_settings_kept": damaged_settings_kept,
    **WORKBENCH_FLOWS,
    **DOCUMENT_FLOWS,
    **SHEET_FLOWS,
    **UNIT_FLOWS,
}


def report_failure(run, flow, artifacts):
    """What the screen showed when a flow failed: the windows and their texts, a screenshot
    kept in the build folder, each program's error output and the bytes the unit received."""
    print(f"--- {flow} failed; what there was to see:", file=sys.stderr)
    for number, program in enumerate(run.programs, 1):
        print(f"program {number} (exit status {program.process.poll()}):", file=sys.stderr)
        for line in program.report():
            print(f"  {line}", file=sys.stderr)
        print("  its error output:\n" + program.stderr_text(), file=sys.stderr)
    if run.unit:
        received = run.unit.received()
        print(f"the unit received {len(received)} bytes, starting {received[:16].hex(' ')}, "
              f"ending {received[-16:].hex(' ')}", file=sys.stderr)
    os.makedirs(artifacts, exist_ok=True)
    picture = os.path.join(artifacts, f"{flow}.png")
    try:
        run.desktop.screenshot(picture)
        print(f"screenshot: {picture}", file=sys.stderr)
    except Exception as error:  # the flow's own failure is the one to raise
        print(f"no screenshot: {error}", file=sys.stderr)


def run_reported(run, args):
    """The flow; when it fails, what there was to see."""
    try:
        FLOWS[args.flow](run)
        # A program the flow did not see end must still be running.
        for program in run.programs:
            if program.process.returncode is None:
                program.assert_running()
    except GLib.GError as error:
        report_failure(run, args.flow, args.artifacts)
        ended = [p.process.poll() for p in run.programs]
        raise AssertionError(f"{error.message}; exit status of the programs: {ended}") from error
    except Exception:
        report_failure(run, args.flow, args.artifacts)
        raise


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("flow", choices=sorted(FLOWS))
    parser.add_argument("--app", required=True)
    parser.add_argument("--sim", required=True)
    parser.add_argument("--send", help="bilvex-send, for the flows that also use it")
    parser.add_argument("--artifacts", default=".", help="where a failed flow's screenshot goes")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory(prefix="bilvex-flow-") as folder, Desktop() as desktop:
        run = Run(desktop, args, folder)
        try:
            run_reported(run, args)
        except BaseException:
            run.close()
            raise
        # Every program ends in order, by itself or on the SIGTERM of a logout.
        statuses = run.close()
        assert statuses == [0] * len(statuses), f"exit status of the programs: {statuses}"
    print(f"{args.flow}: passed")


if __name__ == "__main__":
    sys.exit(main())
