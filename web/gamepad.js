// Controllers in the page: pads of the standard Gamepad mapping act as the
// keys the program's contract names for their buttons (QuorvanelHost.padTerms):
// a button pressed is its key, the left stick pushed past the dead zone is
// the d-pad's button that way, and a direction held (the last one pressed)
// presses again after the delay, then at the interval, as on the desktop.
// The Gamepad API has no events for buttons, so pads are read on animation
// frames, and only while one is connected: with none, the page asks for no
// frames at all.
'use strict';

const QuorvanelGamepad = (() => {
  let frame = 0;  // the animation frame asked for, 0 when none
  const pads = new Map();  // gamepad index -> {down: Set of button numbers, stickWay, held}

  function standardPads() {
    return [...navigator.getGamepads()].filter(pad => pad && pad.connected && pad.mapping === 'standard');
  }

  // The d-pad button the stick points at, or null inside the dead zone.
  function stickWay(terms, x, y) {
    if (Math.abs(x) <= terms.deadZone && Math.abs(y) <= terms.deadZone) return null;
    if (Math.abs(x) >= Math.abs(y)) return String(x < 0 ? terms.stick.left : terms.stick.right);
    return String(y < 0 ? terms.stick.up : terms.stick.down);
  }

  function isWay(terms, button) { return Object.values(terms.stick).some(way => String(way) === button); }

  function hold(terms, state, button, stick, now) {
    state.held = {button, stick, due: now + terms.repeatDelay};
    QuorvanelHost.pressKey(terms.buttons[button]);
  }

  function letGo(state, button, stick) {
    if (state.held && state.held.button === button && state.held.stick === stick) state.held = null;
  }

  function read(terms, pad, now) {
    if (!pads.has(pad.index)) pads.set(pad.index, {down: new Set(), stickWay: null, held: null});
    const state = pads.get(pad.index);
    for (const button of Object.keys(terms.buttons)) {
      const down = Boolean(pad.buttons[button] && pad.buttons[button].pressed);
      if (down === state.down.has(button)) continue;
      if (down) state.down.add(button); else state.down.delete(button);
      if (isWay(terms, button)) {
        if (down) hold(terms, state, button, false, now); else letGo(state, button, false);
      } else if (down) {
        QuorvanelHost.pressKey(terms.buttons[button]);
      }
    }
    const way = stickWay(terms, pad.axes[0] || 0, pad.axes[1] || 0);
    if (way !== state.stickWay) {
      if (state.stickWay !== null) letGo(state, state.stickWay, true);
      state.stickWay = way;
      if (way !== null) hold(terms, state, way, true, now);
    }
    if (state.held && now >= state.held.due) {
      // A late frame presses once, not once for every interval missed.
      state.held.due = now + terms.repeatInterval;
      QuorvanelHost.pressKey(terms.buttons[state.held.button]);
    }
  }

  function poll(now) {
    frame = 0;
    const connected = standardPads();
    const terms = QuorvanelHost.padTerms();
    // Before the program's terms, presses wait: a pad's state is read once they are there.
    if (terms) for (const pad of connected) read(terms, pad, now);
    for (const index of pads.keys())
      if (!connected.some(pad => pad.index === index)) pads.delete(index);
    if (connected.length) frame = requestAnimationFrame(poll);
  }

  function start() {
    if (!frame) frame = requestAnimationFrame(poll);
  }

  window.addEventListener('gamepadconnected', start);
  // The next frame forgets the pad, and asks for no more when it was the last.
  window.addEventListener('gamepaddisconnected', start);
  return {};
})();
