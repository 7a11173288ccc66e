"""End-to-end: the package of the program's architecture puts the user's own keyboard and language in place. An administrator names
both on the command line; a German desktop gets the 105-key keyboard in German by itself; an upgrade keeps
what the user has, running the package again switches the language, and removal leaves the user's
settings.

    test_installer_world.py DIST_DIR VERSION TRELMSETUP_DLL [unittest options]"""
import filecmp
import os
import subprocess
import sys
import time
import unittest

from PIL import Image, ImageChops, ImageStat

sys.path.insert(0, os.path.dirname(__file__))
from harness import WineDesktop, installed_folder, main_window_title, program_architecture, windows_path  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))
DIST = VERSION = ACTIONS = None
PACKAGE_KEY = r'HKLM\Software\Dadezorevuru\TrelmVantoria'
KEYBOARD_WELL = (76, 203, 1050, 489)  # where the main window draws the keyboard
GERMAN = {'LANG': 'de_DE.UTF-8', 'LC_ALL': 'de_DE.UTF-8'}


def make_package(workdir, version):
    arch = program_architecture(DIST)
    package = os.path.join(workdir, 'OsselSetting-%s-%s.msi' % (version, arch))
    subprocess.run([os.path.join(ROOT, 'scripts', 'make-msi'), DIST, '--arch', arch, '--version', version,
                    '--actions', ACTIONS, '--out', package], check=True)
    return package


def next_version(version):
    major, minor, patch = version.split('.')
    return '%s.%s.%d' % (major, minor, int(patch) + 1)


