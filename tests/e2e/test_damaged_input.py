"""End-to-end: the installed program under Wine with damaged input: skin files missing beside it, and
registry values missing, of the wrong size or of the wrong type. It starts, shows the keyboard, answers
clicks and closes, and APPLY writes every value back in its own type and size.

    test_damaged_input.py DIST_DIR [unittest options]"""
import os
import shutil
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import RECORD_SIZE, SETTINGS_KEY, DesktopTestCase  # noqa: E402

KEY_F10 = (611, 231)
APPLY, OK = (860, 658), (732, 658)
RESET_LAYER = (180, 505)
# The confirmation dialog (476 x 160) is centred over the main window (1072 x 712).
WARNING_CANCEL = (298 + 401, 276 + 134)
MAIN_SIZE = (1072, 712)

HEADER_SIZES = {'ProfileTotle': 1, 'ProfileCurrent': 1, 'AutoSwitch': 1, 'ShowScreen': 1, 'TrayIcon': 1,
                'LightOption': 1, 'MediaOption': 1, 'bCustomSwitch': 1, 'SwitchCode': 3}
PROFILE_SIZES = dict({'DeviceMode': 1, 'AutoSwitch': 1, 'ButtonInfoChanged': 1, 'Keymap': 1, 'KeymapChanged': 1,
                      'Name': 260, 'Exe': 260},
                     **{'Layer%dButton%03d' % (l, k): RECORD_SIZE for l in range(3) for k in range(110)})


def pixel(x, y):
    """The screen's colour at (x, y) as 'RRGGBB'."""
    out = subprocess.run(['import', '-window', 'root', '-crop', '1x1+%d+%d' % (x, y), '-depth', '8', 'txt:-'],
                         capture_output=True, text=True).stdout
    return out.split('#')[-1][:6] if '#' in out else ''


def geometry(window):
    """Width and height of an X window."""
    out = subprocess.run(['xdotool', 'getwindowgeometry', window], capture_output=True, text=True).stdout
    for line in out.splitlines():
        if 'Geometry:' in line:
            width, height = line.split(':')[1].strip().split('x')
            return int(width), int(height)
    return 0, 0


