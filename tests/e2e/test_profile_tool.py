"""End-to-end: trelm-profile beside the installed program under Wine. A profile made through the program's
dialogs and exported turns into JSON and back byte for byte; a key edited in the JSON imports and is stored;
the whole settings are backed up, deleted from the registry, restored with the companion told, and the
program shows them again. Windows names are written as Windows means them: NUL is the null device, an
existing file is replaced whole, and the input is refused however its name is spelt.

    test_profile_tool.py DIST_DIR COMPANION_EXE [unittest options]"""
import json
import os
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import RECORD_SIZE, WINE, DesktopTestCase, windows_path  # noqa: E402

APPLY, OK = (860, 658), (732, 658)
KEY_F9, KEY_F10 = (569, 231), (611, 231)   # slots 9 and 10 of layout variant 0
F10_AREA, ESC_AREA = (590, 209, 42, 45), (84, 209, 60, 45)
AWAY = (1040, 120)                          # no key, so no hover look in the screenshots
# The key function menu opens at the pointer; the media submenu beside it (see test_main_window.py).
MENU_MACRO, MENU_MEDIA = (90, 32 + 10), (90, 134 + 10)
SUBMENU_MUTE = (181 + 90, 134 + 14 + 4 * 22 + 10)
EDITOR = (446, 539)                         # the macro editor and the profile dialog hang below the keyboard
RECORD, STOP, MACRO_OK = (EDITOR[0] + 216, EDITOR[1] + 64), (EDITOR[0] + 246, EDITOR[1] + 64), \
    (EDITOR[0] + 413, EDITOR[1] + 261)
PROFILE = (155, 569)
DIALOG_OK, EXPORT, IMPORT = (EDITOR[0] + 356, EDITOR[1] + 391), (EDITOR[0] + 53, EDITOR[1] + 45), \
    (EDITOR[0] + 153, EDITOR[1] + 45)
PROFILE_SIZE = 526420


def row(i):
    return EDITOR[0] + 268, EDITOR[1] + 103 + 22 * i


def crop(path, area):
    x, y, w, h = area
    return subprocess.run(['convert', path, '-crop', '%dx%d+%d+%d' % (w, h, x, y), '+repage', 'rgb:-'],
                          capture_output=True, check=True).stdout


def read(path):
    with open(path) as f:
        return f.read()


