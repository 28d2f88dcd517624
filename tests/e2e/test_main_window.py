"""The main window, driven through X and read through AT-SPI.
Usage (inside tests/e2e/session): /usr/bin/python3 test_main_window.py PROGRAM"""

import os
import subprocess
import sys
import unittest

import pyatspi

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
from desktop import MAIN_CAPTION, Program, clock_from, has_state, key, run, wait_until, window_geometry

PROGRAM = None

INITIAL_TEXTS = ["enter a date", "ENTER A DATE", "days difference",
                 "WEEKS DIFFERENCE", "MONTHS DIFFERENCE", "YEARS DIFFERENCE"]


class MainWindow(unittest.TestCase):
    def start(self, **kwargs):
        program = Program(PROGRAM, **kwargs)
        self.addCleanup(program.stop)
        program.start_main_window()
        return program

    def test_starts_with_six_named_boxes_and_the_focus_in_the_first(self):
        program = self.start()
        window = program.x_window(MAIN_CAPTION)
        self.assertEqual(window_geometry(window)[2:], (233, 348))
        # Of fixed size, it asks the window manager, through Motif's hints, to offer no maximize.
        hints = [int(n, 16) for n in run("xprop", "-id", str(window), "_MOTIF_WM_HINTS").split("=")[1].split(",")]
        self.assertFalse(hints[1] & 0x10 or hints[2] & 0x40, "the frame offers to maximize")
        self.assertEqual(program.texts(), INITIAL_TEXTS)
        boxes = program.boxes()
        for index, box in enumerate(boxes):
            with self.subTest(box=f"Text{index + 1}"):
                self.assertTrue(has_state(box, pyatspi.STATE_FOCUSABLE))
                self.assertEqual(has_state(box, pyatspi.STATE_READ_ONLY), index >= 2)
                self.assertEqual(has_state(box, pyatspi.STATE_FOCUSED), index == 0)
        self.assertEqual(boxes[0].queryText().getSelection(0), (0, len(INITIAL_TEXTS[0])))

    def test_without_a_display_it_says_so_and_fails(self):
        unset = ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")
        for platform in ({}, {"QT_QPA_PLATFORM": "wayland"}, {"QT_QPA_PLATFORM": "nonsense"}):
            with self.subTest(**platform):
                env = {name: value for name, value in os.environ.items() if name not in unset} | platform
                ended = subprocess.run([PROGRAM], env=env, capture_output=True, text=True, timeout=30)
                self.assertEqual(ended.returncode, 1, ended.stderr)  # -6 where it aborts
                self.assertIn("no Qt platform plugin could be initialized", ended.stderr)

    def test_enter_without_dates_only_moves_the_focus(self):
        program = self.start()
        focus = 0
        for enter in ("Return", "KP_Enter", "ctrl+m", "Return"):
            with self.subTest(enter=enter, from_box=f"Text{focus + 1}"):
                key(enter)
                focus = 1 - focus
                program.wait_for_focus(focus)
                self.assertEqual(program.texts(), INITIAL_TEXTS)

    def test_typed_dates_give_the_differences(self):
        program = self.start()
        results = INITIAL_TEXTS[2:]
        # Each step: the date typed over the focused box's text, then the four
        # results, the box that has the focus afterwards and the description a
        # screen reader reads as the focus arrives there.
        steps = [
            ("15 January 2004", results, 1, "second date"),  # over the prompt; the second box is none yet
            ("20 March 2004", ["65", "9", "2", "0"], 0,
             "first date. 65 days, 9 weeks, 2 months, 0 years difference"),
            ("20 March 2004", ["0", "0", "0", "0"], 1,  # over the date just calculated
             "second date. 0 days, 0 weeks, 0 months, 0 years difference"),
            ("15 January 2004", ["65", "-9", "2", "0"], 0,  # the swapped pair
             "first date. 65 days, -9 weeks, 2 months, 0 years difference"),
            ("not a date", results, 1, "second date"),  # no figures of the dates before, nothing to hear
        ]
        plain = ["first date", "second date"]
        for typed, expected, focus, description in steps:
            with self.subTest(typed=typed, into=f"Text{2 - focus}"):
                program.enter_date(typed)
                program.wait_for_focus(focus)
                texts = program.texts()
                self.assertEqual(texts[1 - focus], typed)
                self.assertEqual(texts[2:], expected)
                boxes = program.boxes()
                self.assertEqual(boxes[focus].description, description)
                self.assertEqual(boxes[1 - focus].description, plain[1 - focus])
                self.assertEqual(boxes[focus].queryText().getSelection(0), (0, len(texts[focus])))
                for box, text in zip(boxes, texts):  # the one run Orca builds a line from
                    self.assertEqual(list(box.queryText().getAttributeRun(0, True)[1:]), [0, len(text)])

    def test_dates_are_read_as_the_locale_writes_them(self):
        # Qt reads these variables against its own locale data, so none of
        # these locales needs to be installed in the C library.
        cases = [  # environment, first date, second date, the four results
            ({"lang": "en_US.UTF-8"}, "02/03/2004", "04/03/2004", ["60", "8", "2", "0"]),
            ({"lang": "C"}, "02/03/2004", "04/03/2004", ["60", "8", "2", "0"]),
            ({"lang": "en_GB.UTF-8"}, "02/03/2004", "04/03/2004", ["2", "0", "0", "0"]),
            ({"lang": "en_US.UTF-8", "LC_TIME": "en_GB.UTF-8"}, "02/03/2004", "04/03/2004",
             ["2", "0", "0", "0"]),
            ({"lang": "en_GB.UTF-8", "LC_ALL": "en_US.UTF-8"}, "1/15/2004", "3/20/2004",
             ["65", "9", "2", "0"]),
            ({"lang": "de_DE.UTF-8"}, "2004-01-15", "20.03.2004", ["65", "9", "2", "0"]),
            # Long forms, in the locale's own words.
            ({"lang": "de_DE.UTF-8"}, "Donnerstag, 15. Januar 2004", "20. März 2004",
             ["65", "9", "2", "0"]),
            ({"lang": "ru_RU.UTF-8"}, "15 января 2004 г.", "суббота, 20 марта 2004 г.",
             ["65", "9", "2", "0"]),
            # The locale's own calendar, and eras, against Gregorian forms.
            ({"lang": "th_TH.UTF-8"}, "15 มกราคม พ.ศ. 2547", "20 มีนาคม ค.ศ. 2004",
             ["65", "9", "2", "0"]),
            ({"lang": "th_TH.UTF-8"}, "15/1/2547", "2004-03-20", ["65", "9", "2", "0"]),
            ({"lang": "fa_IR.UTF-8"}, "۲۵ دی ۱۳۸۲", "1383/1/1", ["65", "9", "2", "0"]),
            ({"lang": "ar_SA.UTF-8"}, "٢٣ ذو القعدة ١٤٢٤ هـ", "20 مارس 2004", ["65", "9", "2", "0"]),
            ({"lang": "ja_JP.UTF-8"}, "平成16年1月15日", "H16/3/20", ["65", "9", "2", "0"]),
            ({"lang": "zh_TW.UTF-8"}, "民國93年1月15日", "2004/3/20", ["65", "9", "2", "0"]),
            # Today and dates without their year, on a day the program's clock is set to.
            ({"lang": "de_DE.UTF-8", **clock_from("2026-12-07 12:00:00")}, "heute", "24.12.",
             ["17", "2", "0", "0"]),
            ({"lang": "fa_IR.UTF-8", **clock_from("2026-12-07 12:00:00")}, "دیروز", "۱ دی",
             ["16", "2", "0", "0"]),
            # The local date: 8 December in Tokyo, where it is still the 7th in UTC.
            ({"lang": "en_US.UTF-8", "TZ": "Asia/Tokyo", **clock_from("2026-12-08 08:00:00")}, "today",
             "2026-12-07", ["1", "0", "0", "0"]),
        ]
        for environment, first, second, expected in cases:
            with self.subTest(**environment):
                program = self.start(**environment)
                program.enter_date(first)
                program.wait_for_focus(1)
                program.enter_date(second)
                program.wait_for_focus(0)
                self.assertEqual(program.texts()[2:], expected)
                program.stop()

    def test_enter_after_midnight_counts_from_the_new_day(self):
        before, after = ["24", "-3", "0", "0"], ["23", "-3", "0", "0"]  # from 7 and 8 December 2026
        # Started just before midnight; given more time on the next try, should it take longer to start.
        for seconds_left in (2, 4, 8, 16, 32):
            program = self.start(**clock_from(f"2026-12-07 23:59:{60 - seconds_left:02}"))
            program.enter_date("2026-12-31")
            program.wait_for_focus(1)
            program.enter_date("today")
            program.wait_for_focus(0)
            if program.texts()[2:] == before:
                break
            program.stop()
        else:
            self.fail("the program never showed the figures of 7 December before midnight, even given 32 s")
        seen = [before]

        def enter_again():  # in Text1 and Text2 by turns
            key("Return")
            program.wait_for_focus(len(seen) % 2)
            seen.append(program.texts()[2:])
            return seen[-1] != before
        wait_until(enter_again, lambda: f"Enter to count from 8 December; it gave {seen[-3:]}", seconds_left + 30)
        self.assertEqual(seen[-1], after)


if __name__ == "__main__":
    PROGRAM = sys.argv.pop(1)
    unittest.main(verbosity=2, warnings=False)  # False keeps desktop.py's filter
