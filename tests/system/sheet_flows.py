"""Flows of "Genel Bakış" as a sheet: cells typed in place, blocks pasted from a spreadsheet's
clipboard and copied back, a refused paste, an undo, and the images the unit then gets."""

import subprocess

from desktop import wait_for
from program import Atspi
from unit import START_BYTE, button_image, terminal_image
from workbench_flows import OVERVIEW_TITLE, from_menu, send_buttons


def to_clipboard(program, text):
    """What a spreadsheet's copy leaves: xclip serves it until the program takes it over."""
    subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=text.encode(), env=program.desktop.env,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)


def from_clipboard(program):
    return program.desktop.run_x("xclip", "-selection", "clipboard", "-o")


def keys(program, *pressed):
    program.desktop.run_x("xdotool", "key", "--delay", "40", *pressed)


def at(table, row, column):
    return Atspi.Table.get_accessible_at(table, row, column)


def block_text(rows):
    return "".join("\t".join(row) + "\r\n" for row in rows)


def overview_sheet(run):
    """A group value and a slot typed in place, a 40 × 16 block and (grup, sayı) pairs pasted,
    a bad paste refused by name, an overwriting paste asked about and undone with one Ctrl+Z:
    the unit's images equal those of the same values entered by hand."""
    unit = run.start_unit()
    program, window = run.first_start()
    from_menu(program, window, "Genel Bakış")
    sight = program.window("filler", OVERVIEW_TITLE)
    groups = program.control(sight, "table", "Gruplar")
    terminals = program.control(sight, "table", "Terminaller")

    program.click(at(groups, 0, 2))
    keys(program, "5", "Return")
    wait_for("the start typed", lambda: at(groups, 0, 2).get_name() == "5")

    block = [[f"{(t + s) % 16 + 1}/{(7 * t + s) % 254}" for s in range(16)] for t in range(40)]
    program.click(at(terminals, 0, 1))
    to_clipboard(program, block_text(block))
    keys(program, "ctrl+v")
    wait_for("the block pasted", lambda: at(terminals, 39, 16).get_name() == block[39][15])

    keys(program, *["Down"] * 40)  # to 41. Terminal, past the rows in sight
    to_clipboard(program, "2\t7\t3\tMAX\r\n")
    keys(program, "ctrl+v")
    wait_for("the pairs pasted", lambda: at(terminals, 40, 2).get_name() == "3/MAX")
    keys(program, "Right")
    program.desktop.run_x("xdotool", "type", "--delay", "40", "4/9")
    keys(program, "Return")
    wait_for("the slot typed", lambda: at(terminals, 40, 2).get_name() == "4/9")

    keys(program, "ctrl+Home", *["Down"] * 11, *["Right"] * 4)
    to_clipboard(program, "17/3\r\n")
    keys(program, "ctrl+v")
    def warning():
        return program.control(sight, "label", "Uyarı").get_description()
    wait_for("the refusal told", lambda: warning().startswith(
        "12. Terminal, 4. Öncelik: 17/3 kabul edilmez (grup 0..16)"))
    assert at(terminals, 11, 4).get_name() == block[11][3]

    keys(program, "ctrl+Home", "Right", "shift+Down", "shift+Down", "shift+Right", "shift+Right", "shift+Right", "ctrl+c")
    copied = "".join("\t".join(row[:4]) + "\n" for row in block[:3])
    wait_for("the block copied", lambda: from_clipboard(program) == copied)

    to_clipboard(program, "1/1\r\n")
    keys(program, "ctrl+v")
    assert program.answer_box("Tamam") == ["12 dolu hücrenin üzerine yazılacak. Devam edilsin mi?"]
    wait_for("the selection filled", lambda: at(terminals, 2, 4).get_name() == "1/1")
    keys(program, "ctrl+z")
    wait_for("the fill undone", lambda: at(terminals, 2, 4).get_name() == block[2][3])

    assert send_buttons(program, window, unit, 0) == bytes([START_BYTE]) + button_image({0: 5}, {})[:2079]
    program.press(window, "push button", "Terminal Ayarlarını Gönder")
    groups_of = {(t, s): (t + s) % 16 + 1 for t in range(40) for s in range(16)}
    counts_of = {(t, s): (7 * t + s) % 254 for t in range(40) for s in range(16)}
    groups_of.update({(40, 0): 2, (40, 1): 4})
    counts_of.update({(40, 0): 7, (40, 1): 9})
    expected = bytes([START_BYTE]) + terminal_image(groups_of, counts_of)[:-1]
    received = unit.wait_for_bytes(1 + 2079 + len(expected), timeout=240)[1 + 2079:]
    assert received[:len(expected)] == expected


FLOWS = {
    "overview_sheet": overview_sheet,
}
