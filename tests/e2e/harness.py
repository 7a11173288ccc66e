"""Drives the installed program under Wine on an X display, as a user would: real clicks and key presses
with xdotool, screenshots with ImageMagick, and the registry read back with Wine's own reg tool.

The main window sits at (0, 0) and has no frame, so window coordinates are screen coordinates."""
import os
import re
import shutil
import subprocess
import tempfile
import time
import unittest
import xml.etree.ElementTree as ElementTree

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))
# Starts a 32-bit program with the 32-bit loader and a 64-bit one with the 64-bit, in the same prefix.
WINE = os.path.join(ROOT, 'scripts', 'wine-run')
WINESERVER = '/usr/lib/wine/wineserver'
SETTINGS_KEY = r'HKEY_CURRENT_USER\Software\Dadezorevuru\Setting'
RECORD_SIZE = 1592


def windows_path(path):
    return 'Z:' + os.path.abspath(path).replace('/', '\\')


def program_architecture(dist):
    """'x86' or 'x64', as the PE header of the installed program says."""
    with open(os.path.join(dist, 'OsselSetting.exe'), 'rb') as f:
        header = f.read(4096)
    pe = int.from_bytes(header[0x3c:0x40], 'little')
    return {0x14c: 'x86', 0x8664: 'x64'}[int.from_bytes(header[pe + 4:pe + 6], 'little')]


def installed_folder(prefix, dist):
    """Where a package puts the program in a 64-bit prefix: 32-bit programs go to Program Files (x86)."""
    program_files = {'x64': 'Program Files', 'x86': 'Program Files (x86)'}[program_architecture(dist)]
    return os.path.join(prefix, 'drive_c', program_files, 'TrelmVantoria')


def main_window_title(dist):
    root = ElementTree.parse(os.path.join(dist, 'Strings.xml')).getroot()
    return root.find('MAIN').find('NAME').text


def parse_reg_export(text):
    """Values of a .reg export: {key path: {value name: bytes}} for hex (binary) values."""
    keys, current, pending = {}, None, ''
    for raw in text.splitlines():
        line = pending + raw.strip()
        pending = ''
        if line.endswith('\\'):
            pending = line[:-1]
            continue
        if line.startswith('[') and line.endswith(']'):
            current = keys.setdefault(line[1:-1], {})
            continue
        match = re.match(r'^"((?:[^"\\]|\\.)*)"=hex:(.*)$', line)
        if match and current is not None:
            data = match.group(2).replace(' ', '')
            current[match.group(1)] = bytes(int(b, 16) for b in data.split(',') if b)
    return keys


