"""Drives the built program as a person (keys and clicks through X) and a
screen reader (the AT-SPI tree) would. Needs the desktop of tests/e2e/session;
the weston helpers need it started with --wayland."""

import glob
import os
import re
import subprocess
import tempfile
import time
import warnings

import pyatspi

# pyatspi wraps calls that libatspi has since renamed; the old names still work.
warnings.filterwarnings("ignore", category=DeprecationWarning, message=r"Atspi\.")

MAIN_CAPTION = "DATE DIFFERENCE"
LIBFAKETIME = next(iter(glob.glob("/usr/lib/*/faketime/libfaketime.so.1")), None)
CREDITS_CAPTION = "program by Ferrowby"
QUESTION = "Do you want to quit this program"


def wait_until(condition, what, timeout=10.0, interval=0.05):
    """Returns condition()'s first truthy value; fails after timeout seconds,
    saying what it waited for (what() if it is callable, read at the failure).
    Errors while waiting count as "not yet": windows come and go meanwhile."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = condition()
            if value:
                return value
        except Exception as error:  # noqa: BLE001 - retried until the deadline
            last_error = error
        if time.monotonic() >= deadline:
            detail = f" (last error: {last_error!r})" if last_error else ""
            what = what() if callable(what) else what
            raise AssertionError(f"timed out after {timeout} s waiting for {what}{detail}")
        time.sleep(interval)


def clock_from(when):
    """The environment in which the program's clock starts at `when`, a local
    time ("2026-12-07 23:59:58"), and runs on from there: Debian's libfaketime
    (scripts/install-deps test), preloaded into the program alone. Its timers
    keep the real steady clock."""
    assert LIBFAKETIME, "no libfaketime: run scripts/install-deps test"
    return {"LD_PRELOAD": LIBFAKETIME, "FAKETIME": "@" + when, "FAKETIME_DONT_FAKE_MONOTONIC": "1"}


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def key(*keys):
    run("xdotool", "key", "--clearmodifiers", *keys)


def type_text(text):
    run("xdotool", "type", "--clearmodifiers", "--delay", "15", text)


def active_window():
    result = subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True)
    return int(result.stdout) if result.returncode == 0 else None


def window_geometry(window):
    """Client area (without the frame) as (left, top, width, height) on the
    screen, from xwininfo."""
    info = run("xwininfo", "-id", str(window))
    return tuple(int(re.search(pattern + r":\s*(-?\d+)", info)[1])
                 for pattern in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))


def is_viewable(window):
    result = subprocess.run(["xwininfo", "-id", str(window)], capture_output=True, text=True)
    return result.returncode == 0 and "IsViewable" in result.stdout


def states(accessible):
    return accessible.getState()


def has_state(accessible, state):
    return states(accessible).contains(state)


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


def children(accessible):
    return [accessible.getChildAtIndex(i) for i in range(accessible.childCount)]


# --- weston -----------------------------------------------------------------
# A view in weston's scene: its role, who owns it, weston's label for it, where it is.
WESTON_VIEW = re.compile(r"View \d+ \(role (\S+), PID (\d+), surface ID \d+, (.*), 0x[0-9a-f]+\):\n"
                         r"\s*position: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)")


def weston_views(role):
    """(pid, label, (left, top, right, bottom)) of each view of that role weston shows."""
    return [(int(m[2]), m[3], tuple(int(n) for n in m.groups()[3:]))
            for m in WESTON_VIEW.finditer(run("weston-debug", "scene-graph")) if m[1] == role]


def weston_output_size():
    found = re.search(r"Output 0 .*\n\s*position: \(0, 0\) -> \((\d+), (\d+)\)",
                      run("weston-debug", "scene-graph"))
    return int(found[1]), int(found[2])


def weston_cursor():
    """(left, top, right, bottom) of the pointer's image on weston's screen, or None."""
    views = weston_views("wl_pointer-cursor")
    return views[0][2] if views else None


def click_in_weston(x, y):
    """A click at (x, y) of weston's screen, sent to its window on the X server.
    Weston sets its pointer only where the X pointer enters its window, then moves
    it by the differences between X's moves, and an entry before its first repaint
    strands it at (0, 0): so the X pointer leaves the window and enters it anew."""
    screen = int(run("xdotool", "search", "--class", "^Weston Compositor$").split()[0])
    left, top, width, height = window_geometry(screen)
    outside = (left - 1, top - 1) if left > 0 and top > 0 else (left + width, top + height)
    run("xdotool", "mousemove", "--sync", str(outside[0]), str(outside[1]),
        "mousemove", "--sync", "--window", str(screen), str(x), str(y))

    def pointer_there():
        cursor = weston_cursor()
        return cursor is not None and cursor[0] <= x < cursor[2] and cursor[1] <= y < cursor[3]
    wait_until(pointer_there, lambda: f"weston's pointer to reach ({x}, {y}), where the X pointer "
                                      f"entered its window; its image is at {weston_cursor()}", timeout=5)
    run("xdotool", "click", "1")


class WestonProtocol:
    """Records, from its start, the requests clients send weston."""

    def __init__(self):
        self.log = tempfile.TemporaryFile("w+")
        self.process = subprocess.Popen(["weston-debug", "proto"], stdout=self.log)
        # Weston logs only from weston-debug's subscription on, which weston-debug's own next
        # request shows; a program started before that would have its titles missed.
        wait_until(lambda: os.fstat(self.log.fileno()).st_size > 0, "weston-debug to record weston's protocol")

    def stop(self):
        self.process.terminate()
        self.process.wait()

    def parents(self):
        """{title of a top-level window: title of the window it was made a transient of}"""
        self.log.seek(0)
        titles, parent_ids = {}, {}
        for line in self.log:
            found = re.search(r"client (\S+) rq (xdg_toplevel@\d+)\.set_title\(\"(.*)\"\)", line)
            if found:
                titles[found[1], found[2]] = found[3]
            found = re.search(r"client (\S+) rq (xdg_toplevel@\d+)\.set_parent\((xdg_toplevel@\d+)\)", line)
            if found:
                parent_ids[found[1], found[2]] = (found[1], found[3])
        return {titles.get(child): titles.get(parent) for child, parent in parent_ids.items()}


class Program:
    """One run of the program, started on the session's display."""

    def __init__(self, path, lang="en_US.UTF-8", stderr=None, **extra_env):
        env = dict(os.environ)
        for name in ("LC_ALL", "LC_TIME", "LANGUAGE"):
            env.pop(name, None)
        env["LANG"] = lang
        env.update(extra_env)
        self.process = subprocess.Popen([path], env=env, stderr=stderr)
        self.pid = self.process.pid

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()

    # --- X windows -------------------------------------------------------
    def x_window(self, caption):
        """The visible top-level window of this process with that caption, or None."""
        result = subprocess.run(
            ["xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.pid),
             "--name", f"^{re.escape(caption)}$"],
            capture_output=True, text=True)
        found = result.stdout.split()
        return int(found[0]) if found else None

    def wait_for_x_window(self, caption, timeout=10.0):
        return wait_until(lambda: self.x_window(caption), f"a window '{caption}'", timeout)

    def wait_until_active(self, caption, timeout=10.0):
        """The window once the window manager has given it the keyboard."""
        window = self.wait_for_x_window(caption, timeout)
        wait_until(lambda: active_window() == window, f"'{caption}' to be active", timeout)
        return window

    # --- weston's windows ------------------------------------------------
    def wayland_window(self, caption):
        """(left, top, right, bottom) on weston's screen of this process's window
        with that caption, title bar included, or None."""
        for pid, label, extent in weston_views("xdg_toplevel"):
            if pid == self.pid and re.match(rf"top-level window '{re.escape(caption)}'( of |$)", label):
                return extent
        return None

    def wait_for_wayland_window(self, caption, timeout=10.0):
        return wait_until(lambda: self.wayland_window(caption), f"a window '{caption}' on weston", timeout)

    def click_title_button(self, caption, button):
        """Clicks "minimize", "maximize" or "close" in the title bar that Qt draws
        itself: 30 pixels high, its buttons 18 wide, 5 apart and 8 from the right."""
        _, top, right, _ = self.wait_for_wayland_window(caption)
        from_right = {"close": 17, "maximize": 40, "minimize": 63}[button]
        click_in_weston(right - from_right, top + 15)

    # --- the AT-SPI tree -------------------------------------------------
    def application(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            if app is not None and app.get_process_id() == self.pid:
                return app
        return None

    def top_level(self, name, role=None, state=pyatspi.STATE_SHOWING):
        app = self.application()
        if app is None:
            return None
        for window in children(app):
            if window.name == name and (role is None or window.getRole() == role):
                if has_state(window, state):
                    return window
        return None

    def wait_for_top_level(self, name, timeout=10.0):
        return wait_until(lambda: self.top_level(name), f"'{name}' in the AT-SPI tree", timeout)

    def boxes(self):
        """The main window's six text boxes in the order Text1..Text6, found
        by their accessible names and how their descriptions begin."""
        window = self.wait_for_top_level(MAIN_CAPTION)
        texts = [c for c in children(window) if c.getRole() == pyatspi.ROLE_TEXT]
        wanted = [("ENTER A DATE", "first date"), ("ENTER A DATE", "second date"),
                  ("DAYS DIFFERENCE", None), ("WEEKS DIFFERENCE", None),
                  ("MONTHS DIFFERENCE", None), ("YEARS DIFFERENCE", None)]
        found = []
        for name, description in wanted:
            matches = [t for t in texts if t.name == name
                       and (description is None or t.description.startswith(description))]
            assert len(matches) == 1, f"{len(matches)} text boxes named {name!r} ({description})"
            found.append(matches[0])
        return found

    def texts(self):
        return [text_of(box) for box in self.boxes()]

    def focused_box(self):
        """Index 0..5 of the box the screen reader reports focused, or None."""
        focused = [i for i, box in enumerate(self.boxes()) if has_state(box, pyatspi.STATE_FOCUSED)]
        assert len(focused) <= 1, f"several boxes focused: {focused}"
        return focused[0] if focused else None

    def enter_date(self, text):
        """Types over the focused box's text, which start-up and Enter select,
        then presses Enter. xdotool types ASCII; other letters, which it types
        unreliably (it borrows a spare key for each and may drop some), are
        handed over through the accessibility tree, as an input method would."""
        if text.isascii():
            type_text(text)
        else:
            self.boxes()[self.focused_box()].queryEditableText().setTextContents(text)
        key("Return")

    def wait_for_focus(self, index, timeout=10.0):
        wait_until(lambda: self.focused_box() == index, f"the focus in Text{index + 1}", timeout)

    def start_main_window(self):
        """Waits until the main window is up, active and readable; returns its X id."""
        window = self.wait_until_active(MAIN_CAPTION)
        self.wait_for_focus(0)
        return window

    def ask_to_close(self, caption=MAIN_CAPTION):
        run("wmctrl", "-i", "-c", hex(self.wait_for_x_window(caption)))

    def wait_for_question(self):
        """The question once it is the active window: keys sent before that go
        to the main window, which ignores them while the question is open."""
        return wait_until(lambda: self.top_level("orvandel", pyatspi.ROLE_ALERT, pyatspi.STATE_ACTIVE),
                          "the question to be the active window")

    def wait_for_exit(self, timeout):
        """The exit status and the monotonic time at which the exit was seen."""
        status = self.process.wait(timeout)
        return status, time.monotonic()
