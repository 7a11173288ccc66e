"""End-to-end: the Windows Installer package of the program's architecture (x64 or x86), made from the
installed program by scripts/make-msi, installed under Wine with msiexec, the program started from its Start
menu shortcut, then uninstalled, leaving nothing of the program behind.

    test_installer.py DIST_DIR VERSION TRELMSETUP_DLL [unittest options]"""
import filecmp
import glob
import os
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import WineDesktop, installed_folder, program_architecture, windows_path  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))
DIST = VERSION = ACTIONS = None
SHORTCUT = 'TrelmVantoria Keyboard Settings.lnk'


def files_below(top):
    return sorted(os.path.relpath(os.path.join(folder, name), top)
                  for folder, _, names in os.walk(top) for name in names)


class Installer(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = WineDesktop(DIST)
        arch = program_architecture(DIST)
        cls.package = os.path.join(cls.desktop.workdir, 'OsselSetting-%s-%s.msi' % (VERSION, arch))
        subprocess.run([os.path.join(ROOT, 'scripts', 'make-msi'), DIST, '--arch', arch, '--version', VERSION,
                        '--actions', ACTIONS, '--out', cls.package], check=True)
        cls.drive = os.path.join(cls.desktop.env['WINEPREFIX'], 'drive_c')
        cls.installed = installed_folder(cls.desktop.env['WINEPREFIX'], DIST)

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    def shortcuts(self):
        # The common or the user's Start menu, whichever this Wine gives a per-machine package.
        return glob.glob(os.path.join(glob.escape(self.drive), '**', SHORTCUT), recursive=True)

    def cached_packages(self):
        return sorted(glob.glob(os.path.join(glob.escape(self.drive), 'windows', 'Installer', '*.msi')))

    def msiexec(self, *arguments):
        return self.desktop.quiet(['msiexec'] + list(arguments) + ['/qn'])

    def test_installs_runs_from_the_start_menu_and_uninstalls_without_a_trace(self):
        cached_before = self.cached_packages()
        self.assertEqual(self.msiexec('/i', windows_path(self.package)), 0)

        self.assertEqual(files_below(self.installed), files_below(DIST))
        for name in ('OsselSetting.exe', 'Quorbel.dll', 'Strings.xml', os.path.join('lang', 'de', 'Strings.xml')):
            self.assertTrue(filecmp.cmp(os.path.join(self.installed, name), os.path.join(DIST, name), shallow=False),
                            name)
        shortcuts = self.shortcuts()
        self.assertEqual(len(shortcuts), 1, shortcuts)

        self.desktop.spawn(['start', '/unix', shortcuts[0]])
        self.desktop.wait_for_window()
        time.sleep(1.0)  # let the first paint finish
        shots = os.path.join(os.path.dirname(DIST), 'e2e-screenshots')
        os.makedirs(shots, exist_ok=True)
        self.desktop.screenshot(os.path.join(shots, 'installed-program.png'))
        self.desktop.quiet(['taskkill', '/f', '/im', 'OsselSetting.exe'])
        self.desktop.wait_until(lambda: not self.desktop.windows(), 'the installed program to stop')

        self.assertEqual(self.msiexec('/x', windows_path(self.package)), 0)
        self.assertFalse(os.path.exists(self.installed), files_below(self.installed))
        self.assertEqual(self.shortcuts(), [])
        self.assertEqual(self.cached_packages(), cached_before)


if __name__ == '__main__':
    DIST, VERSION, ACTIONS = os.path.abspath(sys.argv[1]), sys.argv[2], os.path.abspath(sys.argv[3])
    unittest.main(argv=[sys.argv[0]] + sys.argv[4:], verbosity=2)
