"""End-to-end: profiles and preferences in the installed program under Wine: the profile dialog (choosing,
resetting, exporting and importing a profile), the settings panel with the quick-switch dialog and the
media player, all clicked at the windows' own coordinates and checked through the registry and files.

    test_profiles.py DIST_DIR [unittest options]"""
import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import RECORD_SIZE, DesktopTestCase  # noqa: E402

APPLY = (860, 658)
PROFILE, REFERENCE = (155, 569), (851, 24)
DIALOG = (446, 539)            # the profile dialog hangs below the keyboard
PROFILE_SIZE = 526420


def at(x, y):
    return DIALOG[0] + x, DIALOG[1] + y


def row(i):
    return at(268, 103 + 22 * i)


def reset_of(i):
    return at(476, 103 + 22 * i)


DIALOG_OK, DIALOG_CANCEL, EXPORT, IMPORT = at(356, 391), at(467, 391), at(53, 45), at(153, 45)
# The confirmation dialog (476 x 160) is centred over the main window (1072 x 712), a notice of the profile
# dialog over that dialog (536 x 418).
WARNING_OK, WARNING_CANCEL = (298 + 289, 276 + 134), (298 + 401, 276 + 134)
NOTICE_OK = (DIALOG[0] + 30 + 289, DIALOG[1] + 129 + 134)
# Out, the panel lies at the screen's top: the main window moved 228 down, the panel is 228 above it.
PANEL = (576, 0)
PANEL_OK, SWITCH_BUTTON, MEDIA_BUTTON = (PANEL[0] + 312, 240), (PANEL[0] + 341, 84), (PANEL[0] + 335, 130)
# The media menu opens at the media button's bottom-left corner; its entries are 29 high from 16, 2 apart.


def media_entry(i):
    return PANEL[0] + 227 + 108, PANEL[1] + 143 + 16 + i * 31 + 14



# The quick-switch dialog opens at the screen's corner; its modifier menu 2 pixels below the selector.
CUSTOM, FIRST_MODIFIER, QUICK_OK = (29, 85), (81, 108), (195, 144)
CTRL_ENTRY = (46 + 35, 116 + 2 + 5 + 9)

# A player's key as its installer writes it, the registry view it writes in, and its media menu entry.
PLAYERS = {
    'Winamp': (r'HKEY_LOCAL_MACHINE\SOFTWARE\Classes\Winamp.File\shell\open\command', '/reg:64', 3),
    # A 32-bit installer's key, which a 64-bit program sees only by asking for the 32-bit view.
    'RealPlayer': (r'HKEY_LOCAL_MACHINE\SOFTWARE\Clients\Media\RealOne Player\shell\open\command', '/reg:32', 2),
}


def text_value(text):
    return text.encode('utf-16-le') + bytes(2)


