#!/usr/bin/python3
# The game on the desktop's accessibility bus, read and played as a screen
# reader does it (pyatspi, Debian's python3-pyatspi): the application, the
# main window's buttons with their names and descriptions, a fight through a
# button's action, the focus following Tab, the attribute page as a dialog,
# refusals (a disabled button, a window under a modal page, an object that is
# gone), the announcement of a fight, no processor time while idle, a
# recording that replays the session, and the game going on when the
# accessibility bus goes away.
# Runs on a session bus of its own (dbus-run-session) on an X display; starts
# the accessibility bus itself (at-spi2-core's launcher), so that it can end it.
#   usage: dbus-run-session -- screen_reader_test.py PROGRAM
import json
import os
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
    return condition


def wait_for(found, seconds=30):
    """Runs the main loop (events come through it) until found() is true."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        value = found()
        if value:
            return value
        context.iteration(False)
        time.sleep(0.02)
    return found()


def name_has_owner(name):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    reply = bus.call_sync('org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus',
                          'NameHasOwner', GLib.Variant('(s)', (name,)), None, Gio.DBusCallFlags.NONE, -1, None)
    return reply.unpack()[0]


launcher = subprocess.Popen(['/usr/libexec/at-spi-bus-launcher', '--launch-immediately'])
if not wait_for(lambda: name_has_owner('org.a11y.Bus')):
    sys.exit('the accessibility bus did not start')
import pyatspi  # noqa: E402 (asks for the accessibility bus as it loads)

recording = tempfile.NamedTemporaryFile(suffix='.txt', delete=False).name
game = subprocess.Popen([program, '--seed', '1', '--script', '-', '--record', recording],
                        stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)


def ask(command):
    """A script command that prints one line of JSON."""
    game.stdin.write(command + '\n')
    game.stdin.flush()
    return json.loads(game.stdout.readline())


def tell(command):
    game.stdin.write(command + '\n')
    game.stdin.flush()


events = []
listener = lambda event: events.append(event)  # noqa: E731
for kind in ('object:state-changed:focused', 'object:text-changed:insert', 'window:create',
             'window:destroy'):
    pyatspi.Registry.registerEventListener(listener, kind)


def event_of(kind, source_role=None, detail1=None):
    for event in events:
        if event.type == kind and (source_role is None or event.source.getRole() == source_role) and \
                (detail1 is None or event.detail1 == detail1):
            return event
    return None


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == 'Quorvanel':
            return app
    return None


def descendants(node, role):
    found = []
    for child in node:
        if child is None:
            continue
        if child.getRole() == role:
            found.append(child)
        found.extend(descendants(child, role))
    return found


def windows(role):
    return [w for w in application() if w is not None and w.getRole() == role]


def call(path, interface, method, arguments=None):
    """A method of one of the game's objects, called on the accessibility
    bus directly: its one value, or the error."""
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    address = session.call_sync('org.a11y.Bus', '/org/a11y/bus', 'org.a11y.Bus', 'GetAddress', None, None,
                                Gio.DBusCallFlags.NONE, -1, None).unpack()[0]
    bus = Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION,
        None, None)
    try:
        parameters = GLib.Variant(*arguments) if arguments else None
        return bus.call_sync(app.app.bus_name, path, interface, method, parameters, None, Gio.DBusCallFlags.NONE,
                             10000, None).unpack()[0]
    except GLib.Error as error:
        return error


def enabled(node):
    return node.getState().contains(pyatspi.STATE_ENABLED)


app = wait_for(application)
check(app is not None, 'the application "Quorvanel" is on the accessibility bus')
if app is None:
    game.kill()
    launcher.terminate()
    sys.exit(1)
frame = wait_for(lambda: windows(pyatspi.ROLE_FRAME))[0]
buttons = descendants(frame, pyatspi.ROLE_PUSH_BUTTON)
names = [b.name for b in buttons]
top = [c.name for c in frame if c.getRole() == pyatspi.ROLE_PUSH_BUTTON]
print('buttons:', names)
check(top == ['属性', '背包', '战斗', '任务'], 'the four top buttons, in order')
fights = [b for b in buttons if b.name.startswith('讨伐 ')]
check(len(fights) == 6, 'a "讨伐" button on each of the six cards')
check(len([n for n in names if n.endswith(' 属性')]) == 6 and len([n for n in names if n.endswith(' 掉宝')]) == 6,
      'a "属性" and a "掉宝" button on each card')
check({'上一页', '下一页'} <= set(names), "the grid's page buttons")

# The description is the program's own: the same words the access command prints.
description = ask('access')
nodes = {}
pending = [description]
while pending:
    node = pending.pop()
    nodes[node['id']] = node
    pending.extend(node.get('children', []))
first = fights[0]
first_id = first.accessibleId
check(first.description == nodes[first.accessibleId].get('description') and '回合消灭' in first.description,
      "a fight button's description is its estimate")
check([enabled(f) for f in fights] == [not ('disabled' in nodes[f.accessibleId].get('states', []))
                                       for f in fights], 'the fight buttons are enabled as in the game')

# Idle: the bridge's thread sleeps as the game does.
def ticks(pid):
    with open(f'/proc/{pid}/stat') as stat:
        fields = stat.read().rsplit(')', 1)[1].split()
    return int(fields[11]) + int(fields[12])


time.sleep(1)
before = ticks(game.pid)
time.sleep(2)
check(ticks(game.pid) == before, 'no processor time in two idle seconds')

# Requests the game refuses never reach it: the recording at the end holds
# only the activations taken. (The bus answers an action before it is done.)
disabled = next(f for f in fights if not enabled(f))
disabled.queryAction().doAction(0)
first.queryAction().doAction(5)

# A fight through the action; no script line meanwhile, which would keep
# the screen reader's input out as it keeps out the pointer's.
def progress(state):
    return state['hero']['level'], state['hero']['exp']


experience = progress(ask('state'))
action = first.queryAction()
check(action.getName(0) == 'click' and action.doAction(0), 'the first enabled "讨伐" takes its action')
news = wait_for(lambda: event_of('object:text-changed:insert', pyatspi.ROLE_STATUS_BAR))
check(news is not None and news.any_data.startswith('讨伐 蝗虫 胜利'), 'the fight is announced: ' +
      (news.any_data if news else 'nothing'))
after = ask('state')
check(progress(after) > experience, "the hero's experience rose")

# Tab moves the focus: the screen reader hears of it.
window_id = subprocess.run(['xdotool', 'search', '--sync', '--onlyvisible', '--name', '^Quorvanel'],
                           capture_output=True, text=True).stdout.split()[0]
subprocess.run(['xdotool', 'mousemove', '--sync', '--window', window_id, '5', '5'], check=True)
events.clear()
subprocess.run(['xdotool', 'key', 'Tab'], check=True)
focused = wait_for(lambda: event_of('object:state-changed:focused', detail1=1))
check(focused is not None and focused.source.getRole() == pyatspi.ROLE_PUSH_BUTTON and
      focused.source.getState().contains(pyatspi.STATE_FOCUSED), 'Tab gives a focus event: ' +
      (focused.source.name if focused else 'none'))

# The attribute page opens as a dialog; under it the main window refuses.
events.clear()
attributes = next(c for c in frame if c.name == '属性')
attributes_id = attributes.accessibleId
check(attributes.queryAction().doAction(0), '"属性" takes its action')
dialog = wait_for(lambda: windows(pyatspi.ROLE_DIALOG))
check(bool(dialog), 'the attribute page is a dialog')
check(wait_for(lambda: event_of('window:create', pyatspi.ROLE_DIALOG)) is not None, 'its window was created')
first.queryAction().doAction(0)  # under the page: refused
dialog = dialog[0] if dialog else None
time.sleep(0.5)
tell('key escape')
check(wait_for(lambda: not windows(pyatspi.ROLE_DIALOG)) and
      wait_for(lambda: event_of('window:destroy')) is not None, 'the page closes: its window is destroyed')
if dialog is not None:
    check(dialog.getState().contains(pyatspi.STATE_DEFUNCT), 'the closed page is defunct')
    refused = call(dialog.path, 'org.a11y.atspi.Component', 'GrabFocus')
    check(refused is False or isinstance(refused, GLib.Error), f'the closed page refuses the focus: {refused}')
check(isinstance(call('/org/a11y/atspi/accessible/9999', 'org.a11y.atspi.Action', 'DoAction', ('(i)', (0,))),
                 GLib.Error), 'an object that never was is an error')

# The bus goes away: the game plays on.
launcher.terminate()
launcher.wait(10)
time.sleep(0.5)
check(game.poll() is None and ask('state')['hero'] == after['hero'],
      'the game goes on without the accessibility bus')
tell('quit')
check(game.wait(30) == 0, 'the game ends well')

# The session replays from its recording.
with open(recording) as lines:
    recorded = lines.read()
taken = [line for line in recorded.split('\n') if line.startswith(('activate ', 'focus '))]
check(taken == ['activate ' + first_id, 'activate ' + attributes_id],
      'the recording holds the activations taken, no refused one: ' + ', '.join(taken))
replay = subprocess.run([program, '--headless', '--script', '-'], input=recorded + 'state\nquit\n',
                        capture_output=True, text=True)
check(json.loads(replay.stdout.splitlines()[-1])['hero'] == after['hero'], 'the recording replays the session')
os.unlink(recording)

sys.exit(1 if failures else 0)
