#!/usr/bin/python3
# The game on the desktop's accessibility bus, read and played as a screen
# reader does it (Debian's pyatspi): the application, the main window's
# buttons with their names and descriptions, a fight through a button's
# action and its announcement, the focus following Tab, the attribute page as
# a dialog, refused requests, no processor time while idle, a recording that
# replays the session, and the game going on when the bus goes away.
# Runs on a session bus of its own on an X display, and starts the
# accessibility bus (at-spi2-core's launcher) itself, so that it can end it.
#   usage: dbus-run-session -- screen_reader_test.py PROGRAM
import json
import subprocess
import sys
import tempfile
import time

from gi.repository import Gio, GLib

program = sys.argv[1]
failures = []


def check(condition, what):
    print(('ok    ' if condition else 'FAIL  ') + what, flush=True)
    if not condition:
        failures.append(what)


def wait_for(found, seconds=30):
    """Runs the main loop (events come through it) until found() is true."""
    end = time.monotonic() + seconds
    while not found() and time.monotonic() < end:
        GLib.MainContext.default().iteration(False)
        time.sleep(0.02)
    return found()


session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
launcher = subprocess.Popen(['/usr/libexec/at-spi-bus-launcher', '--launch-immediately'])
wait_for(lambda: session.call_sync('org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus',
                                   'NameHasOwner', GLib.Variant('(s)', ('org.a11y.Bus',)), None, 0, -1,
                                   None).unpack()[0])
import pyatspi  # noqa: E402 (asks for the accessibility bus as it loads)

recording = tempfile.NamedTemporaryFile(suffix='.txt')
game = subprocess.Popen([program, '--seed', '1', '--script', '-', '--record', recording.name],
                        stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)


def ask(command, answers=True):
    """A script command; the line of JSON it prints."""
    game.stdin.write(command + '\n')
    game.stdin.flush()
    return json.loads(game.stdout.readline()) if answers else None


events = []
for kind in ('object:state-changed:focused', 'object:text-changed:insert', 'window:create', 'window:destroy'):
    pyatspi.Registry.registerEventListener(events.append, kind)


def event_of(kind, role=None):
    return next((e for e in events if e.type == kind and (role is None or e.source.getRole() == role)), None)


def windows(role):
    app = next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == 'Quorvanel'), [])
    return [w for w in app if w is not None and w.getRole() == role]


def has(node, state):
    return node.getState().contains(state)


frames = wait_for(lambda: windows(pyatspi.ROLE_FRAME))
check(bool(frames), 'the application "Quorvanel" shows its main window as a frame')
if not frames:
    sys.exit(1)
frame = frames[0]
buttons = pyatspi.findAllDescendants(frame, lambda node: node.getRole() == pyatspi.ROLE_PUSH_BUTTON)
names = [b.name for b in buttons]
check([c.name for c in frame if c.getRole() == pyatspi.ROLE_PUSH_BUTTON] == ['属性', '背包', '战斗', '任务'],
      'the four top buttons, in order')
fights = [b for b in buttons if b.name.startswith('讨伐 ')]
check(len(fights) == 6 and len([n for n in names if n.endswith(' 属性')]) == 6 and
      len([n for n in names if n.endswith(' 掉宝')]) == 6, 'each of the six cards: "讨伐", "属性", "掉宝"')
check({'上一页', '下一页'} <= set(names), "the grid's page buttons")

# The descriptions and states are the program's own, as the access command prints them.
nodes, pending = {}, [ask('access')]
while pending:
    nodes[pending[-1]['id']] = pending[-1]
    pending.extend(pending.pop().get('children', []))
first, first_id = fights[0], fights[0].accessibleId
check(first.description == nodes[first_id].get('description') and '回合消灭' in first.description,
      "a fight button's description is its estimate")
check([has(f, pyatspi.STATE_ENABLED) for f in fights] ==
      ['disabled' not in nodes[f.accessibleId].get('states', []) for f in fights], 'fight buttons enabled as in the game')


def ticks():
    with open(f'/proc/{game.pid}/stat') as stat:
        fields = stat.read().rsplit(')', 1)[1].split()
    return int(fields[11]) + int(fields[12])


time.sleep(1)
before = ticks()
time.sleep(2)
check(ticks() == before, 'no processor time in two idle seconds')

# Refused requests never reach the game: the recording holds only the
# activations taken. (The bus answers an action before it is carried out.)
next(f for f in fights if not has(f, pyatspi.STATE_ENABLED)).queryAction().doAction(0)
first.queryAction().doAction(5)

# A fight through the action, with no script line meanwhile: a script that
# plays keeps out a screen reader's input as it keeps out the pointer's.
hero = ask('state')['hero']
action = first.queryAction()
check(action.getName(0) == 'click' and action.doAction(0), 'the first enabled "讨伐" takes its action')
news = wait_for(lambda: event_of('object:text-changed:insert', pyatspi.ROLE_STATUS_BAR))
check(news is not None and news.any_data.startswith('讨伐 蝗虫 胜利'), f'the fight is announced: {news and news.any_data}')
after = ask('state')['hero']
check((after['level'], after['exp']) > (hero['level'], hero['exp']), "the hero's experience rose")

# Tab moves the focus, and the screen reader hears of it.
window = subprocess.run(['xdotool', 'search', '--sync', '--onlyvisible', '--name', '^Quorvanel'],
                        capture_output=True, text=True).stdout.split()[0]
subprocess.run(['xdotool', 'mousemove', '--sync', '--window', window, '5', '5'], check=True)
events.clear()
subprocess.run(['xdotool', 'key', 'Tab'], check=True)
focused = wait_for(lambda: next((e for e in events if e.type.startswith('object:state-changed:focused') and
                                 e.detail1 == 1), None))
check(focused is not None and focused.source.getRole() == pyatspi.ROLE_PUSH_BUTTON and
      has(focused.source, pyatspi.STATE_FOCUSED), f'Tab gives a focus event: {focused and focused.source.name}')

# The attribute page opens as a dialog; under it the main window refuses.
attributes = next(c for c in frame if c.name == '属性')
attributes_id = attributes.accessibleId
check(attributes.queryAction().doAction(0), '"属性" takes its action')
dialogs = wait_for(lambda: windows(pyatspi.ROLE_DIALOG))
check(bool(dialogs) and wait_for(lambda: event_of('window:create', pyatspi.ROLE_DIALOG)) is not None,
      'the attribute page is a dialog, its window created')
first.queryAction().doAction(0)
time.sleep(0.5)
ask('key escape', answers=False)
check(wait_for(lambda: not windows(pyatspi.ROLE_DIALOG) and event_of('window:destroy')) and
      all(has(d, pyatspi.STATE_DEFUNCT) for d in dialogs), 'the page closes: its window is destroyed and defunct')

# The bus goes away: the game plays on.
launcher.terminate()
launcher.wait(10)
time.sleep(0.5)
check(game.poll() is None and ask('state')['hero'] == after, 'the game goes on without the accessibility bus')
ask('quit', answers=False)
check(game.wait(30) == 0, 'the game ends well')

# The session replays from its recording.
with open(recording.name) as lines:
    recorded = lines.read()
taken = [line for line in recorded.split('\n') if line.startswith(('activate ', 'focus '))]
check(taken == ['activate ' + first_id, 'activate ' + attributes_id], f'the recording holds what was taken: {taken}')
replay = subprocess.run([program, '--headless', '--script', '-'], input=recorded + 'state\nquit\n',
                        capture_output=True, text=True)
check(json.loads(replay.stdout.splitlines()[-1])['hero'] == after, 'the recording replays the session')
sys.exit(1 if failures else 0)
