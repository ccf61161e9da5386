#!/usr/bin/python3
# The game played by ear with a real screen reader: Debian's Orca, through
# speech-dispatcher, on a desktop of the test's own (Xvfb, openbox, a session
# bus, the accessibility bus), with a scratch home and Orca settings made
# here. Orca's debug log holds each utterance ("SPEECH OUTPUT: '...'"), and
# speech-dispatcher's output module (speech_log_module.py) writes down what
# reached the synthesiser.
#
# First a small GTK window must be spoken: a desktop on which Orca cannot
# speak fails as such, after a few tries (a loaded machine is slow to start
# all of this), and never passes quietly. Then the game is played by keys
# (xdotool), step by step from the one table of steps below: the keys, and
# the phrases Orca must say after them, in Chinese and in English.
#   usage: orca_test.py PROGRAM [--lang en]
#   ORCA_TEST_KEEP=1 keeps the scratch folder with every process's log.
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unicodedata

here = os.path.dirname(os.path.abspath(__file__))
program = sys.argv[1]
game_options = sys.argv[2:]
english = game_options == ['--lang', 'en']

# The table of steps: the keys pressed (xdotool's names; none: what is said
# unasked), and what Orca says after them, in Chinese and in English. A
# phrase is found anywhere in what was said after the keys, until the next
# step. Seed 1: the first fight is won and raises the hero a level; 54 more
# on the same monster reach level 5, where the first task opens.
FIGHTS_TO_LEVEL_5 = 54
STEPS = [
    # At start the window and its focused widget are said, with the hero's
    # level and experience beside "属性"; the first Tab moves on from it.
    ([], ['Quorvanel', '属性 push button', '等级 0 经验 0.00%'],
     ['Quorvanel', 'Stats push button', 'Level 0 Exp 0.00%']),
    # Orca's flat review reads the labels line by line (the keypad's 8, then 9
    # twice, with Num Lock off), and minus leaves it: none of these reach the game.
    (['KP_Up', 'KP_Page_Up', 'KP_Page_Up', 'KP_Subtract'], ['属性 背包 战斗 任务', '等级 0', '经验 0.00%'],
     ['Stats Bag Battle Tasks', 'Level 0', 'Exp 0.00%']),
    (['Tab'], ['背包 push button'], ['Bag push button']),
    # The third Tab more reaches the first card's badge; the fight button is below it.
    (['Tab'] * 3 + ['Down'], ['讨伐 蝗虫 0级 push button'], ['Fight Locust, level 0 push button']),
    (['space'], ['讨伐 蝗虫 胜利，获得经验 1。', '升到 1 级。'], ['You beat Locust: 1 exp.', 'Now level 1.']),
    # Orca's own "where am I" names the focused button; the game never sees the key.
    (['KP_Enter'], ['讨伐 蝗虫 0级 push button'], ['Fight Locust, level 0 push button']),
    # The attribute page: its name, and the values beside its rows on their "?" badges.
    (['Home'], ['属性 push button', '等级 1 经验 0.00%'], ['Stats push button', 'Level 1 Exp 0.00%']),
    (['space'], ['属性 dialog', '等级 说明 push button', '等级 1 等级上限5'],
     ['Stats dialog', 'About Level push button', 'Level 1 Level cap: 5']),
    (['Down'], ['经验 说明 push button', '经验 0.00%'], ['About Exp push button', 'Exp 0.00%']),
    (['Escape'], ['属性 push button', '等级 1 经验 0.00%'], ['Stats push button', 'Level 1 Exp 0.00%']),
    (['Down', 'Down'] + ['space'] * FIGHTS_TO_LEVEL_5, ['升到 5 级。'], ['Now level 5.']),
    # The task view: each requirement says whether it is met, on the button that waits for them.
    (['Home', 'Tab', 'Tab', 'Tab', 'space', 'Tab'],
     ['完成任务(等级上限开到10级) push button', '任务要求 打败王伏，未完成 打败成应，未完成 打败赖昆，未完成'],
     ['Complete: cap to 10 push button',
      'Requirements Defeat Wang Fu: not done Defeat Cheng Ying: not done Defeat Lai Kun: not done']),
    (['KP_Enter'], ['完成任务(等级上限开到10级) push button', '打败王伏，未完成'],
     ['Complete: cap to 10 push button', 'Defeat Wang Fu: not done']),
    # Away to the other window and back: the game's window and its focus are said again.
    # Each Alt+Tab waits for its window to be said: on a loaded machine the
    # second could come before the first had taken effect.
    (['alt+Tab'], ['Other window frame'], ['Other window frame']),
    (['alt+Tab'], ['Quorvanel', '完成任务(等级上限开到10级) push button'],
     ['Quorvanel', 'Complete: cap to 10 push button']),
    # Back to 战斗 (Home, then the third head), three fights on 枪兵 for a skill
    # book; Home: "属性", End: "学习技能". The list opens with its ring on the
    # book it announces as focused ...
    (['Home', 'Tab', 'Tab', 'space'] + ['Tab'] * 18 + ['space'] * 3 + ['Home', 'space', 'End', 'space'],
     ['掉落 无懈可击(1)。', '打开 学习技能', '无懈可击 push button'],
     ['Loot: Flawless', 'Opened Learn', 'Flawless push button']),
    # ... Enter learns that book, and the ring is back on 遗忘技能, which names
    # the skill; Escape closes the page.
    (['Return', 'Escape'], ['学会了 无懈可击。', '遗忘技能 push button', '已学技能：无懈可击'],
     ['Learned Flawless.', 'Forget push button', 'Skills learned: Flawless']),
]

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

    def write_orca_settings(self):
        """Speech through speech-dispatcher, no braille, no tutorial hints, the desktop keyboard layout."""
        prefs = self.path('orca')
        os.makedirs(prefs, exist_ok=True)
        chosen = {'enableSpeech': True, 'speechServerFactory': 'orca.speechdispatcherfactory',
                  'enableBraille': False, 'enableBrailleMonitor': False, 'enableTutorialMessages': False,
                  'keyboardLayout': 1, 'orcaModifierKeys': ['Insert', 'KP_Insert'],
                  'profile': ['Default', 'default'], 'activeProfile': ['Default', 'default'],
                  'startingProfile': ['Default', 'default']}
        with open(os.path.join(prefs, 'user-settings.conf'), 'w') as settings:
            json.dump({'general': chosen, 'profiles': {'default': dict(chosen)}, 'pronunciations': {},
                       'keybindings': {}}, settings, indent=1)
        return prefs