class ProfileTool(DesktopTestCase):
    def tool(self, *arguments, stdin=None):
        """Runs trelm-profile.exe to its end; its output goes to files, never to a pipe Wine could keep."""
        out, err = (os.path.join(self.desktop.workdir, name) for name in ('tool.out', 'tool.err'))
        with open(out, 'wb') as stdout, open(err, 'wb') as stderr, open(stdin or os.devnull, 'rb') as given:
            code = subprocess.run([WINE, os.path.join(self.desktop.dist, 'trelm-profile.exe')] + list(arguments),
                                  env=self.desktop.env, cwd=self.desktop.dist, stdin=given,
                                  stdout=stdout, stderr=stderr, timeout=120).returncode
        texts = []
        for name in (out, err):
            with open(name, encoding='utf-8', errors='replace') as f:
                texts.append(f.read())
        return code, texts[0], texts[1]

    def path(self, name):
        return os.path.join(self.desktop.workdir, name)

    def start_and_wait_until_painted(self, name):
        """Starts the program and returns a screenshot taken once the Esc and F10 keys are painted (a key not
        yet painted is one flat colour); a click before then can be lost on a busy machine."""
        self.desktop.start_program()
        self.desktop.hover(*AWAY)

        def painted():
            shot = self.shot(name)
            return all(len(set(crop(shot, area))) > 16 for area in (ESC_AREA, F10_AREA)) and shot
        return self.desktop.wait_until(painted, 'the keyboard picture painted', timeout=40)

    def menu(self, key, entry):
        self.desktop.click(*key, settle=0)
        self.desktop.wait_until(lambda: len(self.desktop.program_windows()) > 1, 'the key menu')
        time.sleep(0.3)
        return key[0] + entry[0], key[1] + entry[1]

    def new_windows(self, before, count, what):
        return self.desktop.wait_until(lambda: len(self.desktop.program_windows() - before) >= count and
                                       self.desktop.program_windows() - before, what)

    def make_settings(self):
        """Mute on F9 through the key menu, a recorded macro on F10 through the macro editor, applied."""
        self.start_and_wait_until_painted('profile-tool-started')
        before = self.desktop.program_windows()
        self.desktop.hover(*self.menu(KEY_F9, MENU_MEDIA), settle=0)
        menus = self.new_windows(before, 2, 'the media submenu')
        time.sleep(0.3)
        self.desktop.click(KEY_F9[0] + SUBMENU_MUTE[0], KEY_F9[1] + SUBMENU_MUTE[1], settle=0)
        try:
            self.desktop.wait_until(lambda: menus.isdisjoint(self.desktop.program_windows()), 'the menu to close')
        except AssertionError:
            self.shot('profile-tool-menu-open')
            raise
        editor = self.desktop.click_and_wait_for_window(*self.menu(KEY_F10, MENU_MACRO), 'the macro editor')
        self.desktop.click(*RECORD, settle=0.3)
        for name in ('a', 'b'):
            self.desktop.key_down(name)
            time.sleep(0.05)
            self.desktop.key_up(name)
            time.sleep(0.05)
        time.sleep(0.3)
        self.desktop.click(*STOP, settle=0.3)
        self.desktop.click_and_wait_for_close(*MACRO_OK, editor, 'the macro editor to close')
        self.desktop.click(*APPLY, settle=0)
        self.desktop.wait_until(lambda: self.desktop.registry().get('Profile0', {}).get('Layer0Button009', b'\0')[0]
                                == 39, 'Mute on F9 in the registry')

    def test_an_exported_profile_reads_as_json_and_an_edited_key_imports(self):
        self.make_settings()
        exported, document, back, edited = (self.path(n) for n in ('raid.prof', 'raid.json', 'back.prof', 'edit.prof'))
        dialog = self.desktop.click_and_wait_for_window(*PROFILE, 'the profile dialog')
        self.desktop.choose_file(*EXPORT, exported)
        self.desktop.wait_until(lambda: os.path.exists(exported) and os.path.getsize(exported) == PROFILE_SIZE,
                                'the exported file')

        self.assertEqual(self.tool('to-json', windows_path(exported), '-o', windows_path(document)), (0, '', ''))
        self.assertEqual(self.tool('from-json', windows_path(document), '-o', windows_path(back)), (0, '', ''))
        with open(exported, 'rb') as a, open(back, 'rb') as b:
            self.assertEqual(a.read(), b.read(), 'from-json of to-json gives the exported bytes')
        with open(document, encoding='utf-8') as f:
            profile = json.load(f)
        keys = {key['key']: key for key in profile['layers'][0]['keys']}
        self.assertEqual(keys['F9']['function'], 'MUTE')
        self.assertEqual(keys['F10']['macro']['events'], ['A Press', 'A Release', 'B Press', 'B Release'])
        self.assertEqual(self.tool('check', windows_path(exported))[0], 0)

        # A newcomer's edit: F9 turns up the volume; F10 keeps its macro.
        keys['F9'] = {'key': 'F9', 'function': 'VOLUMEUP'}
        profile['layers'][0]['keys'] = list(keys.values())
        with open(document, 'w', encoding='utf-8') as f:
            json.dump(profile, f, indent=2)
        self.assertEqual(self.tool('from-json', windows_path(document), '-o', windows_path(edited)), (0, '', ''))
        self.assertEqual(self.tool('diff', windows_path(exported), windows_path(edited)),
                         (1, 'layer 1, key F9: Mute \u2192 Volume Up\n', ''))
        self.desktop.click(*row(2), settle=0.3)
        self.desktop.choose_file(*IMPORT, edited)
        self.desktop.click_and_wait_for_close(*DIALOG_OK, dialog, 'the profile dialog to close')
        self.desktop.click(*APPLY, settle=0)
        volume_up = bytes([37]) + bytes(RECORD_SIZE - 1)
        self.desktop.wait_until(lambda: self.desktop.registry().get('Profile2', {}).get('Layer0Button009') == volume_up,
                                'Volume Up on F9 of the imported profile')
        self.assertEqual(self.desktop.registry()['Profile2']['Layer0Button010'],
                         self.desktop.registry()['Profile0']['Layer0Button010'])
        self.shot('profile-tool-imported')

    def shown_f10(self, name):
        """F10 as the freshly started program draws it."""
        shot = self.start_and_wait_until_painted(name)
        self.desktop.stop_programs()
        return crop(shot, F10_AREA)

    def test_backup_and_restore_bring_the_settings_back(self):
        self.make_settings()
        self.desktop.click(*OK, settle=0)
        self.desktop.wait_until(lambda: not self.desktop.windows(), 'the program to close')
        saved = self.desktop.registry()
        marked = self.shown_f10('profile-tool-before-backup')
        folder = self.path('backup')
        self.assertEqual(self.tool('backup', windows_path(folder)), (0, '', ''))
        self.assertEqual(sorted(os.listdir(folder)), sorted(['Setting.json'] + ['Profile%d.json' % p for p in range(10)]))

        self.desktop.clear_settings()
        self.assertEqual(self.desktop.registry(), {})
        self.assertNotEqual(self.shown_f10('profile-tool-no-settings'), marked)
        self.desktop.clear_settings()

        log = self.desktop.start_companion()
        self.assertEqual(self.tool('restore', windows_path(folder)), (0, '', ''))
        self.assertEqual(self.desktop.registry(), saved)
        self.desktop.wait_until(lambda: read(log).split() == ['1537', '7', '0'], 'the notice to the companion')
        self.desktop.stop_programs()
        self.assertEqual(self.shown_f10('profile-tool-restored'), marked)

    def test_restore_of_a_damaged_backup_writes_nothing(self):
        folder = self.path('damaged')
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, 'Setting.json'), 'w') as f:
            f.write('{"currentProfile": 1}')
        for p in range(10):
            with open(os.path.join(folder, 'Profile%d.json' % p), 'w') as f:
                f.write('{"name": "P%d", "layers": [{"keys": [{"key": "F5", "kind": 300}]}]}' % p if p == 7 else '{}')
        code, _, message = self.tool('restore', windows_path(folder))
        self.assertEqual(code, 1)
        self.assertIn('Profile7.json', message)
        self.assertEqual(self.desktop.registry(), {})

    def test_windows_names_mean_what_windows_means(self):
        source, folder, old, document, back = (self.path(n) for n in ('zero.prof', 'folder', 'old.json', 'zero.json',
                                                                      'back.prof'))
        with open(source, 'wb') as f:
            f.write(bytes(PROFILE_SIZE))
        os.makedirs(folder, exist_ok=True)
        with open(old, 'w') as f:
            f.write('old')
        self.assertEqual(self.tool('to-json', windows_path(source), '-o', 'NUL'), (0, '', ''))
        self.assertNotIn('NUL', os.listdir(self.desktop.dist))
        code, _, message = self.tool('to-json', windows_path(source), '-o', windows_path(folder))
        self.assertEqual((code, 'is a folder' in message), (2, True), message)
        code, _, message = self.tool('to-json', windows_path(source), '-o', windows_path(source).upper(), '--force')
        self.assertEqual((code, 'is the input' in message), (2, True), message)
        self.assertEqual(os.path.getsize(source), PROFILE_SIZE)
        self.assertEqual(self.tool('to-json', windows_path(source), '-o', windows_path(old)), (0, '', ''))
        self.assertEqual(json.loads(read(old))['format'], 'TrelmVantoria profile')
        code, out, _ = self.tool('to-json', '-', stdin=source)
        self.assertEqual(code, 0)
        with open(document, 'w', encoding='utf-8') as f:
            f.write(out)
        self.assertEqual(self.tool('from-json', '-', '-o', windows_path(back), stdin=document), (0, '', ''))
        with open(back, 'rb') as f:
            self.assertEqual(f.read(), bytes(PROFILE_SIZE))
        self.assertFalse([n for n in os.listdir(self.desktop.workdir) if n.endswith('.part')])


if __name__ == '__main__':
    ProfileTool.dist, ProfileTool.companion = sys.argv[1], sys.argv[2]
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:], verbosity=2)