class WineDesktop:
    """One Wine prefix for a test class, on the X display the test runs under."""

    def __init__(self, dist, companion=None, environment=None):
        """`environment`: variables for Wine over the test's own (another DISPLAY, LANG)."""
        if not os.environ.get('DISPLAY'):
            raise RuntimeError('the end-to-end tests need an X display (scripts/wine-session provides one)')
        self.dist = os.path.abspath(dist)
        self.companion_exe = companion
        self.title = main_window_title(self.dist)
        self.workdir = tempfile.mkdtemp(prefix='trelm-e2e-')
        prefix = os.path.join(self.workdir, 'prefix')
        self.env = dict(os.environ, WINEPREFIX=prefix, WINEARCH='win64',
                        WINEDEBUG='-all', WINEDLLOVERRIDES='mscoree,mshtml=', **(environment or {}))
        self.processes = []
        template = os.environ.get('TRELM_WINE_TEMPLATE')  # a booted prefix (scripts/wine-desktops)
        if template:
            subprocess.run([os.path.join(ROOT, 'scripts', 'copy-prefix'), template, prefix], check=True)
        self._quiet([WINESERVER, '-p'])
        self._quiet([WINE, 'wineboot', '-i'])
        self._quiet([WINE, 'reg', 'add', r'HKCU\Software\Wine\X11 Driver', '/v', 'Managed', '/d', 'N', '/f'])
        self._quiet([os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'scripts', 'wine-fonts')])

    # --- processes -----------------------------------------------------------------------------------------
    def _quiet(self, command, timeout=120):
        # Wine's background processes must not hold our pipes, so nothing is captured here.
        return subprocess.run(command, env=self.env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=timeout).returncode

    def quiet(self, arguments):
        """Runs a Wine program (reg, ...) to its end, its output dropped."""
        return self._quiet([WINE] + list(arguments))

    def spawn(self, arguments, cwd=None):
        process = subprocess.Popen([WINE] + arguments, env=self.env, cwd=cwd or self.dist, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(process)
        return process

    def start_program(self):
        process = self.spawn([os.path.join(self.dist, 'OsselSetting.exe')])
        self.wait_for_window()
        time.sleep(1.0)  # let the first paint finish
        return process

    def windows(self):
        result = subprocess.run(['xdotool', 'search', '--name', '^%s$' % re.escape(self.title)],
                                capture_output=True, text=True)
        return [w for w in result.stdout.split() if w]

    def wait_for_window(self, timeout=30):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if self.windows():
                return
            time.sleep(0.2)
        raise AssertionError('the main window did not appear')

    def wait_for_exit(self, process, timeout=15):
        try:
            return process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def start_companion(self):
        log = os.path.join(self.workdir, 'companion.log')
        open(log, 'w').close()
        self.spawn([self.companion_exe, '--log', windows_path(log)])
        deadline = time.time() + 20
        while time.time() < deadline:
            if subprocess.run(['xdotool', 'search', '--name', '^TrelmKeyboardHelper$'],
                              capture_output=True).returncode == 0:
                return log
            time.sleep(0.2)
        raise AssertionError('the companion window did not appear')

    def companion(self, *arguments):
        return self._quiet([WINE, self.companion_exe] + list(arguments))

    def stop_programs(self):
        for process in self.processes:
            if process.poll() is None:
                process.kill()
                process.wait()
        self.processes = []

    def close(self):
        self.stop_programs()
        self._quiet([WINESERVER, '-k'])
        shutil.rmtree(self.workdir, ignore_errors=True)

    # --- input and output ----------------------------------------------------------------------------------
    def click(self, x, y, settle=0.6):
        subprocess.run(['xdotool', 'mousemove', str(x), str(y)], check=True)
        time.sleep(0.15)
        subprocess.run(['xdotool', 'click', '1'], check=True)
        time.sleep(settle)

    def hover(self, x, y, settle=0.8):
        subprocess.run(['xdotool', 'mousemove', str(x), str(y)], check=True)
        time.sleep(settle)

    def key(self, name, settle=0.5):
        subprocess.run(['xdotool', 'key', name], check=True)
        time.sleep(settle)

    def type_text(self, text, delay=30):
        subprocess.run(['xdotool', 'type', '--delay', str(delay), text], check=True)

    def key_down(self, name):
        subprocess.run(['xdotool', 'keydown', name], check=True)

    def key_up(self, name):
        subprocess.run(['xdotool', 'keyup', name], check=True)

    def program_windows(self):
        """The program's visible top-level windows (the main window, its dialogs and menus)."""
        result = subprocess.run(['xdotool', 'search', '--onlyvisible', '--class', 'osselsetting.exe'],
                                capture_output=True, text=True)
        return set(w for w in result.stdout.split() if w)

    def wait_until(self, condition, what, timeout=20):
        deadline = time.time() + timeout
        while time.time() < deadline:
            value = condition()
            if value:
                return value
            time.sleep(0.1)
        raise AssertionError('timed out waiting for ' + what)

    def window_places(self):
        """Where each visible window of the program is: {window: geometry}."""
        places = {}
        for window in self.program_windows():
            result = subprocess.run(['xdotool', 'getwindowgeometry', '--shell', window],
                                    capture_output=True, text=True)
            if result.returncode == 0:
                places[window] = result.stdout
        return places

    def wait_until_still(self, what, timeout=20, readings=3):
        """Waits until the program's windows stop moving: a sliding panel takes longer on a busy machine."""
        history = []

        def still():
            history.append(self.window_places())
            return len(history) >= readings and all(h == history[-1] for h in history[-readings:])
        self.wait_until(still, what + ' to come to rest', timeout)

    def click_and_wait_for_window(self, x, y, what, timeout=20):
        """Clicks, then waits until a new window of the program is shown and the windows are still; returns it."""
        before = self.program_windows()
        self.click(x, y, settle=0)
        shown = self.wait_until(lambda: self.program_windows() - before, what, timeout)
        self.wait_until_still(what, timeout)
        return shown

    def click_and_wait_for_close(self, x, y, window, what, timeout=20):
        self.click(x, y, settle=0)
        self.wait_until(lambda: window.isdisjoint(self.program_windows()), what, timeout)

    def choose_file(self, x, y, path):
        """Clicks a button that opens a file dialog, types `path` into it and waits until it closes."""
        files = self.click_and_wait_for_window(x, y, 'the file dialog')
        time.sleep(1.0)  # the dialog fills its folder view before it takes typing
        self.type_text(windows_path(path))
        self.key('Return', settle=0)
        self.wait_until(lambda: files.isdisjoint(self.program_windows()), 'the file dialog to close')

    def screenshot(self, path):
        subprocess.run(['import', '-window', 'root', path], check=True, capture_output=True)
        return path

    # --- registry ------------------------------------------------------------------------------------------
    def registry(self):
        """Every value under the settings key, as {relative key: {name: bytes}}."""
        out = os.path.join(self.workdir, 'export.reg')
        if os.path.exists(out):
            os.remove(out)
        self._quiet([WINE, 'reg', 'export', SETTINGS_KEY, windows_path(out), '/y'])
        if not os.path.exists(out):
            return {}
        with open(out, 'rb') as f:
            raw = f.read()
        text = raw.decode('utf-16') if raw[:2] in (b'\xff\xfe', b'\xfe\xff') else raw.decode('utf-8', 'replace')
        values = {}
        for key, entries in parse_reg_export(text).items():
            relative = key[len(SETTINGS_KEY):].lstrip('\\')
            values[relative] = entries
        return values

    def wait_for_value(self, subkey, name, timeout=20):
        """Waits until the registry holds the value and returns it."""
        return self.wait_until(lambda: self.registry().get(subkey, {}).get(name),
                               'the registry value %s\\%s' % (subkey, name), timeout)

    def set_binary(self, subkey, name, data):
        key = SETTINGS_KEY + ('\\' + subkey if subkey else '')
        self._quiet([WINE, 'reg', 'add', key, '/v', name, '/t', 'REG_BINARY', '/d', data.hex(), '/f'])

    def clear_settings(self):
        self._quiet([WINE, 'reg', 'delete', r'HKEY_CURRENT_USER\Software\Dadezorevuru', '/f'])


class DesktopTestCase(unittest.TestCase):
    """One Wine desktop for the class; every test starts with no settings and no program running.
    Subclasses set `dist` (and `companion`) before the class is set up."""
    dist = None
    companion = None

    @classmethod
    def setUpClass(cls):
        cls.desktop = WineDesktop(cls.dist, cls.companion)
        cls.shots = os.path.join(os.path.dirname(os.path.abspath(cls.dist)), 'e2e-screenshots')
        os.makedirs(cls.shots, exist_ok=True)

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    def setUp(self):
        self.desktop.stop_programs()
        self.desktop.clear_settings()

    def tearDown(self):
        self.desktop.stop_programs()

    def shot(self, name):
        return self.desktop.screenshot(os.path.join(self.shots, name + '.png'))
