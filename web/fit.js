// The desk's scale: the program's windows fitted to the viewport. The desk
// is the program's screen in game pixels, scaled as a whole:
// - by the largest whole number of device pixels per game pixel that fits
//   the main window, so that every game pixel is a crisp square;
// - where that number is below one CSS pixel per game pixel (phones, small
//   windows), by the fraction that fits, sampled nearest-neighbour, so that
//   the page never scrolls.
// A phone held upright shows a hint to turn it above the game. Resizing,
// turning the phone, browser zoom and fullscreen lay the desk out again.
'use strict';

const QuorvanelFit = (() => {
  let scale = 1;

  const desk = () => document.getElementById('desk');
  const turnHint = () => document.getElementById('turn');

  // The main window's frame in game pixels: the first window the program made.
  function mainFrame() {
    const frame = desk().querySelector('.window');
    if (!frame || !frame.offsetWidth) return null;
    return {left: frame.offsetLeft, top: frame.offsetTop, width: frame.offsetWidth, height: frame.offsetHeight};
  }

  // CSS pixels per game pixel for an area of width x height CSS pixels.
  function scaleFor(width, height, ratio, frame) {
    const whole = Math.floor(Math.min(width * ratio / frame.width, height * ratio / frame.height));
    if (whole >= ratio) return whole / ratio;
    return Math.min(width / frame.width, height / frame.height);
  }

  // How far the desk moves, in game pixels, to bring a main window that
  // fits back into view after the desk has changed size.
  function shift(start, length, room) {
    if (length > room || (start >= 0 && start + length <= room)) return 0;
    return Math.floor((room - length) / 2) - start;
  }

  function layout() {
    const ratio = window.devicePixelRatio || 1;
    const width = document.documentElement.clientWidth;
    const frame = mainFrame();
    // Until the program has made its main window, the size it said it would
    // have; nothing to fit before the program has started.
    const size = frame || QuorvanelHost.mainFrame();
    if (!size) return;
    // A phone upright and too narrow for a whole number: the hint takes the
    // top. A narrow window on a desktop cannot be turned.
    const hint = turnHint();
    const viewHeight = document.documentElement.clientHeight;
    const upright = matchMedia('(pointer: coarse)').matches && viewHeight > width &&
                    scaleFor(width, viewHeight, ratio, size) < 1;
    hint.hidden = !upright;
    const top = upright ? hint.offsetHeight : 0;
    const height = viewHeight - top;
    scale = scaleFor(width, height, ratio, size);
    const room = {width: Math.floor(width / scale), height: Math.floor(height / scale)};
    const style = desk().style;
    style.top = top + 'px';
    style.width = room.width + 'px';
    style.height = room.height + 'px';
    const dx = frame ? shift(frame.left, frame.width, room.width) : 0;
    const dy = frame ? shift(frame.top, frame.height, room.height) : 0;
    style.transform = scale === 1 && !dx && !dy ? '' : `scale(${scale}) translate(${dx}px, ${dy}px)`;
    style.setProperty('--scale', scale);
    QuorvanelFrames.place(desk(), {x: dx * scale * ratio, y: top * ratio + dy * scale * ratio}, scale * ratio);
  }

  // devicePixelRatio changes (zoom, another screen) come as a media change.
  function followRatio() {
    matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', () => {
      layout();
      followRatio();
    }, {once: true});
  }

  // A phone in full screen is held sideways, where the browser lets the
  // page lock it (most refuse outside full screen or an installed app).
  function lockLandscape() {
    if (matchMedia('(pointer: coarse)').matches && screen.orientation && screen.orientation.lock)
      screen.orientation.lock('landscape').catch(() => {});
  }

  function toggleFullscreen() {
    if (document.fullscreenElement) document.exitFullscreen();
    else document.documentElement.requestFullscreen().then(lockLandscape, () => {});
  }

  function start() {
    const button = document.getElementById('fullscreen');
    if (document.fullscreenEnabled) {
      button.hidden = false;
      button.addEventListener('click', toggleFullscreen);
      document.addEventListener('fullscreenchange', () => {
        button.textContent = document.fullscreenElement ? tr('退出全屏') : tr('全屏');
      });
      document.addEventListener('keydown', e => {
        if (e.key === 'F11' && !e.repeat) {
          e.preventDefault();
          toggleFullscreen();
        }
      });
    }
    window.addEventListener('resize', layout);
    followRatio();
    // The main window's size and place are known once the program sets them.
    new MutationObserver(records => {
      if (records.some(record => record.target !== desk())) layout();
    }).observe(desk(), {childList: true, subtree: true, attributeFilter: ['style', 'width', 'height']});
    layout();
  }

  start();
  return {
    // CSS pixels per game pixel.
    scale: () => scale,
  };
})();
