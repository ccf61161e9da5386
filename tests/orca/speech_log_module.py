#!/usr/bin/python3
# A speech-dispatcher output module that speaks nothing and writes down what
# it would say: one line for each message, in the file its configuration
# names ("SpeechLog PATH"). The screen reader test reads it to know that
# speech got through the whole chain, the synthesiser's end included.
#   speechd.conf: AddModule "log" "/path/speech_log_module.py" "/path/log.conf"
import html
import re
import sys


def reply(*lines):
    sys.stdout.write(''.join(line + '\n' for line in lines))
    sys.stdout.flush()


def block():
    """The lines up to the lone "." that ends a block; a leading "." is doubled."""
    lines = []
    for line in sys.stdin:
        line = line.rstrip('\n')
        if line == '.':
            break
        lines.append(line[1:] if line.startswith('..') else line)
    return lines


log_path = None
with open(sys.argv[1], encoding='utf-8') as config:
    for entry in config:
        if entry.startswith('SpeechLog '):
            log_path = entry.split(' ', 1)[1].strip()
if not log_path or sys.stdin.readline() != 'INIT\n':
    reply('399-no SpeechLog in the configuration, or no INIT', '399 ERR CANT INIT MODULE')
    sys.exit(1)
reply('299-speech log ' + log_path, '299 OK LOADED SUCCESSFULLY')

settings = {'AUDIO': 'AUDIO ', 'LOGLEVEL': 'LOGLEVEL ', 'SET': ''}
done = {'AUDIO': '203 OK AUDIO INITIALIZED', 'LOGLEVEL': '203 OK LOGLEVEL SET', 'SET': '203 OK SETTINGS RECEIVED'}
for command in sys.stdin:
    command = command.rstrip('\n')
    if command in ('SPEAK', 'CHAR', 'KEY', 'SOUND_ICON'):
        reply('202 OK RECEIVING MESSAGE')
        # Orca sends SSML: the words are what is left without the marks, on one line.
        text = ' '.join(html.unescape(re.sub(r'<[^>]*>', '', ' '.join(block()))).split())
        with open(log_path, 'a', encoding='utf-8') as log:
            log.write(command + ' ' + text + '\n')
        reply('200 OK SPEAKING', '701 BEGIN', '702 END')
    elif command in settings:
        reply(f'207 OK RECEIVING {settings[command]}SETTINGS')
        block()
        reply(done[command])
    elif command == 'LIST VOICES':
        reply('200-log\tzh\tnone', '200-log\ten\tnone', '200 OK VOICE LIST SENT')
    elif command in ('STOP', 'PAUSE'):
        pass
    elif command.startswith('DEBUG'):
        reply('200 OK DEBUGGING ' + command.split()[1] if len(command.split()) > 1 else '302 ERROR BAD SYNTAX')
    elif command == 'QUIT':
        reply('210 OK QUIT')
        break
    else:
        reply('300 ERR UNKNOWN COMMAND')
