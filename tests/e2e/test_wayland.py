"""The program as a Wayland client of weston, with the title bars Qt draws.
Keys and clicks go through weston's window on the X server, which passes them
on to the focused Wayland window; weston's debug streams tell where its windows
are and what the program asked of it.
Usage (inside tests/e2e/session --wayland): /usr/bin/python3 test_wayland.py PROGRAM"""

import sys
import tempfile
import unittest

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
from desktop import (CREDITS_CAPTION, MAIN_CAPTION, Program, WestonProtocol, key,
                     wait_until, weston_output_size)

PROGRAM = None


def size(extent):
    left, top, right, bottom = extent
    return right - left, bottom - top


def client_area(extent):
    """The size inside the frame Qt draws: its title bar, 30 pixels high, and a
    border of 3 on the other sides."""
    width, height = size(extent)
    return width - 6, height - 33


class Wayland(unittest.TestCase):
    def start(self, **kwargs):
        program = Program(PROGRAM, **kwargs)
        self.addCleanup(program.stop)
        program.wait_for_wayland_window(MAIN_CAPTION)
        program.wait_for_focus(0)
        return program

    def maximize(self, program, caption):
        """Maximizes the window from its title bar; returns its size before."""
        before = size(program.wait_for_wayland_window(caption))
        program.click_title_button(caption, "maximize")
        width, _ = weston_output_size()
        wait_until(lambda: size(program.wayland_window(caption))[0] == width,
                   f"'{caption}' to fill the screen's width")
        return before

    def test_dates_maximize_question_and_credits(self):
        protocol = WestonProtocol()
        self.addCleanup(protocol.stop)
        errors = tempfile.TemporaryFile("w+")
        program = self.start(stderr=errors)
        # At scale 1 and Qt's standard text, as designed.
        self.assertEqual(client_area(program.wayland_window(MAIN_CAPTION)), (233, 348))

        program.enter_date("15 January 2004")
        program.wait_for_focus(1)
        program.enter_date("20 March 2004")
        program.wait_for_focus(0)
        texts = program.texts()
        self.assertEqual(texts[:2], ["15 January 2004", "20 March 2004"])
        self.assertEqual(texts[2:], ["65", "9", "2", "0"])

        designed = self.maximize(program, MAIN_CAPTION)
        self.assertIsNone(program.process.poll())
        self.assertEqual(program.texts(), texts)
        program.click_title_button(MAIN_CAPTION, "maximize")  # now it restores
        wait_until(lambda: size(program.wayland_window(MAIN_CAPTION)) == designed,
                   "the main window to get back its size")

        program.click_title_button(MAIN_CAPTION, "close")
        program.wait_for_question()
        # Weston 10 places it anywhere all the same; other compositors put it over its parent.
        self.assertEqual(protocol.parents(), {"orvandel": MAIN_CAPTION})
        key("Return")  # the default answer, Yes

        self.maximize(program, CREDITS_CAPTION)
        program.click_title_button(CREDITS_CAPTION, "close")
        self.assertEqual(program.process.wait(15), 0)
        errors.seek(0)
        self.assertEqual(errors.read(), "", "the program warned")

    def test_minimize_hides_the_window_and_keeps_the_program(self):
        program = self.start()
        texts = program.texts()
        program.click_title_button(MAIN_CAPTION, "minimize")
        wait_until(lambda: program.wayland_window(MAIN_CAPTION) is None, "the window to be hidden")
        self.assertEqual(program.texts(), texts)  # still there, and still answering
        self.assertIsNone(program.process.poll())


if __name__ == "__main__":
    PROGRAM = sys.argv.pop(1)
    unittest.main(verbosity=2, warnings=False)  # False keeps desktop.py's filter
