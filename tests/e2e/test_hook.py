"""End-to-end: the keyboard hook keeps keys from the system only while a capture runs, and goes with the
program. Another program's keyboard hook, set before ours, sees the keys typed while the macro editor is only
open, and none while it records. The installed program is killed by its process id while the single-key
editor captures keys; keys typed afterwards still reach another program's window, Shift included.

    test_hook.py DIST_DIR KEY_RECORDER [unittest options]"""
import os
import signal
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import DesktopTestCase, windows_path  # noqa: E402
from test_editors import KEY_F10, SINGLEKEY  # noqa: E402
from test_macros import MACRO, OK, RECORD, STOP, events  # noqa: E402

KEY_RECORDER = None
RECORDER_TITLE = 'Trelm Key Recorder'
RECORDER_INSIDE = (300, 900)  # the recorder's client area (KeyRecorder.c places it)


def read(path):
    with open(path, 'rb') as f:
        return f.read().decode('ascii', 'replace')


class HookAfterKill(DesktopTestCase):
    def recorder_shown(self):
        return subprocess.run(['xdotool', 'search', '--onlyvisible', '--name', '^%s$' % RECORDER_TITLE],
                              capture_output=True).returncode == 0

    def type_into_recorder(self, log, text):
        self.desktop.click(*RECORDER_INSIDE, settle=0.3)
        self.desktop.type_text(text, delay=50)
        self.desktop.wait_until(lambda: read(log).endswith(text), 'the recorder to get %r' % text, timeout=20)

    def open_key_menu(self):
        self.desktop.click(*KEY_F10, settle=0)
        self.desktop.wait_until(lambda: len(self.desktop.program_windows()) > 1, 'the key menu')
        time.sleep(0.3)

    def test_another_programs_hook_sees_keys_unless_the_macro_editor_records(self):
        log = os.path.join(self.desktop.workdir, 'hooked.log')
        open(log, 'w').close()
        self.desktop.spawn([KEY_RECORDER, windows_path(log), '--hook'])
        self.desktop.wait_until(lambda: read(log).startswith('hooked;'), "the other program's hook")

        self.desktop.start_program()
        self.open_key_menu()
        editor = self.desktop.click_and_wait_for_window(*MACRO, 'the macro editor')
        self.desktop.key('q', settle=0)  # the editor only looks: Q is the system's
        self.desktop.wait_until(lambda: '51;' in read(log), 'the other hook to see Q while the editor is open')

        self.desktop.click(*RECORD, settle=0.3)
        self.desktop.key('w', settle=0.3)  # recorded: kept from the system
        self.desktop.click(*STOP, settle=0.3)
        self.desktop.key('e', settle=0)
        # The hooks see keys in order: once E is there, W would have been too.
        self.desktop.wait_until(lambda: '45;' in read(log), 'the other hook to see E after Stop')
        self.assertNotIn('57;', read(log))
        self.desktop.click_and_wait_for_close(*OK, editor, 'the macro editor to close')
        record = self.desktop.wait_for_value('Profile0', 'Layer0Button010')
        self.assertEqual(events(record), [(0x57, 0), (0x57, 1)])

    def test_keys_reach_another_program_after_the_program_is_killed_while_capturing(self):
        log = os.path.join(self.desktop.workdir, 'keys.log')
        open(log, 'w').close()
        self.desktop.spawn([KEY_RECORDER, windows_path(log)])
        self.desktop.wait_until(self.recorder_shown, 'the key recorder window')
        self.type_into_recorder(log, 'before')  # the recorder works on its own

        program = self.desktop.start_program()
        self.open_key_menu()
        self.desktop.click_and_wait_for_window(*SINGLEKEY, 'the single-key dialog')
        self.desktop.key('a')  # captured: the hook runs and keeps the key from the system
        self.shot('hook-capturing-before-kill')

        os.kill(program.pid, signal.SIGKILL)
        self.assertIsNotNone(self.desktop.wait_for_exit(program), 'the program did not end')
        self.desktop.wait_until(lambda: not self.desktop.program_windows(), "the program's windows to go")

        self.type_into_recorder(log, 'After Kill')
        self.assertEqual(read(log), 'beforeAfter Kill')  # nothing lost, nothing doubled, Shift not stuck
        self.shot('hook-keys-after-kill')


if __name__ == '__main__':
    HookAfterKill.dist, KEY_RECORDER = sys.argv[1], os.path.abspath(sys.argv[2])
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:], verbosity=2)
