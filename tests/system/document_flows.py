"""The site as a document, driven as an operator drives it: the open file and its unsaved mark
in the status bar, saves that write the open file, the question before unsaved work is
dropped, undo and redo, a transfer that keeps the site it began with, and output that never
replaces a settings file."""

import os

from desktop import wait_for
from program import Atspi, find_all, is_showing
from unit import START_BYTE, button_image, terminal_image
from workbench_flows import (MAIN_TITLE, START_LINE, backup_copies, file_dialog, from_menu, read, send_buttons,
                             through_file, with_line)

SHOWN_PATH = "C:\\ZEMRA_Bilvex_Polynet_Ver_3_04.txt"
UNSAVED = "Kaydedilmemiş değişiklikler var"
UNSAVED_QUESTION = f"Değişiklikler kaydedilmedi: {SHOWN_PATH}"


def status(program, window):
    """The status bar's texts: the open file, and the unsaved mark when there is one."""
    names = [label.get_name() for label in find_all(window, "label")]
    shown = [name for name in names if name.startswith("Dosya: ")]
    return (shown[0] if shown else None), UNSAVED in names


def wait_status(program, window, path, unsaved):
    expected = (f"Dosya: {path}", unsaved)
    wait_for(f"the status bar {expected}", lambda: status(program, window) == expected)


def start_line(path):
    return read(path).split(b"\r\n")[START_LINE]


def document_status(run):
    """The status bar across start, an edit, its undo, "Aç…" and "Farklı Kaydet…"."""
    program, window = run.first_start()
    working = run.settings_file()
    wait_status(program, window, working, False)
    program.press(window, "check box", "Buton Kapalı")
    program.press(window, "push button", "Başlangıç Sayısı: +1")
    wait_status(program, window, working, True)
    from_menu(program, window, "Düzen", "Geri Al: 1. Buton Başlangıç Sayısı")
    from_menu(program, window, "Düzen", "Geri Al: 1. Buton Durum")
    wait_status(program, window, working, False)
    from_menu(program, window, "Düzen", "Yinele: 1. Buton Durum")
    wait_status(program, window, working, True)

    site = os.path.join(run.folder, "site-a.txt")
    with open(site, "wb") as f:
        f.write(with_line(read(working), START_LINE, b" 150"))
    from_menu(program, window, "Dosya", "Aç…")
    assert program.answer_box("Kaydetme") == [UNSAVED_QUESTION]
    file_dialog(program, site)
    wait_status(program, window, site, False)
    copy = os.path.join(run.folder, "site-b.txt")
    through_file(program, window, "Farklı Kaydet…", copy)
    wait_status(program, window, copy, False)
    assert read(copy) == read(site)
    program.press(window, "check box", "Buton Kapalı")
    program.press(window, "push button", "Başlangıç Sayısı: +1")
    wait_status(program, window, copy, True)
    program.press(window, "push button", "Dosyaya Kaydet")
    wait_for("the open file saved", lambda: start_line(copy) == b" 151")
    wait_status(program, window, copy, False)
    assert start_line(site) == b" 150" and start_line(working) == b" 0", "only the open file is written"


def closing_question(run):
    """Closing with unsaved values: "İptal" keeps the window, "Kaydetme" drops them, "Kaydet"
    writes them; the file's bytes checked after each."""
    program, window = run.first_start()
    saved = read(run.settings_file())
    program.press(window, "check box", "Buton Kapalı")
    program.close_window(MAIN_TITLE)
    assert program.answer_box("İptal") == [UNSAVED_QUESTION]
    program.assert_running()
    assert read(run.settings_file()) == saved
    program.close_window(MAIN_TITLE)
    program.answer_box("Kaydetme")
    assert program.wait_exit() == 0
    assert read(run.settings_file()) == saved

    second = run.start_program()
    window = second.window("filler", MAIN_TITLE)
    second.press(window, "check box", "Buton Kapalı")
    second.press(window, "push button", "Başlangıç Sayısı: +50")
    second.close_window(MAIN_TITLE)
    assert second.answer_box("Kaydet") == [UNSAVED_QUESTION]
    assert second.wait_exit() == 0
    lines = read(run.settings_file()).split(b"\r\n")
    assert (lines[44], lines[START_LINE]) == (b" 100", b" 50"), lines[44:45] + lines[START_LINE:START_LINE + 1]


def undo_redo_send(run):
    """A stepper click undone and redone, a copy to 63 terminals undone: each send carries
    the image of the values before (or after) the step, byte for byte."""
    unit = run.start_unit()
    program, window = run.first_start()
    program.press(window, "check box", "Buton Kapalı")
    program.press(window, "push button", "Başlangıç Sayısı: +1")
    from_menu(program, window, "Düzen", "Geri Al: 1. Buton Başlangıç Sayısı")
    before = bytes([START_BYTE]) + button_image({}, {0: 100})[:2079]
    assert send_buttons(program, window, unit, 0) == before
    from_menu(program, window, "Düzen", "Yinele: 1. Buton Başlangıç Sayısı")
    after = bytes([START_BYTE]) + button_image({0: 1}, {0: 100})[:2079]
    assert send_buttons(program, window, unit, len(before)) == after

    frame = program.control(window, "panel", "Terminal Öncelik Ayarları")
    program.choose(find_all(frame, "combo box", "Yok")[0], "3. Buton")
    program.press(window, "push button", "Kopyala…")
    dialog = program.window("dialog", "1. Terminal Listesini Kopyala")
    program.press(dialog, "push button", "Hepsi")
    program.press(dialog, "push button", "Tamam")
    from_menu(program, window, "Düzen", "Geri Al: 1. Terminal listesi 63 terminale kopyalandı")
    program.press(window, "push button", "Terminal Ayarlarını Gönder")
    # Terminals 1 and 2 come first: only the first has group 3 in its first slot.
    head = 1 + 640
    sent = len(before) + len(after)
    received = unit.wait_for_bytes(sent + head)[sent:sent + head]
    assert received == bytes([START_BYTE]) + terminal_image({(0, 0): 3}, {})[:640]