class OwnDisplay:
    """A virtual display of the test's own, so that its keyboard layout touches no other test."""

    def __init__(self, layout):
        # Xvfb picks a display no one uses and tells its number: tests side by side never race for one.
        read, write = os.pipe()
        self.server = subprocess.Popen(['Xvfb', '-displayfd', str(write), '-screen', '0', '1280x1024x24',
                                        '-nolisten', 'tcp'], pass_fds=(write,),
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as announced:
            self.name = ':' + announced.readline().strip()
        deadline = time.time() + 10
        while subprocess.run(['xdpyinfo', '-display', self.name], capture_output=True).returncode != 0:
            if time.time() > deadline:
                self.close()
                raise RuntimeError('Xvfb did not start on ' + self.name)
            time.sleep(0.1)
        subprocess.run(['setxkbmap', '-display', self.name, layout], check=True)

    def close(self):
        self.server.kill()
        self.server.wait()


class WorldInstaller(unittest.TestCase):
    def setUp(self):
        self.desktops = []

    def tearDown(self):
        for desktop in self.desktops:
            desktop.close()

    def open_desktop(self, environment=None):
        desktop = WineDesktop(DIST, environment=environment)
        self.desktops.append(desktop)
        self.installed = installed_folder(desktop.env['WINEPREFIX'], DIST)
        return desktop

    def msiexec(self, desktop, *arguments):
        return desktop.quiet(['msiexec'] + list(arguments) + ['/qn'])

    def assert_installed(self, desktop, layout, language):
        """Language holds `layout`, and the program's Strings.xml and Skins are that language's and keyboard's."""
        self.assertEqual(desktop.registry().get('', {}).get('Language'), bytes([layout, 0, 0, 0]))
        self.assertTrue(filecmp.cmp(os.path.join(self.installed, 'Strings.xml'),
                                    os.path.join(DIST, 'lang', language, 'Strings.xml'), shallow=False), language)
        chosen = os.path.join(DIST, 'Skins', ('104', '105', '109')[layout])
        names = sorted(os.listdir(chosen))
        self.assertEqual(len(names), 24)
        _, mismatch, errors = filecmp.cmpfiles(chosen, os.path.join(self.installed, 'Skins'), names, shallow=False)
        self.assertEqual(mismatch + errors, [])

    def test_the_administrators_choice_stays_through_an_upgrade_until_the_package_runs_again(self):
        desktop = self.open_desktop()
        # The Japanese texts when they are shipped; until then another translation proves the point.
        language = 'ja' if os.path.isdir(os.path.join(DIST, 'lang', 'ja')) else 'de'
        package = make_package(desktop.workdir, VERSION)

        self.assertNotEqual(self.msiexec(desktop, '/i', windows_path(package), 'KEYBOARD_LAYOUT=3'), 0)
        self.assertNotEqual(self.msiexec(desktop, '/i', windows_path(package), 'UI_LANGUAGE=xx'), 0)
        self.assertFalse(os.path.exists(self.installed), 'a refused property installs nothing')

        desktop.set_binary('', 'Language', bytes([1, 0, 0, 0]))  # given properties win over the user's value
        self.assertEqual(self.msiexec(desktop, '/i', windows_path(package), 'KEYBOARD_LAYOUT=2',
                                      'UI_LANGUAGE=' + language), 0)
        self.assert_installed(desktop, 2, language)

        # The program shows the 109-key picture, under the caption of the chosen language.
        desktop.title = main_window_title(os.path.join(DIST, 'lang', language))
        desktop.spawn([os.path.join(self.installed, 'OsselSetting.exe')], cwd=self.installed)
        desktop.wait_for_window()
        subprocess.run(['xdotool', 'mousemove', '1270', '1010'], check=True)
        shots = os.path.join(os.path.dirname(DIST), 'e2e-screenshots')
        os.makedirs(shots, exist_ok=True)

        def difference(shown, folder):
            picture = Image.open(os.path.join(DIST, 'Skins', folder, 'main_layer1_normal.png')).convert('RGB')
            return sum(ImageStat.Stat(ImageChops.difference(shown, picture.crop(KEYBOARD_WELL))).mean)

        def painted_109_keys():
            shot = desktop.screenshot(os.path.join(shots, 'installed-109-keys.png'))
            shown = Image.open(shot).convert('RGB').crop(KEYBOARD_WELL)
            return shown if difference(shown, '109') < 1.0 else None

        shown = desktop.wait_until(painted_109_keys, 'the 109-key keyboard on the screen', timeout=30)
        self.assertGreater(difference(shown, '104'), 3.0)
        desktop.quiet(['taskkill', '/f', '/im', 'OsselSetting.exe'])
        desktop.wait_until(lambda: not desktop.windows(), 'the installed program to stop')

        # A newer version, without properties, keeps the user's Language and the language installed.
        upgrade = make_package(desktop.workdir, next_version(VERSION))
        self.assertEqual(self.msiexec(desktop, '/i', windows_path(upgrade)), 0)
        self.assert_installed(desktop, 2, language)

        # Running the package again with another language switches the texts alone.
        self.assertEqual(self.msiexec(desktop, '/i', windows_path(upgrade), 'UI_LANGUAGE=en'), 0)
        self.assert_installed(desktop, 2, 'en')

        # Removal takes the program's files and the package's note, and leaves the user's settings.
        self.assertEqual(self.msiexec(desktop, '/x', windows_path(upgrade)), 0)
        self.assertFalse(os.path.exists(self.installed))
        self.assertNotEqual(desktop.quiet(['reg', 'query', PACKAGE_KEY]), 0)
        self.assertEqual(desktop.registry().get('', {}).get('Language'), bytes([2, 0, 0, 0]))

    def test_a_german_desktop_gets_the_105_key_keyboard_in_german(self):
        display = OwnDisplay('de')
        self.addCleanup(display.close)
        desktop = self.open_desktop(dict(GERMAN, DISPLAY=display.name))
        package = make_package(desktop.workdir, VERSION)
        self.assertEqual(self.msiexec(desktop, '/i', windows_path(package)), 0)
        self.assert_installed(desktop, 1, 'de')
        self.assertEqual(self.msiexec(desktop, '/x', windows_path(package)), 0)
        self.assertFalse(os.path.exists(self.installed))


if __name__ == '__main__':
    DIST, VERSION, ACTIONS = os.path.abspath(sys.argv[1]), sys.argv[2], os.path.abspath(sys.argv[3])
    unittest.main(argv=[sys.argv[0]] + sys.argv[4:], verbosity=2)
