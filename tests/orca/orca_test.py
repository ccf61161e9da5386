#!/usr/bin/python3
# The game played by ear with a real screen reader: Debian's Orca, through
# speech-dispatcher, on a desktop of the test's own (orca_desktop.py), after
# Orca spoke for a small GTK window there. The game is played by keys
# (xdotool), step by step from the one table of steps below: the keys, and
# the phrases Orca must say after them, in Chinese and in English.
#   usage: orca_test.py PROGRAM [--lang en]
#   ORCA_TEST_KEEP=1 keeps the scratch folder with every process's log.
import subprocess
import sys

from orca_desktop import GTK_WINDOW, check, heard_all, run_session, wait_until

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


sys.exit(run_session(play))
