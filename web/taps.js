// Where a finger's tap goes on a window's canvas. A fingertip is wide and
// the game's widgets small on a phone: a tap on none of the widgets that
// answer the pointer (buttons, tabs, badges with a card: the nodes of the
// window's mirror, mirror.js, that can take the focus) goes to the nearest
// of them within 12 CSS pixels, at its game pixel nearest to the tap. The
// mouse's clicks stay where they are.
'use strict';

const QuorvanelTaps = (() => {
  const REACH = 12;  // CSS pixels

  // The client boxes of the widgets of canvas's window that answer the pointer.
  function targets(canvas) {
    const mirror = canvas.parentElement.querySelector('.mirror');
    return mirror ? [...mirror.querySelectorAll('[data-node]')].map(element => element.getBoundingClientRect()) : [];
  }

  // From client point (x, y) to box, in CSS pixels; 0 inside it.
  const distance = (box, x, y) =>
    Math.hypot(Math.max(box.left - x, 0, x - box.right), Math.max(box.top - y, 0, y - box.bottom));

  // CSS pixels per game pixel on canvas.
  const step = canvas => canvas.getBoundingClientRect().width / canvas.width;

  // The client point {clientX, clientY} a tap at client point (x, y) on canvas goes to.
  function aim(canvas, x, y) {
    let nearest = null;
    let nearestDistance = Infinity;
    for (const box of targets(canvas)) {
      const d = distance(box, x, y);
      if (d === 0) return {clientX: x, clientY: y};
      // Of two as near, the smaller: a widget on the edge of the one around it.
      const smaller = nearest && box.width * box.height < nearest.width * nearest.height;
      if (d <= REACH && (d < nearestDistance || (d === nearestDistance && smaller))) {
        nearest = box;
        nearestDistance = d;
      }
    }
    if (!nearest) return {clientX: x, clientY: y};
    // The middle of the box's game pixel nearest to (x, y).
    const half = step(canvas) / 2;
    const within = (value, low, high) => Math.min(Math.max(value, low + half), high - half);
    return {clientX: within(x, nearest.left, nearest.right), clientY: within(y, nearest.top, nearest.bottom)};
  }

  // A client point on canvas where no widget answers the pointer, or null
  // when there is none: the first on a grid of 4 game pixels.
  function clear(canvas) {
    const boxes = targets(canvas);
    const box = canvas.getBoundingClientRect();
    const size = step(canvas);
    for (let y = 0; y < canvas.height; y += 4) {
      for (let x = 0; x < canvas.width; x += 4) {
        const point = {clientX: box.left + (x + 0.5) * size, clientY: box.top + (y + 0.5) * size};
        if (boxes.every(target => distance(target, point.clientX, point.clientY) > 0)) return point;
      }
    }
    return null;
  }

  return {aim, clear};
})();
