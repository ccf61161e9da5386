// The page's side of Quorvanel in a browser: the program's windows as framed
// canvases on the desk, the page's input queued for the program, and the
// scripting interface window.quorvanel.
//
// The numbers the page and the program share (event kinds, keys, modifier
// bits, the window frame, the main window's size, the mirror's flags and
// roles) are the program's: it hands them over when it starts (agree),
// before its first window and before it takes any input: keys pressed
// before then wait in the queue as the page saw them.
//
// The program runs on the page's only thread and, while it waits for input,
// is suspended (ASYNCIFY). Nothing here ever calls into it: handlers only
// queue input and wake it; it calls these functions itself.
'use strict';

const QuorvanelHost = (() => {
  // {kind, keys (a Map of names to [key, letter, moves focus]), otherKey, tabKey, modifier, frame,
  //  mainClient, mirror}
  let contract = null;
  const windows = new Map();  // id -> {id, frame, title, canvas, context}
  let topZ = 0;
  const events = [];  // page input not yet taken, oldest first
  const lines = [];   // script lines not yet taken: {text, command}
  let waking = null;  // ends the program's wait
  let idle = false;   // the program waits, with everything carried out
  let current = null; // the command being carried out: {resolve, reject, output}
  let linesSent = 0;
  // Blank and comment lines wait here for the next command: sent on their
  // own, the program would wait for the line after them instead of input.
  const held = [];
  const idleWaiters = [];  // resolved when the program is next idle
  let over = false;   // the game's windows are gone
  let finished = null;  // {code, error} once the program has ended
  let recording = '';  // the session as --record writes it
  let windowsMade = 0;
  let lastNode = '';  // the node id of the access event taken last
  // Whether Tab / Shift+Tab would wrap round in the top window, as the
  // program last said before it waited: such a Tab leaves the game.
  let tabWraps = {forward: false, backward: true};

  const desk = () => document.getElementById('desk');

  function wake() {
    idle = false;
    if (waking) {
      const resume = waking;
      waking = null;
      resume();
    }
  }

  // event: a pointer or close event {kind, id, x, y}, an access event {kind,
  // id, node} from the mirror (mirror.js), or a key the program has yet to
  // name {pressed: {code, key, ctrl, shift, alt}}.
  function queueEvent(event) {
    if (over) return;
    // Only the pointer's latest position matters to a window that is behind
    // (there is a window, so the program has told its numbers).
    const last = events[events.length - 1];
    const moving = e => !e.pressed && e.kind === contract.kind.MouseMove;
    if (last && moving(last) && moving(event) && last.id === event.id)
      events[events.length - 1] = event;
    else
      events.push(event);
    wake();
  }

  // The pointer in the canvas's client coordinates, in game pixels on a
  // scaled desk (fit.js).
  function pointerEvent(kind, id, canvas, e) {
    const box = canvas.getBoundingClientRect();
    const scale = QuorvanelFit.scale();
    queueEvent({kind, id, x: Math.floor((e.clientX - box.left) / scale), y: Math.floor((e.clientY - box.top) / scale)});
  }

  // The top window's canvas, the one place of the game in the page's focus
  // order; the other windows' canvases and close boxes are out of it.
  function takeTabStops() {
    const top = topWindow();
    for (const w of windows.values()) {
      const stop = w === top ? 0 : -1;
      w.canvas.tabIndex = stop;
      w.close.tabIndex = stop;
    }
  }

  // The mirror element (mirror.js) that has the page's focus, or null.
  function focusedMirrorElement() {
    const focused = document.activeElement;
    return focused && focused.closest && focused.closest('.window .mirror') ? focused : null;
  }

  // Keys typed while the game has the page's focus (a canvas, or a mirror
  // element a screen reader put it on) or nothing has go to the game; on the
  // page's own controls they are theirs.
  function gameHasFocus() {
    const focused = document.activeElement;
    return !focused || focused === document.body || focusedMirrorElement() !== null ||
           [...windows.values()].some(w => w.canvas === focused);
  }

  // The top window's canvas takes the page's focus back from nothing, a close
  // box or another window's canvas: the keys after a click on the desk, a
  // frame or a close box are the game's, and the canvas says the focused
  // widget (its aria-activedescendant). A mirror element keeps it.
  function keyboardToGame() {
    const top = topWindow();
    if (top && !focusedMirrorElement() && document.activeElement !== top.canvas) top.canvas.focus({preventScroll: true});
  }

  // The game takes the page's focus when a window of its own comes on top,
  // unless the player has gone to the page's own controls.
  function focusTopWindow() {
    takeTabStops();
    const top = topWindow();
    if (top && gameHasFocus()) top.canvas.focus({preventScroll: true});
  }

  function keyEvent(e) {
    if (e.repeat || finished || !gameHasFocus()) return;
    const ctrl = e.ctrlKey || e.metaKey;  // Cmd on a Mac keyboard is Ctrl
    // Tab at the end of the top window (Shift+Tab at its start) leaves the
    // game for the page; the game keeps its focus where it was. Unless keys
    // are still waiting, which may move it.
    const [key, , movesFocus] = (contract && contract.keys.get(e.key)) || [];
    const tab = contract !== null && key === contract.tabKey;
    if (tab && !ctrl && !e.altKey && !events.some(event => event.pressed) &&
        (e.shiftKey ? tabWraps.backward : tabWraps.forward)) {
      // From a mirror element too it leaves as from the canvas: to the
      // close box after it, or to what comes before it.
      if (focusedMirrorElement()) topWindow()?.canvas.focus({preventScroll: true});
      return;
    }
    keyboardToGame();
    // Ctrl+P saves a picture of the game, not the page; the keys that move
    // the game's focus would otherwise scroll the page or move its focus.
    if ((ctrl && e.code === 'KeyP') || movesFocus) e.preventDefault();
    queueEvent({pressed: {code: e.code, key: e.key, ctrl, shift: e.shiftKey, alt: e.altKey}});
  }

  // A queued event in the program's numbers. It names the keys it knows:
  // letters by their place (code), the others by what the layout makes of
  // them (key).
  function programEvent(event) {
    const {kind, keys, otherKey, modifier} = contract;
    const pressed = event.pressed;
    if (!pressed) return Object.assign({x: 0, y: 0, key: otherKey, letter: 0, modifiers: 0}, event);
    const [key, letter] = keys.get(pressed.code) || keys.get(pressed.key) || [otherKey, 0];
    const modifiers =
        (pressed.ctrl ? modifier.ctrl : 0) | (pressed.shift ? modifier.shift : 0) | (pressed.alt ? modifier.alt : 0);
    return {kind: kind.Key, id: 0, x: 0, y: 0, key, letter, modifiers};
  }

  // The top-most shown window.
  function topWindow() {
    let top = null;
    for (const w of windows.values())
      if (w.frame.style.display !== 'none' && (!top || +w.frame.style.zIndex > +top.frame.style.zIndex)) top = w;
    return top;
  }

  function finishCommand() {
    if (!current) return;
    current.resolve(current.output.join('\n'));
    current = null;
  }

  function whenIdle() {
    return new Promise(resolve => {
      idleWaiters.push(resolve);
      if (idle || finished) serveIdleWaiters();
    });
  }

  function serveIdleWaiters() {
    for (const resolve of idleWaiters.splice(0)) resolve();
  }

  // Why the program ended, for the player to read: a start that failed
  // (before the first window), or a game that a script's error ended.
  function showFailure(reason) {
    document.getElementById('over-title').textContent = windowsMade ? tr('游戏因错误而结束') : tr('游戏无法启动');
    const shown = document.getElementById('reason');
    shown.textContent = reason;
    shown.hidden = !reason;
  }

  function rejectAll(error) {
    if (current) current.reject(error);
    current = null;
    for (const line of lines.splice(0)) if (line.command) line.command.reject(new Error('the game is over'));
  }

  const host = {
    agree(terms) {
      contract = Object.assign({}, terms, {keys: new Map(Object.entries(terms.keys))});
      QuorvanelMirror.agree(terms.mirror);
    },
    // The main window's size with its frame, once the program has said it;
    // null before.
    mainFrame() {
      if (!contract) return null;
      const {mainClient: {width, height}, frame: {border, caption}} = contract;
      return {width: width + 2 * border, height: height + 2 * border + caption};
    },

    // Windows, as the program makes and shows them.
    createWindow(id) {
      const {kind: Kind, frame: {border, caption: captionHeight}} = contract;
      ++windowsMade;
      const frame = document.createElement('div');
      frame.className = 'window';
      frame.style.display = 'none';
      const caption = document.createElement('div');
      caption.className = 'caption';
      caption.style.height = captionHeight + 'px';
      const title = document.createElement('span');
      title.id = 'title-' + id;
      // After the canvas in the page's order, drawn in the caption.
      const close = document.createElement('button');
      close.className = 'close';
      close.title = tr('关闭');
      close.setAttribute('aria-label', tr('关闭'));
      close.textContent = '×';
      close.addEventListener('click', () => queueEvent({kind: Kind.Close, id}));
      caption.append(title);
      const canvas = document.createElement('canvas');
      QuorvanelPointer.attach(canvas, {
        move: e => pointerEvent(Kind.MouseMove, id, canvas, e),
        left: e => pointerEvent(Kind.LButtonDown, id, canvas, e),
        right: e => pointerEvent(Kind.RButtonDown, id, canvas, e),
      });
      canvas.addEventListener('contextmenu', e => e.preventDefault());
      // An application: screen readers leave its keys to it (no browse
      // mode), and it may name an active descendant (mirror.js).
      canvas.setAttribute('role', 'application');
      canvas.setAttribute('aria-label', tr('游戏'));
      canvas.tabIndex = -1;
      frame.style.borderWidth = border + 'px';
      frame.append(caption, canvas, close);
      desk().append(frame);
      windows.set(id, {id, frame, title, canvas, close, context: canvas.getContext('2d')});
    },
    destroyWindow(id) {
      windows.get(id).frame.remove();
      windows.delete(id);
      focusTopWindow();
      QuorvanelMirror.windowGone(id, topWindow()?.id || 0);
    },
    setTitle(id, text) {
      const w = windows.get(id);
      w.title.textContent = text;
      w.close.setAttribute('aria-label', text ? tr('关闭') + ' ' + text : tr('关闭'));
    },
    // The parts of a window's frame, for the mirror.
    windowParts(id) {
      const {frame, title, canvas} = windows.get(id);
      return {frame, title, canvas};
    },
    // A controller's button as the key it acts as (gamepad.js): name is the
    // key's page name; its terms are the contract's pad, null before it.
    pressKey(name) { if (!finished) queueEvent({pressed: {code: '', key: name, ctrl: false, shift: false, alt: false}}); },
    padTerms() { return contract && contract.pad; },
    // The mirror's focus or activation (kind: a name of the contract's kinds).
    queueAccess(id, kindName, node) { queueEvent({kind: contract.kind[kindName], id, node}); },
    lastNode() { return lastNode; },
    setClientSize(id, width, height) {
      const canvas = windows.get(id).canvas;
      canvas.width = width;
      canvas.height = height;
    },
    moveClientTo(id, x, y) {
      const frame = windows.get(id).frame;
      const {border, caption} = contract.frame;
      frame.style.left = (x - border) + 'px';
      frame.style.top = (y - border - caption) + 'px';
    },
    setVisible(id, visible) {
      windows.get(id).frame.style.display = visible ? '' : 'none';
      focusTopWindow();
    },
    raise(id) {
      for (const w of windows.values()) w.frame.classList.remove('active');
      const w = windows.get(id);
      w.frame.style.zIndex = ++topZ;
      w.frame.classList.add('active');
      focusTopWindow();
      QuorvanelPointer.raised(w.canvas);
    },
    putPixels(id, x, y, width, height, rgba) {
      if (!performance.getEntriesByName('first-frame').length) {
        performance.mark('first-frame');
        window.quorvanel = scripting;
      }
      windows.get(id).context.putImageData(new ImageData(new Uint8ClampedArray(rgba.buffer), width, height), x, y);
    },
    screenWidth() { return desk().clientWidth; },
    screenHeight() { return desk().clientHeight; },

    // Input and the program's wait.
    takeEvent() {
      if (!events.length) return null;
      const event = programEvent(events.shift());
      lastNode = event.node || '';
      return event;
    },
    tabWraps(forward, backward) { tabWraps = {forward, backward}; },
    idleUntilInput() {
      if (events.length || lines.length) return Promise.resolve();
      finishCommand();
      idle = true;
      serveIdleWaiters();
      return new Promise(resume => { waking = resume; });
    },
    wake,

    // Script lines.
    lineWaiting() { return lines.length > 0; },
    peekLine() { return lines[0].text; },
    takeLine() {
      finishCommand();
      const line = lines.shift();
      current = line.command;
      return line.text;
    },
    print(text) {
      if (current) current.output.push(text);
    },
    record(line) { recording += line + '\n'; },
    gameOver() {
      if (!over) QuorvanelMirror.announce(document.getElementById('over-title').textContent);
      over = true;
      events.length = 0;
      desk().hidden = true;
      document.getElementById('over').hidden = false;
    },
    finished(code, error) {
      window.quorvanel = scripting;
      finished = {code, error};
      if (code !== 0) showFailure(error);
      if (code === 0) finishCommand();
      const failure = new Error(error || 'the game is over');
      failure.exitCode = code;
      rejectAll(failure);
      serveIdleWaiters();
      host.gameOver();
    },

    // Pictures: the browser's own encoder. Resolves to the PNG's bytes, or
    // null when the browser cannot encode it.
    async encodePng(rgba, width, height) {
      const canvas = document.createElement('canvas');
      canvas.width = width;
      canvas.height = height;
      canvas.getContext('2d').putImageData(new ImageData(new Uint8ClampedArray(rgba.buffer), width, height), 0, 0);
      const blob = await new Promise(done => canvas.toBlob(done, 'image/png'));
      return blob ? new Uint8Array(await blob.arrayBuffer()) : null;
    },
    // Offers bytes as a download named name; false when the page cannot.
    offerDownload(bytes, name) {
      try {
        const link = document.createElement('a');
        link.href = URL.createObjectURL(new Blob([bytes], {type: 'image/png'}));
        link.download = name;
        link.click();
        setTimeout(() => URL.revokeObjectURL(link.href), 0);
        return true;
      } catch (e) {
        return false;
      }
    },
  };

  // The scripting interface: the commands and answers of `--script -`, as
  // window.quorvanel once the program shows its first frame (the page loads
  // the program after its own load event) or has ended.
  const scripting = {
    // Resolves to the line the command printed, or '' when it printed none,
    // once the program has carried it out; rejects with the message that
    // would end `--script -` (the error's exitCode is its exit code).
    command(line) {
      line = String(line);
      if (finished) return Promise.reject(Object.assign(new Error('the game is over'), {exitCode: finished.code}));
      if (/[\r\n]/.test(line)) return Promise.reject(new Error('one line at a time'));
      ++linesSent;
      if (/^\s*shot\s+\S/.test(line)) {
        held.push('# ' + line);  // a comment, so that later lines keep their numbers
        return Promise.reject(Object.assign(
            new Error(`-:${linesSent}: 'shot': the page writes no files; quorvanel.shot() gives the picture`),
            {exitCode: 1}));
      }
      if (/^\s*(#|$)/.test(line)) {
        held.push(line);
        return whenIdle().then(() => '');
      }
      return new Promise((resolve, reject) => {
        for (const text of held.splice(0)) lines.push({text, command: null});
        lines.push({text: line, command: {resolve, reject, output: []}});
        wake();
      });
    },
    // The session so far as `--record FILE` writes it: `quorvanel --headless
    // --script FILE` replays it.
    recording() { return recording; },
    // A PNG data URL of the top window's client area, once the program is idle.
    async shot() {
      await whenIdle();
      const top = over ? null : topWindow();
      if (!top) throw new Error("'shot': no window is open");
      return top.canvas.toDataURL('image/png');
    },
  };

  document.addEventListener('keydown', keyEvent);
  // After the click's own work (a close box queues its event first).
  document.addEventListener('click', e => {
    if (!over && desk().contains(e.target)) keyboardToGame();
  });
  return host;
})();
