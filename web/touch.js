// Pointer input on a window's canvas. A mouse (or pen) moves and clicks as
// on the desktop. A finger taps: a tap is the pointer moved there and a left
// click, so that a tap on something that only shows while hovered shows it.
// A finger held still about half a second shows what hovering shows, without
// a click, until the next tap. The mouse events and the click the browser
// sends after a touch are not listened to, so a tap counts once.
'use strict';

const QuorvanelPointer = (() => {
  const LONG_PRESS_MS = 500;
  let press = null;  // the finger down: {pointerId, event, timer, long}

  function attach(canvas, send) {
    canvas.style.touchAction = 'none';
    canvas.addEventListener('pointermove', e => {
      if (e.pointerType !== 'touch') send.move(e);
    });
    canvas.addEventListener('pointerdown', e => {
      if (e.pointerType !== 'touch') {
        if (e.button === 0) send.left(e);
        else if (e.button === 2) send.right(e);
        return;
      }
      if (!e.isPrimary) return;
      cancel();
      press = {pointerId: e.pointerId, event: e, long: false};
      press.timer = setTimeout(() => {
        press.long = true;
        send.move(press.event);
      }, LONG_PRESS_MS);
    });
    canvas.addEventListener('pointerup', e => {
      if (!press || e.pointerId !== press.pointerId) return;
      const tap = !press.long;
      const down = press.event;
      cancel();
      if (tap) {
        send.move(down);
        send.left(down);
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

  return {attach};
})();
