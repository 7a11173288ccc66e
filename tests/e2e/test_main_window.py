"""End-to-end: the installed program under Wine, driven with real clicks and keys at the window's own
coordinates, checked through the registry, a stand-in companion window and screenshots.

    test_main_window.py DIST_DIR COMPANION_EXE [unittest options]"""
import os
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import RECORD_SIZE, DesktopTestCase  # noqa: E402

DIST = COMPANION = None

# Screen positions (the window sits at 0, 0): centres of the controls.
KEY_F10 = (611, 231)            # slot 10 of layout variant 0: 590, 209, 42 x 45
APPLY, OK, CANCEL = (860, 658), (732, 658), (989, 658)
RESET_LAYER, RESET_ALL = (180, 505), (338, 569)
LAYER2 = (281, 179)
PROFILE_LABEL = (70, 584, 168, 24)
# The key function menu opens at the pointer; its entries are 20 high at tops 10, 32, 54, 90, ...
MENU_MEDIA = (KEY_F10[0] + 90, KEY_F10[1] + 134 + 10)
# The media submenu opens beside its entry (menu width 181) with entries from top 14, 22 apart.
SUBMENU_MUTE = (KEY_F10[0] + 181 + 90, KEY_F10[1] + 134 + 14 + 4 * 22 + 10)
# The confirmation dialog (476 x 160) is centred over the main window (1072 x 712).
WARNING_OK, WARNING_CANCEL = (298 + 289, 276 + 134), (298 + 401, 276 + 134)


def record(kind, at=None):
    data = bytearray(RECORD_SIZE)
    data[0] = kind
    for offset, value in (at or {}).items():
        data[offset] = value
    return bytes(data)


