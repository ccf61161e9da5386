// The frames of the windows that lie over another on device pixels. The
// desk is scaled as a whole (fit.js), and at a fraction of a device pixel
// per game pixel a frame's edges would fall between device pixels; the
// browser then draws the window below in bands that meet at such an edge and
// leave a seam line across it. So each frame but the main window's (which
// lies over none) is moved by less than a device pixel to put its top-left
// corner on one, and widened by less than one (its padding, drawn in its
// border's colour) to put its bottom-right corner on one too. The canvases
// keep the desk's exact scale.
'use strict';

const QuorvanelFrames = (() => {
  const placed = new WeakMap();  // frame -> what it was last given

  // origin: the desk's top-left corner in device pixels; step: device
  // pixels per game pixel.
  function place(desk, origin, step) {
    const [, ...over] = desk.querySelectorAll('.window');
    for (const frame of over) {
      if (!frame.offsetParent) continue;  // hidden
      // The frame as the program placed it, in device pixels.
      const canvas = frame.querySelector('canvas');
      const left = origin.x + frame.offsetLeft * step;
      const top = origin.y + frame.offsetTop * step;
      const right = left + (canvas.offsetWidth + 2 * frame.clientLeft) * step;
      const bottom = top + (canvas.offsetTop + canvas.offsetHeight + 2 * frame.clientTop) * step;
      const x = Math.round(left) - left;
      const y = Math.round(top) - top;
      const given = [x, y, Math.ceil(right + x) - right - x, Math.ceil(bottom + y) - bottom - y].map(d => d / step + 'px');
      const key = given.join(' ');
      if (placed.get(frame) === key) continue;  // the style change would lay the desk out again
      placed.set(frame, key);
      Object.assign(frame.style, {translate: `${given[0]} ${given[1]}`, paddingRight: given[2], paddingBottom: given[3]});
    }
  }

  return {place};
})();