class Profiles(DesktopTestCase):
    def open_profile_dialog(self):
        return self.desktop.click_and_wait_for_window(*PROFILE, 'the profile dialog')

    def header(self):
        return self.desktop.registry().get('', {})

    def apply(self):
        self.desktop.click(*APPLY, settle=0)

    def test_the_chosen_row_becomes_the_current_profile(self):
        self.desktop.start_program()
        dialog = self.open_profile_dialog()
        self.desktop.click(*row(5), settle=0.3)
        self.shot('profile-dialog-row5')
        self.desktop.click_and_wait_for_close(*DIALOG_OK, dialog, 'the profile dialog to close')
        self.apply()
        self.assertEqual(self.desktop.wait_for_value('', 'ProfileCurrent'), b'\x05')

    def reset_row_3(self, answer):
        dialog = self.open_profile_dialog()
        before = self.desktop.program_windows()
        self.desktop.click(*reset_of(3), settle=0)
        question = self.desktop.wait_until(lambda: self.desktop.program_windows() - before, 'the reset question')
        time.sleep(0.3)
        self.desktop.click_and_wait_for_close(*answer, question, 'the question to close')
        self.desktop.click_and_wait_for_close(*DIALOG_OK, dialog, 'the profile dialog to close')
        self.apply()
        return self.desktop.wait_for_value('Profile3', 'Exe')

    def test_a_reset_row_loses_its_name_and_program_only_when_confirmed(self):
        self.desktop.set_binary('Profile3', 'Name', text_value('Raid'))
        self.desktop.set_binary('Profile3', 'Exe', text_value('game.exe'))
        self.desktop.start_program()
        self.assertTrue(self.reset_row_3(WARNING_CANCEL).startswith(text_value('game.exe')))
        self.assertEqual(self.reset_row_3(WARNING_OK), bytes(len(self.desktop.registry()['Profile3']['Exe'])))
        self.assertEqual(self.desktop.registry()['Profile3']['Name'].strip(b'\0'), b'')

    def test_a_profile_exported_to_a_file_imports_into_another_row(self):
        record = bytearray(RECORD_SIZE)
        record[0] = 10
        self.desktop.set_binary('Profile0', 'Layer0Button005', bytes(record))
        self.desktop.start_program()
        backup = os.path.join(self.desktop.workdir, 'backup.prof')
        dialog = self.open_profile_dialog()
        self.desktop.choose_file(*EXPORT, backup)
        self.desktop.wait_until(lambda: os.path.exists(backup) and os.path.getsize(backup) == PROFILE_SIZE,
                                'the exported file')
        self.desktop.click(*row(2), settle=0.3)
        self.desktop.choose_file(*IMPORT, backup)
        self.desktop.click_and_wait_for_close(*DIALOG_OK, dialog, 'the profile dialog to close')
        self.apply()
        self.assertEqual(self.desktop.wait_for_value('Profile2', 'Layer0Button005'), bytes(record))
        self.assertEqual(self.header()['ProfileCurrent'], b'\x02')

    def test_a_refused_import_is_told_and_changes_nothing(self):
        self.desktop.set_binary('Profile0', 'Name', text_value('Keep'))
        self.desktop.start_program()
        short = os.path.join(self.desktop.workdir, 'short.prof')
        with open(short, 'wb') as f:
            f.write(bytes(100))
        dialog = self.open_profile_dialog()
        before = self.desktop.program_windows()
        self.desktop.choose_file(*IMPORT, short)
        notice = self.desktop.wait_until(lambda: self.desktop.program_windows() - before, 'the notice')
        time.sleep(0.3)
        self.shot('profile-import-refused')
        self.desktop.click_and_wait_for_close(*NOTICE_OK, notice, 'the notice to close')
        self.desktop.click_and_wait_for_close(*DIALOG_OK, dialog, 'the profile dialog to close')
        self.apply()
        self.assertTrue(self.desktop.wait_for_value('Profile0', 'Name').startswith(text_value('Keep')))

    def test_a_custom_hot_key_set_through_the_panel_is_stored_after_apply(self):
        self.desktop.start_program()
        panel = self.desktop.click_and_wait_for_window(*REFERENCE, 'the settings panel')
        time.sleep(0.5)
        quick = self.desktop.click_and_wait_for_window(*SWITCH_BUTTON, 'the quick-switch dialog')
        time.sleep(0.3)
        self.desktop.click(*CUSTOM, settle=0.3)
        self.desktop.click(*FIRST_MODIFIER, settle=0.5)
        self.shot('quick-switch-modifier-menu')
        self.desktop.click(*CTRL_ENTRY, settle=0.3)
        self.desktop.key('F11', settle=0.5)
        self.shot('quick-switch-custom')
        self.desktop.click_and_wait_for_close(*QUICK_OK, quick, 'the quick-switch dialog to close')
        self.desktop.click_and_wait_for_close(*PANEL_OK, panel, 'the panel to slide in')
        self.apply()
        self.assertEqual(self.desktop.wait_for_value('', 'bCustomSwitch'), b'\x01')
        self.assertEqual(self.header()['SwitchCode'], bytes([1, 0, 0x7A]))
        self.shot('main-window-after-panel')

    def test_an_installed_player_can_be_chosen_in_the_panel(self):
        for player, (key, view, entry) in PLAYERS.items():
            with self.subTest(player):
                self.setUp()
                self.desktop.quiet(['reg', 'add', key, '/ve', '/d', r'C:\Players\player.exe', view, '/f'])
                self.desktop.start_program()
                panel = self.desktop.click_and_wait_for_window(*REFERENCE, 'the settings panel')
                time.sleep(0.5)
                self.desktop.click(*MEDIA_BUTTON, settle=0.6)
                self.shot('panel-media-menu-' + player)
                self.desktop.click(*media_entry(entry), settle=0.3)
                self.desktop.click_and_wait_for_close(*PANEL_OK, panel, 'the panel to slide in')
                self.apply()
                self.assertEqual(self.desktop.wait_for_value('', 'MediaOption'), bytes([entry]))
                self.desktop.quiet(['reg', 'delete', key, view, '/f'])


if __name__ == '__main__':
    Profiles.dist = sys.argv[1]
    unittest.main(argv=[sys.argv[0]] + sys.argv[2:], verbosity=2)
