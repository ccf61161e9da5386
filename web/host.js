// The page's side of Quorvanel in a browser: the program's windows as framed
// canvases on the desk, the page's input queued for the program, and the
// scripting interface window.quorvanel.
//
// The program runs on the page's only thread and, while it waits for input,
// is suspended (ASYNCIFY). Nothing here ever calls into it: handlers only
// queue input and wake it; it calls these functions itself.
'use strict';

const QuorvanelHost = (() => {
  // The frame around a canvas; the program's browser backend counts the same.
  const BORDER = 1;
  const CAPTION = 24;
  const Kind = {MouseMove: 0, LButtonDown: 1, RButtonDown: 2, Key: 3, Close: 4};
  const Key = {Return: 0, Escape: 1, Letter: 2, Other: 3};

  const windows = new Map();  // id -> {frame, title, canvas, context}
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

  const desk = () => document.getElementById('desk');

  function wake() {
    idle = false;
    if (waking) {
      const resume = waking;
      waking = null;
      resume();
    }
  }

  function queueEvent(event) {
    if (over) return;
    event = Object.assign({id: 0, x: 0, y: 0, key: Key.Other, letter: 0, ctrl: 0, shift: 0, alt: 0}, event);
    // Only the pointer's latest position matters to a window that is behind.
    const last = events[events.length - 1];
    if (last && last.kind === Kind.MouseMove && event.kind === Kind.MouseMove && last.id === event.id)
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

  function keyEvent(e) {
    if (e.repeat || finished) return;
    const ctrl = e.ctrlKey || e.metaKey;  // Cmd on a Mac keyboard is Ctrl
    let key = Key.Other;
    let letter = 0;
    if (e.key === 'Enter') key = Key.Return;
    else if (e.key === 'Escape') key = Key.Escape;
    else if (/^Key[A-Z]$/.test(e.code)) {
      key = Key.Letter;
      letter = e.code.toLowerCase().charCodeAt(3);
    }
    // Ctrl+P saves a picture of the game, not the page.
    if (ctrl && e.code === 'KeyP') e.preventDefault();
    queueEvent({kind: Kind.Key, key, letter, ctrl: ctrl ? 1 : 0, shift: e.shiftKey ? 1 : 0, alt: e.altKey ? 1 : 0});
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

  function rejectAll(error) {
    if (current) current.reject(error);
    current = null;
    for (const line of lines.splice(0)) if (line.command) line.command.reject(new Error('the game is over'));
  }

  const host = {
    // Windows, as the program makes and shows them.
    createWindow(id) {
      const frame = document.createElement('div');
      frame.className = 'window';
      frame.style.display = 'none';
      const caption = document.createElement('div');
      caption.className = 'caption';
      caption.style.height = CAPTION + 'px';
      const title = document.createElement('span');
      const close = document.createElement('button');
      close.className = 'close';
      close.title = '关闭';
      close.textContent = '×';
      close.addEventListener('click', () => queueEvent({kind: Kind.Close, id}));
      caption.append(title, close);
      const canvas = document.createElement('canvas');
      QuorvanelPointer.attach(canvas, {
        move: e => pointerEvent(Kind.MouseMove, id, canvas, e),
        left: e => pointerEvent(Kind.LButtonDown, id, canvas, e),
        right: e => pointerEvent(Kind.RButtonDown, id, canvas, e),
      });
      canvas.addEventListener('contextmenu', e => e.preventDefault());
      frame.style.borderWidth = BORDER + 'px';
      frame.append(caption, canvas);
      desk().append(frame);
      windows.set(id, {frame, title, canvas, context: canvas.getContext('2d')});
    },
    destroyWindow(id) {
      windows.get(id).frame.remove();
      windows.delete(id);
    },
    setTitle(id, text) { windows.get(id).title.textContent = text; },
    setClientSize(id, width, height) {
      const canvas = windows.get(id).canvas;
      canvas.width = width;
      canvas.height = height;
    },
    moveClientTo(id, x, y) {
      const frame = windows.get(id).frame;
      frame.style.left = (x - BORDER) + 'px';
      frame.style.top = (y - BORDER - CAPTION) + 'px';
    },
    setVisible(id, visible) { windows.get(id).frame.style.display = visible ? '' : 'none'; },
    raise(id) {
      for (const w of windows.values()) w.frame.classList.remove('active');
      const w = windows.get(id);
      w.frame.style.zIndex = ++topZ;
      w.frame.classList.add('active');
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
    takeEvent() { return events.shift() || null; },
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
    gameOver() {
      over = true;
      events.length = 0;
      desk().hidden = true;
      document.getElementById('over').hidden = false;
    },
    finished(code, error) {
      window.quorvanel = scripting;
      finished = {code, error};
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
    // A PNG data URL of the top window's client area, once the program is idle.
    async shot() {
      await whenIdle();
      const top = over ? null : topWindow();
      if (!top) throw new Error("'shot': no window is open");
      return top.canvas.toDataURL('image/png');
    },
  };

  document.addEventListener('keydown', keyEvent);
  return host;
})();
