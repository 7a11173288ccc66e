"""End-to-end: the key function menu's editors in the installed program under Wine, with the installed
keyboard hook library. Keys are typed with xdotool, buttons clicked at the windows' own coordinates, and
the registry read back.

    test_editors.py DIST_DIR VERSIONED_PROGRAM [unittest options]"""
import os
import struct
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import RECORD_SIZE, DesktopTestCase, windows_path  # noqa: E402

DIST = VERSIONED = None

KEY_F10 = (611, 231)          # slot 10
APPLY = (860, 658)
REFERENCE = (851, 24)


def menu_entry(position):
    """Centre of a key menu entry opened on F10: entries 20 high, 2 apart, 14 more before 3 and 7."""
    top = 10 + 22 * position + (14 if position >= 3 else 0) + (14 if position >= 7 else 0)
    return KEY_F10[0] + 90, KEY_F10[1] + top + 10


SINGLEKEY, MOUSE, PROFILE, APP = menu_entry(0), menu_entry(2), menu_entry(7), menu_entry(8)

# The editors hang below the keyboard at (446, 539); points are their buttons' centres.
EDITOR = (446, 539)
SINGLE_OK = (EDITOR[0] + 208, EDITOR[1] + 109)
MOUSE_MIDDLE, MOUSE_WHEEL_DOWN = (EDITOR[0] + 192, EDITOR[1] + 86), (EDITOR[0] + 192, EDITOR[1] + 108)
MOUSE_OK = (EDITOR[0] + 203, EDITOR[1] + 150)
# The confirmation dialog (476 x 160) is centred over the main window (1072 x 712).
WARNING_OK = (298 + 289, 276 + 134)
# The launch and profile-switch dialogs open at the screen's corner.
LAUNCH_BROWSE, LAUNCH_OK = (303, 123), (206, 185)
SWITCH_PROFILE_UP, SWITCH_LAYER_UP, SWITCH_DISPLAY, SWITCH_OK = (269, 15), (368, 24), (76, 152), (307, 109)
# Out, the panel lies at the screen's top (the main window moved 228 down, the panel is 228 above it).
PANEL_OK = (576 + 312, 240)


def record(kind, at=None):
    data = bytearray(RECORD_SIZE)
    data[0] = kind
    for offset, value in (at or {}).items():
        data[offset:offset + len(value)] = value
    return bytes(data)


def text(data, offset):
    field = data[offset:offset + 520]
    return field.decode('utf-16-le').split('\0', 1)[0]


class Editors(DesktopTestCase):
    def setUp(self):
        super().setUp()
        self.desktop.start_program()

    def open_from_menu(self, entry, what):
        self.desktop.click(*KEY_F10, settle=0)
        self.desktop.wait_until(lambda: len(self.desktop.program_windows()) > 1, 'the key menu')
        time.sleep(0.3)  # the menu paints its entries after it is shown
        return self.desktop.click_and_wait_for_window(*entry, what)

    def stored(self, name='Layer0Button010'):
        return self.desktop.wait_for_value('Profile0', name)

    def test_a_captured_key_is_saved_without_apply(self):
        dialog = self.open_from_menu(SINGLEKEY, 'the single-key dialog')
        self.desktop.key('a')
        self.shot('single-key-a')
        self.desktop.click_and_wait_for_close(*SINGLE_OK, dialog, 'the single-key dialog to close')
        self.assertEqual(self.stored(), record(1, {26: b'\x41'}))

    def test_a_second_key_asks_once_and_a_third_replaces_silently(self):
        dialog = self.open_from_menu(SINGLEKEY, 'the single-key dialog')
        self.desktop.key('a')
        before = self.desktop.program_windows()
        self.desktop.key('b', settle=0)
        question = self.desktop.wait_until(lambda: self.desktop.program_windows() - before, 'the replace question')
        time.sleep(0.3)
        self.shot('single-key-replace-question')
        self.desktop.click_and_wait_for_close(*WARNING_OK, question, 'the question to close')
        self.desktop.key('c', settle=1.0)
        self.assertEqual(self.desktop.program_windows() - before, set(), 'no second question')
        self.desktop.click_and_wait_for_close(*SINGLE_OK, dialog, 'the single-key dialog to close')
        self.assertEqual(self.stored(), record(1, {26: b'\x43'}))

    def test_wheel_down_then_middle_stores_the_middle_button(self):
        dialog = self.open_from_menu(MOUSE, 'the mouse dialog')
        self.desktop.click(*MOUSE_WHEEL_DOWN, settle=0.3)
        self.desktop.click(*MOUSE_MIDDLE, settle=0.3)
        self.shot('mouse-middle')
        self.desktop.click_and_wait_for_close(*MOUSE_OK, dialog, 'the mouse dialog to close')
        self.assertEqual(self.stored(), record(19))

    def test_a_program_chosen_by_its_path_is_stored_with_its_description(self):
        dialog = self.open_from_menu(APP, 'the launch dialog')
        files = self.desktop.click_and_wait_for_window(*LAUNCH_BROWSE, 'the open-file dialog') - dialog
        time.sleep(1.0)  # the file dialog fills its folder view
        self.shot('launch-open-file')
        self.desktop.type_text(windows_path(VERSIONED))
        self.desktop.key('Return', settle=0)
        self.desktop.wait_until(lambda: files.isdisjoint(self.desktop.program_windows()), 'the file dialog to close')
        time.sleep(0.5)
        self.shot('launch-chosen')
        self.desktop.click_and_wait_for_close(*LAUNCH_OK, dialog, 'the launch dialog to close')
        self.assertNotIn('Layer0Button010', self.desktop.registry().get('Profile0', {}))  # waits for APPLY
        self.desktop.click(*APPLY, settle=0)
        stored = self.desktop.wait_until(lambda: self.desktop.registry().get('Profile0', {}).get('Layer0Button010'),
                                         'the launch record')
        self.assertEqual(stored[0], 9)
        self.assertEqual(text(stored, 538).lower(), windows_path(VERSIONED).lower())
        self.assertEqual(text(stored, 1058), 'Trelm Test Program')

    def test_the_profile_switch_is_stored_after_apply(self):
        dialog = self.open_from_menu(PROFILE, 'the profile switch dialog')
        for point in (SWITCH_PROFILE_UP, SWITCH_PROFILE_UP, SWITCH_LAYER_UP, SWITCH_DISPLAY):
            self.desktop.click(*point, settle=0.3)
        self.shot('profile-switch')
        self.desktop.click_and_wait_for_close(*SWITCH_OK, dialog, 'the profile switch dialog to close')
        self.desktop.click(*APPLY, settle=0)
        stored = self.stored()
        self.assertEqual(stored, record(8, {1580: struct.pack('<iii', 2, 1, 1)}))

    def test_the_panel_slides_out_and_back(self):
        panel = self.desktop.click_and_wait_for_window(*REFERENCE, 'the advanced settings panel')
        time.sleep(0.5)
        self.shot('panel-out')
        self.desktop.click_and_wait_for_close(*PANEL_OK, panel, 'the panel to slide in')
        self.desktop.click(*APPLY, settle=0)
        self.assertEqual(self.desktop.wait_for_value('Profile0', 'Keymap'), b'\x00')


if __name__ == '__main__':
    DIST, VERSIONED = sys.argv[1], sys.argv[2]
    Editors.dist = DIST
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:], verbosity=2)