def transfer_keeps_its_site(run):
    """During a terminal upload "Aç…" is closed to the operator, and an edit goes to the next
    send: the unit gets the site that was open when it began."""
    unit = run.start_unit()
    program, window = run.first_start()
    frame = program.control(window, "panel", "Terminal Öncelik Ayarları")
    program.choose(program.control(frame, "combo box", "1. Terminal"), "10. Terminal")
    program.choose(find_all(frame, "combo box", "Yok")[0], "5. Buton")
    program.press(window, "push button", "Terminal Ayarlarını Gönder")
    unit.wait_for_bytes(100)
    # The count's record goes out past the middle of the image, long after this click.
    program.press(window, "push button", "1. Öncelikli Buton: +50")
    program.press(window, "menu item", "Dosya")
    for name in ("Aç…", "Yedekler…"):
        item = wait_for(name, lambda: next(iter(find_all(program.app(), "menu item", name)), None))
        assert not item.get_state_set().contains(Atspi.StateType.ENABLED), f"{name} open during a transfer"
    program.desktop.run_x("xdotool", "key", "Escape")
    expected = bytes([START_BYTE]) + terminal_image({(9, 0): 5}, {})[:-1]
    received = unit.wait_for_bytes(len(expected), timeout=240)
    assert received[:len(expected)] == expected


def unsaved_kept_at_logout(run):
    """A logout cannot be asked: the unsaved values are kept as a copy beside the backups, the
    file stays, and the next start says where the copy is, in the status bar."""
    program, window = run.first_start()
    saved = read(run.settings_file())
    program.press(window, "check box", "Buton Kapalı")
    run.programs.remove(program)
    assert program.stop() == 0
    assert read(run.settings_file()) == saved
    [copy] = [path for path in backup_copies(run) if "-kaydedilmemis-" in path]
    assert read(copy).split(b"\r\n")[44] == b" 100"
    second = run.start_program()
    window = second.window("filler", MAIN_TITLE)
    notice = f"Son oturumun kaydedilmemiş değişiklikleri yedeklendi: {copy}"
    wait_for("the notice", lambda: find_all(window, "label", notice))


def restore_backup(run):
    """Four saves, then "Yedekler…": the third newest copy is brought back as one undo step,
    and the next save writes that copy's bytes."""
    program, window = run.first_start()
    program.press(window, "check box", "Buton Kapalı")
    for start in (b" 1", b" 2", b" 3", b" 4"):
        program.press(window, "push button", "Başlangıç Sayısı: +1")
        program.press(window, "push button", "Dosyaya Kaydet")
        wait_for(f"start {start} saved", lambda: start_line(run.settings_file()) == start)
    from_menu(program, window, "Dosya", "Yedekler…")
    dialog = program.window("dialog", "Yedekler")
    table = program.control(dialog, "table", "Yedekler")
    wait_for("four copies listed", lambda: Atspi.Table.get_n_rows(table) == 4)
    program.click(Atspi.Table.get_accessible_at(table, 2, 0))
    program.press(dialog, "push button", "Geri Yükle")
    wait_for("no difference left", lambda: Atspi.Table.get_accessible_at(table, 2, 1).get_name() == "0 fark")
    program.press(dialog, "push button", "Kapat")
    wait_status(program, window, run.settings_file(), True)
    program.press(window, "push button", "Dosyaya Kaydet")
    wait_for("the copy saved", lambda: start_line(run.settings_file()) == b" 1")
    [copy] = [path for path in backup_copies(run) if read(path).split(b"\r\n")[START_LINE] == b" 1"]
    assert read(run.settings_file()) == read(copy)
    from_menu(program, window, "Düzen", "Geri Al: Yedekten geri yükleme")
    wait_status(program, window, run.settings_file(), True)


def report_over_settings(run):
    """"Rapor…" given the open settings file's name refuses, and the file stays."""
    program, window = run.first_start()
    saved = read(run.settings_file())
    from_menu(program, window, "Dosya", "Rapor…")
    dialog = program.window("dialog")
    program.type_into(program.control(dialog, "text", "Dosya adı:"), run.settings_file())
    program.answer_box("Evet")  # Qt's own question: the file is there, replace it?
    wait_for("the dialog to close", lambda: not is_showing(dialog))
    [text] = program.answer_box("Tamam")
    assert text == f"Rapor ayarlar dosyasının üzerine yazılmaz: {run.settings_file()}", text
    assert read(run.settings_file()) == saved


FLOWS = {
    "document_status": document_status,
    "closing_question": closing_question,
    "undo_redo_send": undo_redo_send,
    "transfer_keeps_its_site": transfer_keeps_its_site,
    "report_over_settings": report_over_settings,
    "unsaved_kept_at_logout": unsaved_kept_at_logout,
    "restore_backup": restore_backup,
}