class Orca:
    """The screen reader, and what it said: read as it is said from what
    reached speech-dispatcher's output module (Orca's debug log is written
    in blocks), and from the debug log once Orca ended."""

    def __init__(self, desktop):
        self.desktop = desktop
        self.log = desktop.path('orca-debug.txt')
        self.process = desktop.start(['orca', '--user-prefs', desktop.write_orca_settings(), '--debug-file',
                                      self.log], 'orca')
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


def speaking_orca(desktop, tries=3):
    """Orca, once it spoke for a small GTK window; None if it never did.
    Tab moves the window's focus to its second button, again and again: a
    window shown before its bridge reached the bus is heard only then."""
    phrase = 'Orca hears this button'
    for attempt in range(1, tries + 1):
        if not wait_until(lambda: not other_orca_running(), 240):
            print(f'try {attempt}: another Orca of this user is still running', flush=True)
            continue
        orca = Orca(desktop)
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


def play(desktop, orca):
    """Plays the table of steps, with another window to go to and come back
    from; the phrases it heard."""
    desktop.start(['/usr/bin/python3', '-c', GTK_WINDOW.replace('Orca check', 'Other window')], 'other-window')
    desktop.run(['xdotool', 'search', '--sync', '--onlyvisible', '--name', '^Other window$'])
    recording = desktop.path('recording.txt')
    game = desktop.start([program, '--seed', '1', '--record', recording] + game_options, 'game')
    # A search can fail on a window that goes while it looks (the check
    # window of Orca's set-up): it is tried again.
    found = None

    def shown():
        nonlocal found
        found = desktop.run(['xdotool', 'search', '--onlyvisible', '--name', '^Quorvanel'])
        return found.returncode == 0 and found.stdout.strip() != ''

    if not check(wait_until(shown, 30), 'the game shows its main window'):
        return []
    window = found.stdout.split()[0]
    desktop.run(['xdotool', 'windowactivate', '--sync', window])
    heard_phrases = []
    for keys, chinese, english_phrases in STEPS:
        phrases = english_phrases if english else chinese
        if keys:
            orca.said()
            desktop.run(['xdotool', 'key', '--delay', '150'] + keys)
        heard = orca.listen(phrases, 15 + len(keys) // 2)
        if check(heard_all(phrases, heard), f'{" ".join(keys)}: {phrases} in {heard}'):
            heard_phrases += phrases
    desktop.run(['xdotool', 'key', '--window', window, 'alt+F4'])
    try:
        game.wait(20)
    except subprocess.TimeoutExpired:
        desktop.stop(game)
    with open(recording, encoding='utf-8') as lines:
        recorded = lines.read().split('\n')
    # The game would record KP_Enter as Return: only the table's own Returns are there.
    returns = sum(keys.count('Return') for keys, _, _ in STEPS)
    check(sum(line.startswith('key return') for line in recorded) == returns
          and not any(line.startswith(('key up', 'key pageup')) for line in recorded),
          "the keys Orca took (KP_Enter, flat review's) are not in the game's recording")
    return heard_phrases


def main():
    desktop = Desktop()
    started = time.monotonic()
    try:
        desktop.open_display()
        desktop.open_session_bus()
        desktop.open_window_manager()
        desktop.open_accessibility_bus()
        desktop.open_speech()
        orca = speaking_orca(desktop)
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


sys.exit(main())