class DamagedInput(DesktopTestCase):
    def start(self, folder=None):
        """Starts the program (from `folder`, a copy of the installed one, when given) and waits until its
        main window shows with a size."""
        folder = folder or self.desktop.dist
        process = self.desktop.spawn([os.path.join(folder, 'OsselSetting.exe')], cwd=folder)
        self.desktop.wait_for_window()
        main = self.desktop.wait_until(lambda: [w for w in self.desktop.windows() if geometry(w)[0] > 0],
                                       'the main window with a size')[0]
        # The keyboard picture is drawn: the key under F10 is no longer the empty screen's black.
        self.desktop.wait_until(lambda: pixel(*KEY_F10) not in ('', '000000'), 'the keyboard to be drawn')
        return process, main

    def use_and_close(self, process, main, shot):
        """Opens the key menu and the confirmation dialog, checks both have a size, then OK saves and closes."""
        self.assertEqual(geometry(main), MAIN_SIZE)
        menu = self.desktop.click_and_wait_for_window(*KEY_F10, 'the key function menu')
        self.assertTrue(all(min(geometry(w)) > 0 for w in menu), 'the menu has a size')
        self.shot(shot + '-menu')
        self.desktop.click_and_wait_for_close(*RESET_LAYER, menu, 'a command to close the menu')
        question = self.desktop.wait_until(lambda: self.desktop.program_windows() - {main} - menu,
                                           'the confirmation dialog')
        self.assertTrue(all(min(geometry(w)) > 0 for w in question), 'the question has a size')
        self.desktop.click_and_wait_for_close(*WARNING_CANCEL, question, 'the question to close')
        self.desktop.click(*OK, settle=0)
        self.assertIsNotNone(self.desktop.wait_for_exit(process, timeout=30), 'OK closes the window')

    def test_missing_masks_and_pictures_leave_a_usable_window(self):
        copy = os.path.join(self.desktop.workdir, 'damaged')
        shutil.rmtree(copy, ignore_errors=True)
        shutil.copytree(self.desktop.dist, copy)
        for name in ('main_mask1.bmp', 'main_mask2.bmp', 'key function_normal.png', 'warning_normal.jpg',
                     'layer1_enter_normal.bmp'):
            os.remove(os.path.join(copy, 'Skins', name))
        with open(os.path.join(copy, 'Skins', 'warning_mask.bmp'), 'r+b') as mask:
            mask.truncate(100)
        process, main = self.start(copy)
        self.shot('damaged-skin')
        self.use_and_close(process, main, 'damaged-skin')
        self.assertEqual(self.desktop.registry()['']['ProfileCurrent'], b'\x00', 'OK saved')

    def test_bad_registry_values_are_read_safely_and_apply_repairs_them(self):
        key = SETTINGS_KEY
        bad = [
            (key, 'ProfileCurrent', 'REG_DWORD', '5'),                  # wrong type, 4 bytes
            (key, 'ProfileTotle', 'REG_SZ', 'ten'),                     # wrong type
            (key, 'SwitchCode', 'REG_BINARY', '0102037a7a'),            # 5 bytes for 3
            (key, 'bCustomSwitch', 'REG_BINARY', ''),                   # empty
            (key, 'Language', 'REG_BINARY', '0900000000000000'),        # 8 bytes for 4; never written
            (key + r'\Profile0', 'Name', 'REG_BINARY', '41' * 600),     # larger than its field
            (key + r'\Profile0', 'Keymap', 'REG_BINARY', '07000000'),   # 4 bytes for 1
            (key + r'\Profile0', 'Layer0Button010', 'REG_BINARY', '27' * 3000),      # too large
            (key + r'\Profile0', 'Layer0Button011', 'REG_BINARY', '27' + '00' * 9),  # short: Mute, kept
            (key + r'\Profile0', 'Layer1Button051', 'REG_SZ', 'Enter'),              # wrong type
            (key + r'\Profile3', 'Exe', 'REG_DWORD', '1'),
            (key + r'\Profile9', 'Layer2Button109', 'REG_MULTI_SZ', 'a\\0b'),
        ]
        for path, name, kind, data in bad:
            self.desktop.quiet(['reg', 'add', path, '/v', name, '/t', kind, '/d', data, '/f'])
        self.desktop.quiet(['reg', 'delete', key + r'\Profile5', '/f'])  # a whole profile missing
        process, main = self.start()
        self.shot('bad-registry-values')
        self.desktop.click(*APPLY, settle=0)

        def repaired():
            stored = self.desktop.registry()
            profiles = [stored.get('Profile%d' % p, {}) for p in range(10)]
            return stored if all(len(p) == len(PROFILE_SIZES) for p in profiles) else None
        stored = self.desktop.wait_until(repaired, 'every value written again', timeout=60)
        self.assertEqual({n: len(v) for n, v in stored[''].items() if n != 'Language'}, HEADER_SIZES)
        for p in range(10):
            self.assertEqual({n: len(v) for n, v in stored['Profile%d' % p].items()}, PROFILE_SIZES, p)
        self.assertEqual(stored['']['ProfileCurrent'], b'\x00')
        self.assertEqual(stored['']['SwitchCode'], b'\x00\x00\x00')
        self.assertEqual(stored['']['Language'], bytes.fromhex('0900000000000000'), 'Language is never written')
        self.assertEqual(stored['Profile0']['Name'], bytes(260))
        self.assertEqual(stored['Profile0']['Keymap'], b'\x00')
        self.assertEqual(stored['Profile0']['Layer0Button010'], bytes(RECORD_SIZE))
        self.assertEqual(stored['Profile0']['Layer0Button011'], b'\x27' + bytes(RECORD_SIZE - 1))
        self.use_and_close(process, main, 'bad-registry-values')


if __name__ == '__main__':
    DamagedInput.dist = sys.argv[1]
    unittest.main(argv=[sys.argv[0]] + sys.argv[2:], verbosity=2)
