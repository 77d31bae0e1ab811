""""Birim" as an operator uses it on a site visit: everything sent in one go, a stop, the
time left, and the record of what the unit got, read in the window, in "Gönderim Geçmişi"
and from bilvex-send."""

import os
import re
import subprocess
import time

from desktop import wait_for
from program import Atspi, find_all
from unit import START_BYTE, button_image, terminal_image
from workbench_flows import MAIN_TITLE, file_dialog, from_menu, read, through_file

BUTTONS, TERMINALS, CLOCK = 2079, 41919, 24
UNSENT = "Birime gönderilmemiş değişiklik: "


def line(program, window, name):
    """A status line's text, which assistive tools read as the line's description."""
    return program.control(window, "label", name).get_description()


def wait_line(program, window, name, expected, timeout=30):
    wait_for(f"{name}: {expected}", lambda: line(program, window, name) == expected, timeout)


def history_rows(program, window):
    """"Gönderim Geçmişi…" as the table lists it, closed again."""
    from_menu(program, window, "Birim", "Gönderim Geçmişi…")
    dialog = program.window("dialog", "Gönderim Geçmişi")
    table = program.control(dialog, "table", "Gönderim Geçmişi")
    rows = [[Atspi.Table.get_accessible_at(table, r, c).get_name() for c in range(6)]
            for r in range(Atspi.Table.get_n_rows(table))]
    program.press(dialog, "push button", "Kapat")
    return rows


def seconds_of(text):
    """"1 dk 52 sn" -> 112."""
    found = re.fullmatch(r"(?:(\d+) dk )?(\d+) sn", text)
    assert found, text
    return int(found.group(1) or 0) * 60 + int(found.group(2))


def terminal_time_left(program, window, unit, before):
    """The time left said at a quarter, half and three quarters of the terminal image, each
    against the time the rest of it then took; `before` bytes came ahead of its start byte."""
    said = {}
    for share in (0.25, 0.5, 0.75):
        unit.wait_for_bytes(before + 1 + int(TERMINALS * share), timeout=240)
        said[share] = (time.monotonic(), line(program, window, "Gönderim durumu"))
    unit.wait_for_bytes(before + 1 + TERMINALS, timeout=120)
    ended = time.monotonic()
    for share, (when, text) in said.items():
        found = re.fullmatch(r"Terminal ayarları gönderiliyor: [\d.]+ / 41\.919 bayt, kalan yaklaşık (.+)", text)
        assert found, text
        left, really = seconds_of(found.group(1)), ended - when
        assert abs(left - really) <= 0.1 * really + 1, f"at {share:.0%}: said {left} s, took {really:.1f} s"


def send_all_paced(run):
    """"Hepsini Gönder" on a line paced as 9600 baud: the buttons, the terminals and a clock
    frame, each whole and in that order; the time left said during the terminals is within a
    tenth of what it turns out to be."""
    unit = run.start_unit("--pace")
    program, window = run.first_start()
    from_menu(program, window, "Birim", "Hepsini Gönder")
    terminal_time_left(program, window, unit, 1 + BUTTONS)
    terminals_end = 1 + BUTTONS + 1 + TERMINALS
    wait_for("the last line", lambda: line(program, window, "Gönderim durumu").startswith("Hepsi gönderildi ("))
    received = unit.quiet()
    assert len(received) == terminals_end + 1 + CLOCK, len(received)
    assert received[:terminals_end] == (bytes([START_BYTE]) + button_image({}, {})[:BUTTONS] +
                                        bytes([START_BYTE]) + terminal_image({}, {})[:TERMINALS])
    clock = received[terminals_end:]
    assert clock[0] == START_BYTE and [clock[1 + 4 * k] for k in range(6)] == [0xB4] * 6
    assert [row[1:] for row in history_rows(program, window)] == [
        ["saat", "COM1", "24/24", "0", "tam"],
        ["terminaller", "COM1", "41.919/41.919", "0", "tam"],
        ["butonlar", "COM1", "2.079/2.079", "0", "tam"],
    ]
    wait_line(program, window, "Birim durumu", "Birim güncel")


def time_left_unpaced(run):
    """The same estimate on a line as fast as the unit answers."""
    unit = run.start_unit()
    program, window = run.first_start()
    program.press(window, "push button", "Terminal Ayarlarını Gönder")
    terminal_time_left(program, window, unit, 0)


