#!/usr/bin/python3
"""Takes the pictures of the program's windows that the manual and the README show, in one language: the
installed program runs under Wine with that language's texts and is clicked through as a user would.

    scripts/wine-session PREFIX tools/manual/take_screenshots.py DIST_DIR LANGUAGE OUT_DIR

LANGUAGE is "en" or a folder of data/lang (de, ja, ...). Writes OUT_DIR/main-window.png, key-menu.png,
macro-editor.png and profiles.png, each cropped to the windows it shows."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))
sys.path.insert(0, os.path.join(ROOT, 'tests', 'e2e'))
from harness import WineDesktop  # noqa: E402

KEY_F10 = (611, 231)                                # slot 10 of layout variant 0
MENU_MACRO = (KEY_F10[0] + 90, KEY_F10[1] + 32 + 10)
MENU_MEDIA = (KEY_F10[0] + 90, KEY_F10[1] + 134 + 10)
EDITOR = (446, 539)                                 # the macro editor and the profile dialog hang below the keyboard
MACRO_CANCEL = (EDITOR[0] + 524, EDITOR[1] + 261)
PROFILES, PROFILES_CANCEL = (155, 569), (EDITOR[0] + 467, EDITOR[1] + 391)
BACKGROUND = (1000, 150)                            # closes the key menu
AWAY = (1040, 120)                                  # no key under the pointer, so no hover look
MAIN = (0, 0, 1072, 712)


def language_copy(dist, language, folder):
    """The installed program with the language's texts in place of the English ones."""
    copy = os.path.join(folder, 'program')
    shutil.copytree(dist, copy)
    if language != 'en':
        installed = os.path.join(copy, 'lang', language, 'Strings.xml')
        source = installed if os.path.exists(installed) else os.path.join(ROOT, 'data', 'lang', language, 'Strings.xml')
        shutil.copyfile(source, os.path.join(copy, 'Strings.xml'))
    return copy


def geometry(window):
    out = subprocess.run(['xdotool', 'getwindowgeometry', '--shell', window], capture_output=True, text=True,
                         check=True).stdout
    values = dict(line.split('=', 1) for line in out.split())
    return int(values['X']), int(values['Y']), int(values['WIDTH']), int(values['HEIGHT'])


def union(areas):
    left = min(a[0] for a in areas)
    top = min(a[1] for a in areas)
    right = max(a[0] + a[2] for a in areas)
    bottom = max(a[1] + a[3] for a in areas)
    return left, top, right - left, bottom - top


class Photographer:
    def __init__(self, desktop, out):
        self.desktop, self.out = desktop, out

    def shoot(self, name, area):
        """The screen cut to `area` (x, y, width, height) as OUT_DIR/name.png."""
        time.sleep(0.8)  # the last paint
        whole = self.desktop.screenshot(os.path.join(self.desktop.workdir, 'screen.png'))
        x, y, w, h = area
        subprocess.run(['convert', whole, '-crop', '%dx%d+%d+%d' % (w, h, x, y), '+repage', '-strip',
                        os.path.join(self.out, name + '.png')], check=True)

    def opened(self, before):
        """The areas of the program's windows shown since `before`."""
        return [geometry(w) for w in self.desktop.program_windows() - before]

    def run(self):
        d = self.desktop
        d.hover(*AWAY)
        self.shoot('main-window', MAIN)

        before = d.program_windows()
        d.click(*KEY_F10, settle=0)
        d.wait_until(lambda: d.program_windows() - before, 'the key menu')
        d.hover(*MENU_MEDIA)
        d.wait_until(lambda: len(d.program_windows() - before) > 1, 'the multimedia submenu')
        self.shoot('key-menu', union(self.opened(before)))
        d.click(*BACKGROUND)

        d.click(*KEY_F10, settle=0)
        d.wait_until(lambda: d.program_windows() - before, 'the key menu')
        time.sleep(0.3)
        editor = d.click_and_wait_for_window(*MENU_MACRO, 'the macro editor') - before
        d.hover(*AWAY)
        self.shoot('macro-editor', union([geometry(w) for w in editor]))
        d.click_and_wait_for_close(*MACRO_CANCEL, editor, 'the macro editor to close')

        dialog = d.click_and_wait_for_window(*PROFILES, 'the profile dialog')
        d.hover(*AWAY)
        self.shoot('profiles', union([geometry(w) for w in dialog]))
        d.click_and_wait_for_close(*PROFILES_CANCEL, dialog, 'the profile dialog to close')


def main(argv):
    if len(argv) != 4:
        sys.stderr.write(__doc__)
        return 2
    dist, language, out = os.path.abspath(argv[1]), argv[2], os.path.abspath(argv[3])
    os.makedirs(out, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix='trelm-shots-') as folder:
        desktop = WineDesktop(language_copy(dist, language, folder))
        try:
            desktop.start_program()
            Photographer(desktop, out).run()
        finally:
            desktop.close()
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
