#!/usr/bin/env python3
"""Fails when a source includes a room or a Qt module its room may not use.

The rooms and what each may use are the table "Room | Uses" in docs/DEVELOPING.md, so the
map a reader trusts and the code cannot drift apart. A room uses what the rooms it names use.

    check_rooms.py SOURCE_ROOT QT_HEADERS
"""
import pathlib
import re
import sys

QT_IMPLIES = {"QtWidgets": {"QtGui"}, "QtGui": {"QtCore"}, "QtSerialPort": {"QtCore"},
              "QtDBus": {"QtCore"}}
SOURCE_FOLDERS = ("src", "tools/unit-sim")


def room_table(developing):
    """{room: set of names it uses}, read from the table under "| Room | Uses |"."""
    lines = developing.read_text(encoding="utf-8").splitlines()
    start = lines.index("| Room | Uses |") + 2
    table = {}
    for line in lines[start:]:
        if not line.startswith("|"):
            break
        room_cell, uses_cell = line.strip("|").split("|")[:2]
        uses = set(re.findall(r"`([\w/-]+)`", uses_cell)) | set(re.findall(r"\bQt\w+", uses_cell))
        for room in re.findall(r"`([\w/-]+)`", room_cell.split("(")[0]):
            table[room] = uses
    return table


def closure(table, room):
    """Every room and Qt module the room may use, itself included."""
    seen, todo = set(), [room]
    while todo:
        name = todo.pop()
        if name in seen:
            continue
        seen.add(name)
        todo += table.get(name, set()) | QT_IMPLIES.get(name, set())
    return seen


def qt_modules(qt_headers):
    """{class header: module}, e.g. {"QWidget": "QtWidgets"}."""
    modules = {}
    for folder in pathlib.Path(qt_headers).glob("Qt*"):
        for header in folder.iterdir():
            modules.setdefault(header.name, folder.name)
    return modules


def room_of(relative, rooms):
    """The longest room the file's folder lies in, or None."""
    folder = relative.parent.as_posix()
    for room in sorted(rooms, key=len, reverse=True):
        top = room if room.startswith("tools/") else "src/" + room
        if folder == top or folder.startswith(top + "/"):
            return room
    return None


def findings(root, table, modules):
    src_rooms = {r for r in table if not r.startswith("tools/")}
    for folder in SOURCE_FOLDERS:
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            relative = path.relative_to(root)
            room = room_of(relative, table)
            if room is None:
                yield f"{relative}: its folder is no room of docs/DEVELOPING.md"
                continue
            allowed = closure(table, room)
            for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
                problem = include_problem(line, path, room, allowed, src_rooms, modules)
                if problem:
                    yield f"{relative}:{number}: {problem}"


def include_problem(line, path, room, allowed, src_rooms, modules):
    quoted = re.match(r'\s*#\s*include\s+"([^"]+)"', line)
    angled = re.match(r"\s*#\s*include\s+<([^>]+)>", line)
    if quoted:
        name = quoted.group(1)
        if "/" not in name:
            if room.startswith("tools/") and (path.parent / name).exists():
                return None
            return f'"{name}" does not name its room'
        target = room_of(pathlib.PurePosixPath("src") / name, src_rooms)
        if target is None:
            return f'"{name}" is in no room'
        if target not in allowed:
            return f'room {room} may not include "{name}" of room {target}'
    elif angled:
        name = angled.group(1)
        module = name.split("/")[0] if "/" in name else modules.get(name)
        if module and module.startswith("Qt") and module not in allowed:
            return f"room {room} may not include <{name}> of {module}"
    return None


def main():
    root, qt_headers = pathlib.Path(sys.argv[1]), sys.argv[2]
    table = room_table(root / "docs" / "DEVELOPING.md")
    problems = list(findings(root, table, qt_modules(qt_headers)))
    for problem in problems:
        print(problem)
    print(f"{len(problems)} include(s) break the room map" if problems else "rooms: all includes allowed")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
