#!/usr/bin/python3
# The page heard through a real screen reader: the browser build in Debian's
# Chromium (its renderer's accessibility forced on), under the same Orca as
# orca_test.py, on a desktop of its own (orca_desktop.py), played by keys
# (xdotool) from the table of steps below. It prints each step's keys and
# what Orca said after them, as docs/screen-reader.md shows it, and exits 1
# when a step's phrases were not heard. A tool for that page, not a test of
# make test: it needs a built site and takes a minute.
#   usage: page_orca.py SITE_DIR [--lang en] [--sticky-focus-mode]
#   SITE_DIR: build-web/site; --sticky-focus-mode: Insert+A twice once the
#   game is reached, Orca's own way to leave every key to a web page.
#   ORCA_TEST_KEEP=1 keeps the scratch folder with every process's log.
import json
import os
import subprocess
import sys

from orca_desktop import check, heard_all, run_session, wait_until

here = os.path.dirname(os.path.abspath(__file__))
site = sys.argv[1]
options = sys.argv[2:]
english = '--lang' in options and options[options.index('--lang') + 1] == 'en'
sticky_focus_mode = '--sticky-focus-mode' in options

# A click on the page's blue desk, in Chromium's window of 1280 by 1000:
# right of the game's main window, which the page centres, and below the
# full screen button.
DESK = 'click on the desk'
DESK_AT = (1100, 700)

# The table of steps: the keys pressed (xdotool's names, or DESK), and what
# Orca says after them, in Chinese and in English; found anywhere in what was
# said until the next step. Seed 1: the first fight is won and raises the
# hero a level. The first step, Tab until the game's 属性 is said, is played
# before these.
STEPS = [
    # The first key the game gets turns Orca to focus mode (its keys are
    # the game's from then on; a move within that quarter second is said
    # after it, the last one only); the fourth Tab reaches the first card's
    # badge, the fight button is below it.
    (['Tab'] * 4, ['Focus mode', '蝗虫 0级 属性 push button'], ['Focus mode', 'Locust, level 0: stats push button']),
    (['Down'], ['讨伐 蝗虫 0级 push button'], ['Fight Locust, level 0 push button']),
    (['space'], ['讨伐 蝗虫 胜利，获得经验 1。', '升到 1 级。'], ['You beat Locust: 1 exp.', 'Now level 1.']),
    (['Home'], ['属性 push button', '等级 1 经验 0.00%'], ['Stats push button', 'Level 1 Exp 0.00%']),
    # In focus mode Orca says no dialog around the page's first button: the
    # live region names the page.
    (['Return'], ['等级 说明 push button', '等级 1 等级上限5', '打开 属性'],
     ['About Level push button', 'Level 1 Level cap: 5', 'Opened Stats']),
    (['Down'], ['经验 说明 push button', '经验 0.00%'], ['About Exp push button', 'Exp 0.00%']),
    (['Escape'], ['属性 push button', '关闭 属性'], ['Stats push button', 'Closed Stats']),
    # After a click on the desk the keys are still the game's.
    ([DESK, 'Tab'], ['背包 push button'], ['Bag push button']),
    (['space'], ['打开 背包'], ['Opened Bag']),
]


def tab_into_game(desktop, orca, phrase):
    """Tab until the game's first widget is said, or none when the page gave
    the game (its canvas, an "embedded" object) the focus at once; each
    step's keys and what was heard."""
    def in_game(heard):
        return heard_all([phrase], heard) or any(utterance.endswith('embedded') for utterance in heard)

    heard = orca.listen([phrase], 30)
    steps = [([], heard)]
    for _ in range(6):
        if in_game(heard):
            break
        orca.said()
        desktop.run(['xdotool', 'key', 'Tab'])
        heard = orca.listen([phrase], 4)
        steps.append((['Tab'], heard))
    check(in_game(heard), f'Tab into the game: {phrase} or the canvas in {heard}')
    return steps


