"""The installer's workbench, driven as an operator drives it: site files from the "Dosya"
menu and the command line, a terminal's list copied to all others, the overview following
an edit, the report, and the settings through CSV."""

import os
import subprocess

from desktop import wait_for
from program import Atspi, find_all, is_showing, write_file
from unit import START_BYTE, button_image, terminal_image

MAIN_TITLE = "ZEMRA BILVEX Polynet Ver 3.04   ZEMRA Ruvozivira Ltd."
OVERVIEW_TITLE = "Genel Bakış"
NOTHING_LOADED = "Hiçbir değer yüklenmedi."
ENABLE_LINE = 44  # the first group's enable value, counted from 0
START_LINE = 78  # its start


def read(path):
    with open(path, "rb") as f:
        return f.read()


def backup_copies(run):
    """Every copy in the backups folder, each settings file's in a folder of its own."""
    backups = os.path.join(run.folder, "bilvex", "yedekler")
    return [os.path.join(folder, name) for folder, _, names in os.walk(backups) for name in names]


def with_line(data, index, value):
    lines = data.split(b"\r\n")
    lines[index] = value
    return b"\r\n".join(lines)


def send_buttons(program, window, unit, already):
    """Sends the button image and returns what the unit received of it, after `already` bytes."""
    program.press(window, "push button", "Buton Ayarlarını Gönder")
    return unit.wait_for_bytes(already + 1 + 2079)[already:already + 1 + 2079]


def from_menu(program, window, *path):
    """Opens the menu bar's entry and clicks down the path of menu items."""
    program.press(window, "menu item", path[0])
    for item in path[1:]:
        entry = wait_for(f"menu item {item}",
                         lambda: next(iter(find_all(program.app(), "menu item", item)), None))
        program.click(entry)


def file_dialog(program, path):
    """Types the path into Qt's file dialog and confirms it."""
    dialog = program.window("dialog")
    program.type_into(program.control(dialog, "text", "Dosya adı:"), path)
    wait_for("the dialog to close", lambda: not is_showing(dialog))


def through_file(program, window, item, path):
    """A "Dosya" menu item whose dialog is given the path."""
    from_menu(program, window, "Dosya", item)
    file_dialog(program, path)


def text_of(program, window, name):
    return Atspi.Text.get_text(program.control(window, "text", name), 0, -1)


def site_files(run):
    """Opened, saved under another name and saved again: the files stay byte for byte what
    the reader and writer make of them; a file cut short loads nothing and the window stays."""
    program, window = run.first_start()
    started = read(run.settings_file())
    site = os.path.join(run.folder, "site-a.txt")
    write_file(site, with_line(with_line(started, START_LINE, b" 150"), 4, b"3"))
    through_file(program, window, "Aç…", site)
    wait_for("the site's values shown", lambda: text_of(program, window, "Başlangıç Sayısı:") == "150")
    assert text_of(program, window, "Haberleşme Com port") == "3"
    assert read(run.settings_file()) == started, "nothing saved before a save"

    copy = os.path.join(run.folder, "site-b.txt")
    through_file(program, window, "Farklı Kaydet…", copy)
    wait_for("the copy written", lambda: os.path.exists(copy))
    assert read(copy) == read(site)
    # The copy is now the open file: the save writes it, and the working file stays.
    program.press(window, "check box", "Buton Kapalı")
    program.press(window, "push button", "Dosyaya Kaydet")
    wait_for("the copy saved", lambda: read(copy).split(b"\r\n")[ENABLE_LINE] == b" 100")
    assert read(run.settings_file()) == started, "the working file untouched"

    short = os.path.join(run.folder, "short.txt")
    write_file(short, read(site)[:5000])
    through_file(program, window, "Aç…", short)
    [text] = program.answer_box("Tamam")
    assert text.startswith("Hata kodu:62   Hatalı formatta dosya. " + short) and text.endswith(NOTHING_LOADED), text
    assert text_of(program, window, "Başlangıç Sayısı:") == "150", "the model stays"

    from_menu(program, window, "Dosya", "Son Dosyalar", f"&1 {copy}".replace("&", ""))
    program.assert_running()


def settings_option(run):
    """--settings FILE: the window starts on FILE and every save writes FILE."""
    first, _ = run.first_start()
    run.programs.remove(first)
    assert first.stop() == 0, "the port is the next program's"
    working = read(run.settings_file())
    site = os.path.join(run.folder, "site.txt")
    write_file(site, with_line(with_line(working, ENABLE_LINE, b" 100"), START_LINE, b" 7"))
    program = run.start_program("--settings", site)
    window = program.window("filler", MAIN_TITLE)
    assert text_of(program, window, "Başlangıç Sayısı:") == "7"
    program.press(window, "push button", "Başlangıç Sayısı: +1")
    program.press(window, "push button", "Dosyaya Kaydet")
    wait_for("FILE saved", lambda: read(site).split(b"\r\n")[START_LINE] == b" 8")
    assert read(run.settings_file()) == working, "the working file untouched"


