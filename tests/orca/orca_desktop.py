# A desktop of a screen reader test's own, with Debian's Orca speaking on it
# through speech-dispatcher: Xvfb, openbox, a session bus, the accessibility
# bus, a scratch home and Orca settings made here. Orca's debug log holds
# each utterance ("SPEECH OUTPUT: '...'"), and speech-dispatcher's output
# module (speech_log_module.py) writes down what reached the synthesiser.
#
# First a small GTK window must be spoken: a desktop on which Orca cannot
# speak fails as such, after a few tries (a loaded machine is slow to start
# all of this), and never passes quietly. What is played on it is the
# caller's (orca_test.py: the game; page_orca.py: the page in Chromium).
#   ORCA_TEST_KEEP=1 keeps the scratch folder with every process's log.
import json
import os
import random
import re
import shutil
import subprocess
import tempfile
import time
import unicodedata

here = os.path.dirname(os.path.abspath(__file__))

failures = []


def check(condition, what):
    print(('ok    ' if condition else 'FAIL  ') + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def spoken(text):
    """Text as speech-dispatcher passes it on: its punctuation half width."""
    return unicodedata.normalize('NFKC', text)


def heard_all(phrases, utterances):
    return all(any(spoken(p) in spoken(u) for u in utterances) for p in phrases)


def wait_until(found, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if found():
            return True
        time.sleep(0.1)
    return found()


class Desktop:
    """The processes of one desktop session, ended in the reverse order."""

    def __init__(self):
        self.scratch = tempfile.mkdtemp(prefix='orca-test-')
        self.processes = []
        home = os.path.join(self.scratch, 'home')
        runtime = os.path.join(self.scratch, 'runtime')
        os.makedirs(home)
        os.makedirs(runtime, mode=0o700)
        self.env = {key: value for key, value in os.environ.items()
                    if key not in ('DISPLAY', 'WAYLAND_DISPLAY', 'DBUS_SESSION_BUS_ADDRESS', 'AT_SPI_BUS_ADDRESS',
                                   'NO_AT_BRIDGE', 'GTK_MODULES', 'GDK_SCALE', 'QUORVANEL_SCALE', 'LANGUAGE',
                                   'LC_ALL', 'LC_MESSAGES')}
        self.env.update(HOME=home, XDG_RUNTIME_DIR=runtime, LANG='C.UTF-8',
                        XDG_CONFIG_HOME=os.path.join(home, '.config'),
                        XDG_DATA_HOME=os.path.join(home, '.local', 'share'),
                        XDG_CACHE_HOME=os.path.join(home, '.cache'))

    def path(self, *parts):
        return os.path.join(self.scratch, *parts)

    def start(self, command, name, **options):
        log = open(self.path(name + '.log'), 'w')
        process = subprocess.Popen(command, env=self.env, stdout=options.pop('stdout', log), stderr=log,
                                   **options)
        self.processes.append(process)
        return process

    def stop(self, process):
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        if process in self.processes:
            self.processes.remove(process)

    def close(self):
        for process in reversed(list(self.processes)):
            self.stop(process)
        # ORCA_TEST_KEEP=1 keeps the logs of every process for a look.
        if os.environ.get('ORCA_TEST_KEEP'):
            print('the logs are in ' + self.scratch)
        else:
            shutil.rmtree(self.scratch, ignore_errors=True)

    def open_display(self):
        read, write = os.pipe()
        self.start(['Xvfb', '-displayfd', str(write), '-screen', '0', '1280x1024x24', '-nolisten', 'tcp',
                    '-noreset'], 'xvfb', pass_fds=[write])
        os.close(write)
        number = b''
        while not number.endswith(b'\n'):
            chunk = os.read(read, 16)
            if not chunk:
                raise RuntimeError('Xvfb did not start: ' + open(self.path('xvfb.log')).read())
            number += chunk
        os.close(read)
        self.env['DISPLAY'] = ':' + number.decode().strip()

    def open_session_bus(self):
        bus = self.start(['dbus-daemon', '--session', '--nofork', '--print-address=1'], 'dbus',
                         stdout=subprocess.PIPE, text=True)
        self.env['DBUS_SESSION_BUS_ADDRESS'] = bus.stdout.readline().strip()

    def run(self, command):
        return subprocess.run(command, env=self.env, capture_output=True, text=True)

    def open_window_manager(self):
        self.start(['openbox', '--sm-disable'], 'openbox')
        if not wait_until(lambda: 'window id' in self.run(['xprop', '-root', '_NET_SUPPORTING_WM_CHECK']).stdout, 20):
            raise RuntimeError('openbox did not start')

    def has_name(self, name):
        answer = self.run(['dbus-send', '--session', '--print-reply', '--dest=org.freedesktop.DBus',
                           '/org/freedesktop/DBus', 'org.freedesktop.DBus.NameHasOwner', 'string:' + name])
        return 'boolean true' in answer.stdout

    def open_accessibility_bus(self):
        self.start(['/usr/libexec/at-spi-bus-launcher', '--launch-immediately'], 'at-spi-bus')
        if not wait_until(lambda: self.has_name('org.a11y.Bus'), 20):
            raise RuntimeError('the accessibility bus did not start')

    def open_speech(self):
        """speech-dispatcher with the logging output module alone."""
        config = self.path('speechd')
        os.makedirs(config)
        self.speech_log = self.path('speech.txt')
        open(self.speech_log, 'w').close()
        with open(os.path.join(config, 'log.conf'), 'w') as module:
            module.write(f'SpeechLog {self.speech_log}\n')
        with open(os.path.join(config, 'speechd.conf'), 'w') as conf:
            conf.write(f'LogLevel 3\nLogDir "{self.path()}"\n'
                       f'AddModule "log" "{here}/speech_log_module.py" "{config}/log.conf"\n'
                       'DefaultModule log\nDefaultLanguage "en"\n')
        self.start(['speech-dispatcher', '--run-single', '--config-dir', config, '--communication-method',
                    'unix_socket', '--socket-path', 'default', '--timeout', '3600'], 'speech-dispatcher')
        socket = os.path.join(self.env['XDG_RUNTIME_DIR'], 'speech-dispatcher', 'speechd.sock')
        if not wait_until(lambda: os.path.exists(socket), 20):
            raise RuntimeError('speech-dispatcher did not start: ' + open(self.path('speech-dispatcher.log')).read())

    def write_orca_settings(self, more):
        """Speech through speech-dispatcher, no braille, no tutorial hints, the desktop keyboard layout;
        and the caller's own settings (more)."""
        prefs = self.path('orca')
        os.makedirs(prefs, exist_ok=True)
        chosen = {'enableSpeech': True, 'speechServerFactory': 'orca.speechdispatcherfactory',
                  'enableBraille': False, 'enableBrailleMonitor': False, 'enableTutorialMessages': False,
                  'keyboardLayout': 1, 'orcaModifierKeys': ['Insert', 'KP_Insert'],
                  'profile': ['Default', 'default'], 'activeProfile': ['Default', 'default'],
                  'startingProfile': ['Default', 'default'], **more}
        with open(os.path.join(prefs, 'user-settings.conf'), 'w') as settings:
            json.dump({'general': chosen, 'profiles': {'default': dict(chosen)}, 'pronunciations': {},
                       'keybindings': {}}, settings, indent=1)
        return prefs


class Orca:
    """The screen reader, and what it said: read as it is said from what
    reached speech-dispatcher's output module (Orca's debug log is written
    in blocks), and from the debug log once Orca ended."""

    def __init__(self, desktop, settings):
        self.desktop = desktop
        self.log = desktop.path('orca-debug.txt')
        prefs = desktop.write_orca_settings(settings)
        self.process = desktop.start(['orca', '--user-prefs', prefs, '--debug-file', self.log], 'orca')
        self.read = 0

    def said(self):
        """Each utterance since the last call."""
        with open(self.desktop.speech_log, 'rb') as log:
            log.seek(self.read)
            data = log.read()
        complete = data.rfind(b'\n') + 1
        self.read += complete
        lines = data[:complete].decode('utf-8', errors='replace').split('\n')
        return [line.split(' ', 1)[1] for line in lines if ' ' in line]

    def debug_log_said(self):
        """Every utterance in Orca's debug log: SPEECH OUTPUT: 'words'{'established': False}
        (a key's name: 'tab ' {...})."""
        with open(self.log, encoding='utf-8', errors='replace') as log:
            text = log.read()
        return [' '.join(re.split(r"' ?\{", u, maxsplit=1)[0].split()) for u in text.split("SPEECH OUTPUT: '")[1:]]

    def listen(self, phrases, seconds):
        """What is said until each phrase was heard (or time runs out)."""
        heard = []
        wait_until(lambda: heard.extend(self.said()) or heard_all(phrases, heard), seconds)
        return heard

    def stop(self):
        self.desktop.stop(self.process)


GTK_WINDOW = '''
import gi
gi.require_version("Gtk", "3.0")
from gi.repository import Gtk
window = Gtk.Window(title="Orca check")
box = Gtk.Box()
for label in ("First", "Orca hears this button"):
    box.add(Gtk.Button(label=label))
window.add(box)
window.connect("destroy", Gtk.main_quit)
window.show_all()
Gtk.main()
'''


def other_orca_running():
    """Orca starts only once per user, whatever the desktop: another one
    (another run of this test, the user's own) makes it exit at once."""
    return subprocess.run(['pgrep', '-u', str(os.getuid()), '-x', 'orca'], stdout=subprocess.DEVNULL).returncode == 0


def speaking_orca(desktop, settings, tries=3):
    """Orca, once it spoke for a small GTK window; None if it never did.
    Tab moves the window's focus to its second button, again and again: a
    window shown before its bridge reached the bus is heard only then."""
    phrase = 'Orca hears this button'
    for attempt in range(1, tries + 1):
        # Two runs that wait for each other would start together again and
        # fail together: each waits a while of its own first.
        time.sleep(random.uniform(0, 10))
        if not wait_until(lambda: not other_orca_running(), 240):
            print(f'try {attempt}: another Orca of this user is still running', flush=True)
            continue
        orca = Orca(desktop, settings)
        started = orca.listen(['Screen reader on'], 30)
        window = desktop.start(['/usr/bin/python3', '-c', GTK_WINDOW], 'gtk-window')
        desktop.run(['xdotool', 'search', '--sync', '--onlyvisible', '--name', '^Orca check$'])
        heard = []
        for _ in range(10):
            desktop.run(['xdotool', 'key', 'Tab'])
            heard += orca.listen([phrase], 3)
            if any(phrase in u for u in heard):
                break
        desktop.stop(window)
        if any(phrase in u for u in heard):
            return orca
        print(f'try {attempt}: Orca said {started + heard} for the GTK window', flush=True)
        orca.stop()
    return None


def run_session(play, settings={}):
    """Plays on a desktop with a speaking Orca, with Orca settings of the
    caller's besides this module's (play(desktop, orca): the phrases it
    heard), then checks Orca's debug log holds them; the exit status."""
    desktop = Desktop()
    started = time.monotonic()
    try:
        desktop.open_display()
        desktop.open_session_bus()
        desktop.open_window_manager()
        desktop.open_accessibility_bus()
        desktop.open_speech()
        orca = speaking_orca(desktop, settings)
        if not check(orca is not None, 'Orca speaks for a small GTK window'):
            with open(desktop.path('orca-debug.txt'), errors='replace') as log:
                print(log.read()[-4000:])
            return 1
        with open(desktop.speech_log, encoding='utf-8') as spoken:
            check('Orca hears this button' in spoken.read(), "speech-dispatcher's output module got the words")
        heard = play(desktop, orca)
        orca.stop()
        said = orca.debug_log_said()
        check(heard_all(heard, said), "Orca's debug log holds what was heard")
        print('Orca said:\n  ' + '\n  '.join(said), flush=True)
    finally:
        print(f'{time.monotonic() - started:.1f} s', flush=True)
        desktop.close()
    return 1 if failures else 0