def press(desktop, window, keys):
    for key in keys:
        if key == DESK:
            desktop.run(['xdotool', 'mousemove', '--window', window, str(DESK_AT[0]), str(DESK_AT[1]), 'click', '1'])
        else:
            desktop.run(['xdotool', 'key', '--delay', '150', key])


def named(keys):
    """Keys as the transcript names them: a run of one key as "Tab ×4"."""
    runs = []
    for key in keys:
        if runs and runs[-1][0] == key:
            runs[-1][1] += 1
        else:
            runs.append([key, 1])
    return ', '.join(key + (f' ×{count}' if count > 1 else '') for key, count in runs) or '(no key: the page loads)'


def play(desktop, orca):
    """Serves the site, opens the page in Chromium and plays the steps; the
    phrases it heard. Prints the transcript."""
    server = desktop.start([os.path.join(here, '..', '..', 'scripts', 'serve-web'), site, '0'], 'serve-web',
                           stdout=subprocess.PIPE, text=True)
    # The language asked for either way: the browser's own is the desktop's, English.
    url = server.stdout.readline().strip() + '?seed=1&lang=' + ('en' if english else 'zh_CN')
    # Chromium's offer to translate a page in another language than its own
    # would be said in the middle of the page's first words.
    profile = desktop.path('chromium', 'Default')
    os.makedirs(profile)
    with open(os.path.join(profile, 'Preferences'), 'w') as preferences:
        json.dump({'translate': {'enabled': False}}, preferences)
    desktop.start(['chromium', '--force-renderer-accessibility', '--no-sandbox', '--disable-gpu', '--no-first-run',
                   '--no-default-browser-check', '--disable-background-networking', '--disable-component-update',
                   '--disable-sync', '--password-store=basic', '--accept-lang=' + ('en-US' if english else 'zh-CN'),
                   '--window-position=0,0', '--window-size=1280,1000',
                   '--user-data-dir=' + desktop.path('chromium'), url], 'chromium')
    found = None

    def shown():
        nonlocal found
        found = desktop.run(['xdotool', 'search', '--onlyvisible', '--name', 'Quorvanel'])
        return found.returncode == 0 and found.stdout.strip() != ''

    if not check(wait_until(shown, 60), "Chromium shows the game's page"):
        return []
    window = found.stdout.split()[0]
    desktop.run(['xdotool', 'windowactivate', '--sync', window])
    transcript = tab_into_game(desktop, orca, 'Stats push button' if english else '属性 push button')
    if sticky_focus_mode:
        orca.said()
        desktop.run(['xdotool', 'key', '--delay', '100', 'Insert+a', 'Insert+a'])
        heard = orca.listen(['Focus mode is sticky.'], 10)
        transcript.append((['Insert+a'] * 2, heard))
        check(heard_all(['Focus mode is sticky.'], heard), f'sticky focus mode in {heard}')
    heard_phrases = []
    for keys, chinese, english_phrases in STEPS:
        phrases = english_phrases if english else chinese
        orca.said()
        press(desktop, window, keys)
        heard = orca.listen(phrases, 15)
        transcript.append((keys, heard))
        if os.environ.get('ORCA_TEST_KEEP'):
            desktop.run(['import', '-window', 'root', desktop.path(f'step{len(transcript)}.png')])
        if check(heard_all(phrases, heard), f'{named(keys)}: {phrases} in {heard}'):
            heard_phrases += phrases
    for keys, heard in transcript:
        print(f'\n**{named(keys)}**\n')
        print('\n'.join('- ' + utterance for utterance in heard), flush=True)
    print()
    return heard_phrases


# Orca would read a page aloud from the top when it loads: the log of what
# it says finishes each utterance at once, and a say-all that a focus change
# cut short waits for an end that never comes, keeping Orca out of focus mode.
sys.exit(run_session(play, {'sayAllOnLoad': False}))