class MainWindow(DesktopTestCase):
    def profile(self, index=0):
        return self.desktop.registry().get('Profile%d' % index, {})

    def choose_mute_on_f10(self):
        before = self.desktop.program_windows()
        self.desktop.click(*KEY_F10)
        self.desktop.hover(*MENU_MEDIA)
        self.shot('menu-media-open')
        menus = self.desktop.program_windows() - before
        self.desktop.click(*SUBMENU_MUTE, settle=0)
        # The menu goes at once; a generous bound catches a return of the two seconds it once took.
        chosen = time.time()
        self.desktop.wait_until(lambda: menus.isdisjoint(self.desktop.program_windows()), 'the menu to close', 10)
        self.assertLess(time.time() - chosen, 1.5, 'the key menu closes at once')

    def test_media_mute_is_stored_as_kind_39_only_on_apply(self):
        self.desktop.start_program()
        self.choose_mute_on_f10()
        self.assertNotIn('Layer0Button010', self.profile())  # nothing saved before APPLY
        self.desktop.click(*APPLY, settle=2.0)
        stored = self.profile()
        self.assertEqual(stored['Layer0Button010'], record(39))
        self.assertEqual(stored['Layer0Button009'], record(0))
        self.assertEqual(len(stored), 7 + 330)
        self.assertEqual(self.desktop.registry()['']['ProfileCurrent'], b'\x00')

    def test_cancel_after_a_change_leaves_the_registry_as_it_was(self):
        self.desktop.set_binary('Profile0', 'Layer0Button010', record(10))
        process = self.desktop.start_program()
        self.choose_mute_on_f10()
        self.desktop.click(*CANCEL)
        self.assertIsNotNone(self.desktop.wait_for_exit(process), 'CANCEL closes the window')
        self.assertEqual(self.profile()['Layer0Button010'], record(10))
        self.assertNotIn('Layer0Button009', self.profile())

    def test_reset_layer_refused_changes_nothing_and_accepted_waits_for_apply(self):
        self.desktop.set_binary('Profile0', 'Layer0Button005', record(10))
        self.desktop.set_binary('Profile0', 'Layer1Button005', record(33))
        self.desktop.start_program()
        self.desktop.click(*RESET_LAYER, settle=1.5)
        self.shot('reset-layer-question')
        self.desktop.click(*WARNING_CANCEL)
        self.desktop.click(*APPLY, settle=2.0)
        self.assertEqual(self.profile()['Layer0Button005'], record(10))

        self.desktop.click(*RESET_LAYER, settle=1.5)
        self.desktop.click(*WARNING_OK)
        self.assertEqual(self.profile()['Layer0Button005'], record(10))  # memory only until APPLY
        self.desktop.click(*APPLY, settle=2.0)
        stored = self.profile()
        self.assertEqual(stored['Layer0Button005'], record(0))
        self.assertEqual(stored['Layer1Button005'], record(33))  # only the layer shown

    def test_reset_all_keeps_language_and_shows_profile_one(self):
        self.desktop.set_binary('', 'Language', bytes([1, 0, 0, 0]))
        self.desktop.set_binary('', 'ProfileCurrent', bytes([2]))
        self.desktop.set_binary('', 'bCustomSwitch', bytes([1]))
        self.desktop.set_binary('Profile2', 'Exe', 'game.exe'.encode('utf-16-le') + bytes(2))
        self.desktop.set_binary('Profile2', 'Layer2Button100', record(8, {1580: 3}))
        self.desktop.start_program()
        self.desktop.click(*RESET_ALL, settle=1.5)
        self.desktop.click(*WARNING_OK)
        self.shot('after-reset-all')
        self.desktop.click(*APPLY, settle=2.0)
        settings = self.desktop.registry()
        self.assertEqual(settings['']['Language'], bytes([1, 0, 0, 0]))
        self.assertEqual(settings['']['ProfileCurrent'], b'\x00')
        self.assertEqual(settings['']['bCustomSwitch'], b'\x00')
        self.assertEqual(settings['Profile2']['Exe'], bytes(260))
        self.assertEqual(settings['Profile2']['Layer2Button100'], record(0))

    def test_layer_choice_is_kept_per_profile(self):
        self.desktop.start_program()
        self.desktop.click(*LAYER2)
        self.shot('layer2')
        self.desktop.click(*APPLY, settle=2.0)
        self.assertEqual(self.profile()['Keymap'], b'\x01')

    def test_enter_and_escape_neither_close_nor_apply(self):
        process = self.desktop.start_program()
        self.desktop.click(*KEY_F10)
        self.desktop.click(1000, 150)  # the background: closes the menu, focuses the window
        for key in ('Return', 'Escape', 'KP_Enter'):
            self.desktop.key(key)
        time.sleep(1.0)
        self.assertIsNone(process.poll())
        self.assertNotIn('Layer0Button000', self.profile())

    def test_a_second_start_exits_at_once(self):
        self.desktop.start_program()
        second = self.desktop.spawn([os.path.join(DIST, 'OsselSetting.exe')])
        self.assertIsNotNone(self.desktop.wait_for_exit(second, timeout=20), 'the second instance must end')
        self.assertEqual(len(self.desktop.windows()), 1)

    def test_the_companion_hears_open_save_and_close_and_can_switch_the_profile(self):
        log = self.desktop.start_companion()
        process = self.desktop.start_program()
        before = self.shot('label-before-notification')
        self.assertEqual(self.desktop.companion('--notify', '3', '1'), 0)
        time.sleep(1.5)
        after = self.shot('label-after-notification')
        self.assertNotEqual(crop(before, PROFILE_LABEL), crop(after, PROFILE_LABEL))
        self.desktop.click(*APPLY, settle=2.0)
        settings = self.desktop.registry()
        self.assertEqual(settings['']['ProfileCurrent'], b'\x03')
        self.assertEqual(settings['Profile3']['Keymap'], b'\x01')

        self.desktop.click(*CANCEL)
        self.assertIsNotNone(self.desktop.wait_for_exit(process))
        time.sleep(1.0)
        with open(log) as f:
            lines = [line.split() for line in f.read().splitlines()]
        self.assertEqual(len(lines), 3, lines)
        self.assertEqual(lines[0][0], '1538')
        self.assertNotEqual(lines[0][1], '0')  # the window handle
        self.assertEqual(lines[1], ['1537', '7', '0'])
        self.assertEqual(lines[2], ['1538', '0', '0'])


def crop(path, area):
    x, y, w, h = area
    return subprocess.run(['convert', path, '-crop', '%dx%d+%d+%d' % (w, h, x, y), '+repage', 'rgb:-'],
                          capture_output=True, check=True).stdout


if __name__ == '__main__':
    DIST, COMPANION = sys.argv[1], sys.argv[2]
    MainWindow.dist, MainWindow.companion = DIST, COMPANION
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:], verbosity=2)
