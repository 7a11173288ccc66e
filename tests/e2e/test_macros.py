"""End-to-end: recording a macro in the installed program under Wine, with the installed keyboard hook
library; keys pressed with xdotool, buttons clicked at the editor's own coordinates, the record read back
from the registry.

    test_macros.py DIST_DIR [unittest options]"""
import os
import struct
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import DesktopTestCase  # noqa: E402

KEY_F10 = (611, 231)
MACRO = (KEY_F10[0] + 90, KEY_F10[1] + 32 + 10)   # the key menu's second entry
EDITOR = (446, 539)                                 # the editor hangs below the keyboard


def at(x, y):
    return EDITOR[0] + x, EDITOR[1] + y


RECORD, STOP, OK, CANCEL = at(216, 64), at(246, 64), at(413, 261), at(524, 261)
DELAY_CHOICE = at(334, 115)
# The delay mode menu opens one pixel below its button; its entries are 19 high from 5, 2 apart.
AUTO = (EDITOR[0] + 204 + 60, EDITOR[1] + 124 + 1 + 26 + 9)
LEFT_BUTTON = at(473 + 30, 60 + 30)                 # inside the left mouse button's shape
# The confirmation dialog (476 x 160) is centred over the main window (1072 x 712).
WARNING_OK = (298 + 289, 276 + 134)


def events(record):
    count = struct.unpack_from('<H', record, 24)[0]
    return [tuple(record[26 + 2 * i:28 + 2 * i]) for i in range(count)]


class Macros(DesktopTestCase):
    def setUp(self):
        super().setUp()
        self.desktop.start_program()

    def open_editor(self):
        self.desktop.click(*KEY_F10, settle=0)
        self.desktop.wait_until(lambda: len(self.desktop.program_windows()) > 1, 'the key menu')
        time.sleep(0.3)
        return self.desktop.click_and_wait_for_window(*MACRO, 'the macro editor')

    def keys(self, *names, hold=0.05):
        for name in names:
            self.desktop.key_down(name)
            time.sleep(hold)
            self.desktop.key_up(name)
            time.sleep(0.05)

    def saved(self):
        return self.desktop.wait_for_value('Profile0', 'Layer0Button010')

    def test_two_keys_are_recorded_as_four_events_and_saved_on_ok(self):
        editor = self.open_editor()
        self.desktop.click(*RECORD, settle=0.3)
        self.keys('a', 'b')
        time.sleep(0.3)
        self.shot('macro-recording')
        self.desktop.click(*STOP, settle=0.3)
        self.desktop.click_and_wait_for_close(*OK, editor, 'the macro editor to close')
        record = self.saved()
        self.assertEqual(record[0], 2)
        self.assertEqual(struct.unpack_from('<i', record, 4)[0], 0)  # pauses are not recorded
        self.assertEqual(events(record), [(0x41, 0), (0x41, 1), (0x42, 0), (0x42, 1)])
        self.assertEqual(record[26 + 8:], bytes(len(record) - 26 - 8))

    def test_with_auto_a_held_key_and_the_mouse_picture_record_their_pauses(self):
        editor = self.open_editor()
        self.desktop.click(*DELAY_CHOICE, settle=0.5)
        self.shot('macro-delay-menu')
        self.desktop.click(*AUTO, settle=0.3)
        self.desktop.click(*RECORD, settle=0.3)
        self.keys('a', hold=0.3)
        time.sleep(0.2)
        self.desktop.click(*LEFT_BUTTON, settle=0.3)
        self.desktop.click(*LEFT_BUTTON, settle=0.3)
        self.desktop.click(*STOP, settle=0.3)
        self.desktop.click_and_wait_for_close(*OK, editor, 'the macro editor to close')
        record = self.saved()
        self.assertEqual(struct.unpack_from('<i', record, 4)[0], 1)
        recorded = events(record)
        self.assertEqual(recorded[0], (0x41, 0))
        self.assertEqual(recorded[1][0], 0xFF)
        self.assertTrue(4 <= recorded[1][1] <= 9, recorded)  # held about 300 ms: about 6 units of 50 ms
        self.assertEqual(recorded[2], (0x41, 1))
        keys = [e for e in recorded if e[0] != 0xFF]
        self.assertEqual(keys, [(0x41, 0), (0x41, 1), (0x01, 0), (0x01, 1)])
        self.assertEqual(len(recorded), 7)  # a pause before each of the last three events

    def test_a_full_macro_refuses_further_keys_with_one_warning(self):
        editor = self.open_editor()
        self.desktop.click(*RECORD, settle=0.3)
        self.desktop.type_text('ab' * 64, delay=15)  # 128 keys: 256 events, the macro's capacity
        time.sleep(1.0)
        self.shot('macro-long-list')
        before = self.desktop.program_windows()
        self.desktop.key('c', settle=0)
        warning = self.desktop.wait_until(lambda: self.desktop.program_windows() - before, 'the full warning')
        time.sleep(0.3)
        self.shot('macro-full-warning')
        self.desktop.click_and_wait_for_close(*WARNING_OK, warning, 'the warning to close')
        self.desktop.key('d', settle=1.0)
        self.assertEqual(self.desktop.program_windows() - before, set(), 'no second warning')
        self.desktop.click(*STOP, settle=0.3)
        self.desktop.click_and_wait_for_close(*OK, editor, 'the macro editor to close')
        recorded = events(self.saved())
        self.assertEqual(len(recorded), 256)
        self.assertEqual(recorded[-2:], [(0x42, 0), (0x42, 1)])


if __name__ == '__main__':
    Macros.dist = sys.argv[1]
    unittest.main(argv=[sys.argv[0]] + sys.argv[2:], verbosity=2)