def copy_list(run):
    """Terminal 1's list copied to the other 63: the unit gets what the same lists entered
    by hand give, and slots 17..32 of every terminal stay."""
    unit = run.start_unit()
    program, window = run.first_start()
    frame = program.control(window, "panel", "Terminal Öncelik Ayarları")
    slots = find_all(frame, "combo box", "Yok")
    program.choose(slots[0], "3. Buton")
    program.press(window, "push button", "1. Öncelikli Buton: +50")
    program.choose(slots[1], "16. Buton")
    program.press(window, "push button", "Kopyala…")
    dialog = program.window("dialog", "1. Terminal Listesini Kopyala")
    program.press(dialog, "push button", "Hepsi")
    program.press(dialog, "push button", "Tamam")
    wait_for("the dialog to close", lambda: not is_showing(dialog))
    program.press(window, "push button", "Terminal Ayarlarını Gönder")
    groups = {(t, s): g for t in range(64) for s, g in ((0, 3), (1, 16))}
    counts = {(t, 0): 50 for t in range(64)}
    expected = bytes([START_BYTE]) + terminal_image(groups, counts)[:-1]
    received = unit.wait_for_bytes(len(expected), timeout=240)
    assert received[:len(expected)] == expected


def overview(run):
    """The overview follows an edit, marks what to check, compares with a file and shows the
    chosen terminal in the main window."""
    program, window = run.first_start()
    from_menu(program, window, "Genel Bakış")
    sight = program.window("filler", OVERVIEW_TITLE)
    groups = program.control(sight, "table", "Gruplar")

    def cell(table, row, column):
        return Atspi.Table.get_accessible_at(table, row, column).get_name()
    assert cell(groups, 0, 2) == "0"
    program.press(window, "check box", "Buton Kapalı")
    program.press(window, "push button", "Başlangıç Sayısı: +1")
    wait_for("the edit followed", lambda: cell(groups, 0, 2) == "1")
    findings = program.control(sight, "list", "Kontrol Edilecekler")
    wait_for("the start above the end marked",
             lambda: any("1. Buton" in item.get_name() and "başlangıç" in item.get_name()
                         for item in find_all(findings, "list item")))

    program.press(sight, "push button", "Dosyayla Karşılaştır…")
    file_dialog(program, run.settings_file())
    differences = program.control(sight, "list", "Farklar")
    lines = wait_for("the differences listed",
                     lambda: [item.get_name() for item in find_all(differences, "list item")])
    assert "Grup 1 Başlangıç: 0 → 1" in lines, lines
    program.type_into(program.control(window, "text", "Haberleşme Com port"), "5")
    wait_for("the COM port's difference listed",
             lambda: "COM Port: 1 → 5" in [item.get_name() for item in find_all(differences, "list item")])

    terminals = program.control(sight, "table", "Terminaller")
    program.click(Atspi.Table.get_accessible_at(terminals, 4, 0))
    program.press(sight, "push button", "Ana Pencerede Göster")
    combo = program.control(window, "combo box", "5. Terminal")
    assert combo.get_name() == "5. Terminal"


def report(run):
    """"Rapor…" writes a PDF whose text holds the site's values."""
    program, window = run.first_start()
    program.press(window, "check box", "Buton Kapalı")
    program.press(window, "push button", "Başlangıç Sayısı: +50")
    pdf = os.path.join(run.folder, "rapor.pdf")
    through_file(program, window, "Rapor…", pdf)
    assert program.answer_box("Tamam") == [f"Rapor yazıldı: {pdf}"]
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True, check=True).stdout
    assert "1. Buton" in text and "Açık" in text and " 50 " in text, text[:2000]
    assert "64. Terminal" in text


def csv_round_trip(run):
    """Exported, changed in the window, imported: the window's values come back, and a
    second export is byte for byte the first; a value out of range changes nothing."""
    unit = run.start_unit()
    program, window = run.first_start()
    program.press(window, "check box", "Buton Kapalı")
    program.press(window, "push button", "Bitiş Sayısı: +50")
    exported = os.path.join(run.folder, "site.csv")
    through_file(program, window, "CSV Olarak Dışa Aktar…", exported)
    program.answer_box("Tamam")
    first = read(exported)
    program.press(window, "push button", "Bitiş Sayısı: +50")
    program.press(window, "push button", "Başlangıç Sayısı: +1")
    assert text_of(program, window, "Bitiş Sayısı:") == "100"

    through_file(program, window, "CSV'den İçe Aktar…", exported)
    assert program.answer_box("Tamam") == ["CSV'den 2 değer alındı."]
    wait_for("the exported values back", lambda: text_of(program, window, "Bitiş Sayısı:") == "50")
    # The import undone and redone: each send carries the image of the values before (or after).
    from_menu(program, window, "Düzen", "Geri Al: CSV'den içe aktarma")
    before = bytes([START_BYTE]) + button_image({0: 1}, {0: 100}, {0: 100})[:2079]
    assert send_buttons(program, window, unit, 0) == before
    from_menu(program, window, "Düzen", "Yinele: CSV'den içe aktarma")
    after = bytes([START_BYTE]) + button_image({}, {0: 100}, {0: 50})[:2079]
    assert send_buttons(program, window, unit, len(before)) == after
    again = os.path.join(run.folder, "again.csv")
    through_file(program, window, "CSV Olarak Dışa Aktar…", again)
    program.answer_box("Tamam")
    assert read(again) == first

    wrong = os.path.join(run.folder, "wrong.csv")
    write_file(wrong, first.replace(b"\r\n1;100;0;50;", b"\r\n1;100;0;1500;", 1))
    assert read(wrong) != first, "the row to change was not found"
    through_file(program, window, "CSV'den İçe Aktar…", wrong)
    [text] = program.answer_box("Tamam")
    assert "1500" in text and "Bitiş" in text, text
    assert text_of(program, window, "Bitiş Sayısı:") == "50", "nothing changed"


FLOWS = {
    "site_files": site_files,
    "settings_option": settings_option,
    "copy_list": copy_list,
    "overview": overview,
    "report": report,
    "csv_round_trip": csv_round_trip,
}
