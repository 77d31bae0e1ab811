"""The built bilvex-config on a private desktop, seen and used as an operator sees and uses it:
windows and boxes found by their accessible names, mouse clicks and key presses through the
X server, the title bar's close button as a WM_DELETE_WINDOW message."""

import os
import subprocess
import tempfile

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402,F401
from Xlib import X, display as xdisplay, protocol  # noqa: E402

from desktop import TIMEOUT, wait_for  # noqa: E402

SHOWING = Atspi.StateType.SHOWING


def children(acc):
    for i in range(acc.get_child_count()):
        child = acc.get_child_at_index(i)
        if child is not None:
            yield child


def is_showing(acc):
    return acc.get_state_set().contains(SHOWING)


def find_all(root, role, name=None):
    """Every showing descendant of root with that role (and name)."""
    found = []
    for child in children(root):
        if not is_showing(child):
            continue
        if child.get_role_name() == role and (name is None or child.get_name() == name):
            found.append(child)
        found.extend(find_all(child, role, name))
    return found


def texts_of(window):
    return [label.get_name() for label in find_all(window, "label") if label.get_name()]


class Program:
    def __init__(self, desktop, binary, config_home, args=()):
        self.desktop = desktop
        env = dict(desktop.env, XDG_CONFIG_HOME=config_home, QT_QPA_PLATFORM="xcb",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        # Kept for the report of a failed flow.
        handle, self.stderr_path = tempfile.mkstemp(prefix="program-", suffix=".stderr", dir=config_home)
        with os.fdopen(handle, "wb") as stderr:
            self.process = subprocess.Popen([binary, *args], env=env, stderr=stderr)
        self._app = None
        self._x = xdisplay.Display(desktop.env["DISPLAY"])

    # --- the process -------------------------------------------------------------------
    def running(self):
        return self.process.poll() is None

    def wait_exit(self, timeout=TIMEOUT):
        return self.process.wait(timeout)

    def stderr_text(self):
        with open(self.stderr_path, "rb") as f:
            return f.read().decode("utf-8", "replace")

    def report(self):
        """What the operator would see now: each showing window with its texts."""
        try:
            return [f"{role} '{title}': {texts_of(w)}" for w in children(self.app()) if is_showing(w)
                    for role, title in [(w.get_role_name(), w.get_name())]]
        except (GLib.GError, AssertionError) as error:
            return [f"no windows to show ({error})"]

    def stop(self):
        """Ends the program as a logout does (SIGTERM); its exit status, 0 when it ended in
        order, None when it did not end within 10 s and had to be killed."""
        if self.running():
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
                self._x.close()
                return None
        self._x.close()
        return self.process.returncode

    def assert_running(self):
        assert self.running(), f"the program ended (status {self.process.returncode})"

    # --- what the operator sees ----------------------------------------------------------
    def app(self):
        if self._app is None:
            def by_pid():
                desk = Atspi.get_desktop(0)
                for app in children(desk):
                    if app.get_process_id() == self.process.pid:
                        return app
                self.assert_running()
                return None
            self._app = wait_for("the program on the accessibility bus", by_pid)
        return self._app

    def windows(self):
        """The program's showing top-level windows as (role, title) pairs."""
        return [(w.get_role_name(), w.get_name()) for w in children(self.app()) if is_showing(w)]

    def window(self, role, title=None, timeout=TIMEOUT):
        def showing():
            self.assert_running()
            for w in children(self.app()):
                if w.get_role_name() == role and (title is None or w.get_name() == title) \
                        and is_showing(w):
                    return w
            return None
        return wait_for(f"a showing {role} {title or ''}", showing, timeout)

    def box(self, timeout=TIMEOUT):
        """The open message box: its window and its text, once its text is on the bus (a box
        is reported showing before its label is, on a loaded machine)."""
        alert = self.window("alert", timeout=timeout)
        text = wait_for("the box's text", lambda: texts_of(alert), timeout)
        return alert, text

    def control(self, window, role, name):
        return wait_for(f"{role} '{name}'", lambda: next(iter(find_all(window, role, name)), None))

    def label_text(self, window, accessible_name):
        return self.control(window, "label", accessible_name).get_name()

    # --- what the operator does ----------------------------------------------------------
    def click(self, acc, times=1):
        """Moves the mouse over the control and clicks once a window of the program is under
        it: a box just shown may not be on the screen yet although it is reported."""
        ext = Atspi.Component.get_extents(acc, Atspi.CoordType.SCREEN)
        x, y = ext.x + ext.width // 2, ext.y + ext.height // 2
        screen = self._x.screen().root

        def window_under_pointer():
            screen.warp_pointer(x, y)
            self._x.sync()
            return screen.query_pointer().child != X.NONE
        wait_for(f"a window at {x},{y}", window_under_pointer)
        self.desktop.run_x("xdotool", "click", "--repeat", str(times), "--delay", "80", "1")

    def double_click(self, acc):
        self.click(acc, times=2)

    def press(self, window, role, name):
        self.click(self.control(window, role, name))

    def choose(self, combo, item):
        """Opens a combo box's list with the mouse and clicks one of its entries."""
        self.click(combo)
        entry = wait_for(f"entry {item}", lambda: next(iter(find_all(combo, "list item", item)), None))
        self.click(entry)
        wait_for(f"{item} chosen", lambda: combo.get_name() == item)

    def answer_box(self, button):
        alert, text = self.box()
        self.press(alert, "push button", button)
        wait_for("the box to close", lambda: not self.running() or text not in self.box_texts())
        return text

    def box_texts(self):
        """The texts of every box shown now."""
        return [texts_of(w) for w in children(self.app()) if w.get_role_name() == "alert" and is_showing(w)]

    def type_into(self, field, text):
        """Clicks into a text field and types, then presses Return."""
        self.click(field)
        self.desktop.run_x("xdotool", "key", "--delay", "20", "ctrl+a", "BackSpace")
        self.desktop.run_x("xdotool", "type", "--delay", "20", text)
        self.desktop.run_x("xdotool", "key", "Return")

    def close_window(self, title):
        """What the title bar's close button does: ask the window to close."""
        x = self._x
        target = self._x_window(x, x.screen().root, title)
        assert target is not None, f"no X window titled {title}"
        protocols = x.intern_atom("WM_PROTOCOLS")
        delete = x.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=target, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        target.send_event(event, event_mask=X.NoEventMask)
        x.flush()

    def _x_window(self, x, root, title):
        name_atom = x.intern_atom("_NET_WM_NAME")
        utf8 = x.intern_atom("UTF8_STRING")
        for window in root.query_tree().children:
            prop = window.get_full_property(name_atom, utf8)
            if prop is not None and prop.value.decode("utf-8", "replace") == title:
                return window
        return None


def write_file(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