def stop_terminals(run):
    """"Durdur" after 5,000 terminal bytes: the unit gets nothing more, no box, the line says
    how far it came, and the port takes a whole button send afterwards."""
    unit = run.start_unit()
    program, window = run.first_start()
    program.press(window, "push button", "Terminal Ayarlarını Gönder")
    stop = program.control(window, "push button", "Durdur")
    unit.wait_for_bytes(1 + 5000)
    before = len(unit.received())
    program.click(stop)
    received = unit.quiet()
    assert len(received) - before < 200, f"{len(received) - before} bytes after the click"
    sent = f"{len(received) - 1:,}".replace(",", ".")
    wait_line(program, window, "Gönderim durumu",
              f"Gönderim durduruldu: {sent} / 41.919 bayt. Birim ayarların bir kısmını aldı; yeniden gönderin.")
    assert [role for role, _ in program.windows()] == ["filler"], "a box for a stop"
    program.press(window, "menu item", "Dosya")
    opening = wait_for("Aç…", lambda: next(iter(find_all(program.app(), "menu item", "Aç…")), None))
    wait_for("Aç… open again after the stop", lambda: opening.get_state_set().contains(Atspi.StateType.ENABLED))
    program.desktop.run_x("xdotool", "key", "Escape")
    program.press(window, "push button", "Buton Ayarlarını Gönder")
    wait_for("the buttons", lambda: len(unit.received()) >= len(received) + 1 + BUTTONS)
    assert unit.quiet()[len(received):] == bytes([START_BYTE]) + button_image({}, {})[:BUTTONS]
    assert [row[5] for row in history_rows(program, window)] == ["tam", "durduruldu"]


def unsent_changes(run):
    """The line of what the unit lacks, across a send, an edit, another send, an undo and
    "Aç…" of another site's file, which the unit on COM1 has not had."""
    unit = run.start_unit()
    program, window = run.first_start()
    both = UNSENT + "Buton ayarları, Terminal ayarları"
    wait_line(program, window, "Birim durumu", both)
    program.press(window, "push button", "Buton Ayarlarını Gönder")
    unit.wait_for_bytes(1 + BUTTONS)
    wait_line(program, window, "Birim durumu", UNSENT + "Terminal ayarları")
    program.press(window, "check box", "Buton Kapalı")
    wait_line(program, window, "Birim durumu", both)
    program.press(window, "push button", "Buton Ayarlarını Gönder")
    unit.wait_for_bytes(2 * (1 + BUTTONS))
    wait_line(program, window, "Birim durumu", UNSENT + "Terminal ayarları")
    from_menu(program, window, "Düzen", "Geri Al: 1. Buton Durum")
    wait_line(program, window, "Birim durumu", both)
    site = os.path.join(run.folder, "site-b.txt")
    with open(site, "wb") as f:
        f.write(read(run.settings_file()))
    program.press(window, "push button", "Dosyaya Kaydet")
    from_menu(program, window, "Dosya", "Aç…")
    file_dialog(program, site)
    wait_line(program, window, "Birim durumu", both)
    notice = wait_for("the other file named", lambda: line(program, window, "Birim uyarısı"))
    assert notice.startswith(f"Bu porttaki birim en son başka bir dosyadan ayar aldı: {run.settings_file()} ("), notice


def record_of_both(run):
    """A send from bilvex-send between two runs of the window and one from the window go to
    the same file's record: the window's history lists both, newest first, and so does
    bilvex-send --history."""
    unit = run.start_unit()
    first, _ = run.first_start()
    run.programs.remove(first)
    assert first.stop() == 0
    env = dict(first.desktop.env, XDG_CONFIG_HOME=run.folder)
    send = [run.args.send, "--settings", run.settings_file()]
    subprocess.run(send + ["clock"], env=env, check=True, capture_output=True, timeout=60)
    program = run.start_program()
    window = program.window("filler", MAIN_TITLE)
    program.press(window, "push button", "Buton Ayarlarını Gönder")
    unit.wait_for_bytes(1 + CLOCK + 1 + BUTTONS)
    wait_for("the record", lambda: len(history_rows(program, window)) == 2)
    shown = [row[1:] for row in history_rows(program, window)]
    assert shown == [["butonlar", "COM1", "2.079/2.079", "0", "tam"], ["saat", "COM1", "24/24", "0", "tam"]], shown
    printed = subprocess.run(send + ["--history"], env=env, check=True, capture_output=True, text=True,
                             timeout=60).stdout
    assert [fields.split("\t")[1:] for fields in printed.splitlines()] == shown, printed
    pdf = os.path.join(run.folder, "rapor.pdf")
    through_file(program, window, "Rapor…", pdf)
    program.answer_box("Tamam")
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True, check=True).stdout
    section = text[text.index("Son Gönderimler"):text.index("Gruplar")]
    assert [line.split()[2:] for line in section.splitlines() if "COM1" in line] == [
        ["butonlar", "COM1", "2.079/2.079", "0", "tam"], ["saat", "COM1", "24/24", "0", "tam"]], section


FLOWS = {
    "send_all_paced": send_all_paced,
    "time_left_unpaced": time_left_unpaced,
    "stop_terminals": stop_terminals,
    "unsent_changes": unsent_changes,
    "record_of_both": record_of_both,
}
