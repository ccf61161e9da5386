// Pointer input on a window's canvas. A mouse (or pen) moves and clicks as
// on the desktop. A finger taps: a tap is the pointer moved there and a left
// click, so that a tap on something that only shows while hovered shows it.
// A finger held still about half a second shows what hovering shows, without
// a click, until the next tap. Either goes where QuorvanelTaps aims it. The
// mouse events and the click the browser sends after a touch are not
// listened to, so a tap counts once. A finger lifted hovers nowhere: a window
// that comes on top again (the page a tap opened has closed) with the
// pointer where a finger left it, shows nothing until the next tap decides.
'use strict';

const QuorvanelPointer = (() => {
  const LONG_PRESS_MS = 500;
  let press = null;  // the finger down: {pointerId, event, timer, long}
  // canvas -> {send, touched}: touched while a finger placed its pointer last
  const canvases = new WeakMap();

  function attach(canvas, send) {
    const input = {send, touched: false};
    canvases.set(canvas, input);
    const mouse = {
      move: e => (input.touched = false, send.move(e)),
      left: e => (input.touched = false, send.left(e)),
      right: e => (input.touched = false, send.right(e)),
    };
    const finger = {
      move: e => (input.touched = true, send.move(QuorvanelTaps.aim(canvas, e.clientX, e.clientY))),
      left: e => send.left(QuorvanelTaps.aim(canvas, e.clientX, e.clientY)),
    };
    canvas.style.touchAction = 'none';
    canvas.addEventListener('pointermove', e => {
      if (e.pointerType !== 'touch') mouse.move(e);
    });
    canvas.addEventListener('pointerdown', e => {
      if (e.pointerType !== 'touch') {
        if (e.button === 0) mouse.left(e);
        else if (e.button === 2) mouse.right(e);
        return;
      }
      if (!e.isPrimary) return;
      cancel();
      press = {pointerId: e.pointerId, event: e, long: false};
      press.timer = setTimeout(() => {
        press.long = true;
        finger.move(press.event);
      }, LONG_PRESS_MS);
    });
    canvas.addEventListener('pointerup', e => {
      if (!press || e.pointerId !== press.pointerId) return;
      const tap = !press.long;
      const down = press.event;
      cancel();
      if (tap) {
        finger.move(down);
        finger.left(down);
      }
    });
    canvas.addEventListener('pointercancel', e => {
      if (press && e.pointerId === press.pointerId) cancel();
    });
  }

  function cancel() {
    if (press) clearTimeout(press.timer);
    press = null;
  }

  // The window of canvas has come on top.
  function raised(canvas) {
    const input = canvases.get(canvas);
    if (!input || !input.touched) return;
    const clear = QuorvanelTaps.clear(canvas);
    if (!clear) return;
    input.touched = false;
    input.send.move(clear);
  }

  return {attach, raised};
})();
