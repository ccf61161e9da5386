// A controller in the page: a pad of the standard mapping, put in place of
// the browser's by an init script (navigator.getGamepads), plays the table
// of tests/pad/pad-effects.txt as the desktop's controller does, each press
// recorded as the key it acts as; the stick held presses again; a pad
// unplugged stops the page's frames; docs/playthrough-pad.txt pressed on the
// pad ends in the state docs/playthrough-keys.txt ends in natively. With no pad connected the page asks
// for no animation frame while the game is idle (5 s).
//
// usage: node gamepad.test.js URL NATIVE_PROGRAM
'use strict';
const assert = require('assert');
const {execFileSync} = require('child_process');
const fs = require('fs');
const path = require('path');
const {answer, runPageTests} = require('../../scripts/chromium.js');

// SDL's names of the buttons, as the standard mapping numbers them.
const STANDARD = {
  a: 0, b: 1, leftshoulder: 4, rightshoulder: 5, back: 8, start: 9, dpup: 12, dpdown: 13, dpleft: 14, dpright: 15,
};

const TABLE = fs.readFileSync(path.join(__dirname, '../pad/pad-effects.txt'), 'utf8').split('\n')
  .filter(line => line && !line.startsWith('#'))
  .map(line => line.split(' | ').map(cell => cell.trim()))
  .map(([button, recorded, command, has, text]) => ({button, recorded, command, lacks: has === 'lacks', text}));

// Before the page's own scripts: the fake pad (window.testPad), a count of
// the animation frames asked for (window.framesAsked), and the start of the
// last one run (window.lastFrame).
function fakePad() {
  const pad = {
    id: 'test pad', index: 0, connected: false, mapping: 'standard', timestamp: 0, axes: [0, 0, 0, 0],
    buttons: Array.from({length: 17}, () => ({pressed: false, touched: false, value: 0})),
  };
  window.testPad = pad;
  navigator.getGamepads = () => [pad.connected ? pad : null, null, null, null];
  window.framesAsked = 0;
  window.lastFrame = 0;
  const ask = window.requestAnimationFrame.bind(window);
  window.requestAnimationFrame = callback => {
    ++window.framesAsked;
    return ask(time => {
      window.lastFrame = time;
      callback(time);
    });
  };
}

const setPad = (page, change, arg) => page.evaluate(change, arg);
const recordedKeys = async page =>
  (await page.evaluate(() => window.quorvanel.recording())).split('\n').filter(l => l.startsWith('key '));
// Waits for a frame that began after now: the page has read the pad since
// (it asks for every frame while a pad is connected).
const nextFrame = page => page.evaluate(() => {
  const from = performance.now();
  return new Promise(done => { const look = () => window.lastFrame > from ? done() : setTimeout(look, 5); look(); });
});

async function connect(page) {
  await setPad(page, () => {
    window.testPad.connected = true;
    window.dispatchEvent(new Event('gamepadconnected'));
  });
  await nextFrame(page);
}

async function press(page, number) {
  const before = (await recordedKeys(page)).length;
  await setPad(page, n => { window.testPad.buttons[n].pressed = true; }, number);
  await page.waitForFunction(
      count => window.quorvanel.recording().split('\n').filter(l => l.startsWith('key ')).length > count, before);
  await setPad(page, n => { window.testPad.buttons[n].pressed = false; }, number);
  await nextFrame(page);
}

const docs = path.join(__dirname, '../../docs');
// The keys of the pad's playthrough, as the table's buttons.
const BUTTON_OF_KEY = {
  'key left': 'dpleft', 'key right': 'dpright', 'key up': 'dpup', 'key down': 'dpdown', 'key space': 'a',
  'key escape': 'b', 'key pageup': 'leftshoulder', 'key pagedown': 'rightshoulder',
};

const tests = {
  'the buttons do what the table says, recorded as their keys': async page => {
    await connect(page);
    for (const row of TABLE) {
      await press(page, STANDARD[row.button]);
      assert.strictEqual((await recordedKeys(page)).pop(), row.recorded, row.button);
      const said = await answer(page, row.command);
      assert.strictEqual(said.includes(row.text), !row.lacks, `${row.button}: ${row.command} gives ${said}`);
    }
  },
  'the stick held presses again, and an unplugged pad stops the frames': async page => {
    await connect(page);
    await setPad(page, () => { window.testPad.axes[0] = -1; });
    await page.waitForFunction(
        () => window.quorvanel.recording().split('\n').filter(l => l === 'key left').length >= 2);
    await setPad(page, () => { window.testPad.axes[0] = 0; });
    await nextFrame(page);
    await setPad(page, () => {
      window.testPad.connected = false;
      window.dispatchEvent(new Event('gamepaddisconnected'));
    });
    await page.waitForTimeout(500);
    const asked = await page.evaluate(() => window.framesAsked);
    await page.waitForTimeout(1000);
    assert.strictEqual(await page.evaluate(() => window.framesAsked), asked);
  },
  'the playthrough on the pad ends as the keys one does natively': async page => {
    const keysEnd = execFileSync(process.argv[3], ['--headless', '--script', '-'],
      {input: fs.readFileSync(path.join(docs, 'playthrough-keys.txt'), 'utf8') + 'state\n'})
      .toString().trimEnd().split('\n').pop();
    await connect(page);
    const lines = fs.readFileSync(path.join(docs, 'playthrough-pad.txt'), 'utf8').split('\n');
    for (const line of lines) if (BUTTON_OF_KEY[line]) await press(page, STANDARD[BUTTON_OF_KEY[line]]);
    assert.strictEqual(await answer(page, 'state'), keysEnd);
  },
  'with no pad the idle page asks for no frames': async page => {
    await answer(page, 'state');
    const asked = await page.evaluate(() => window.framesAsked);
    await page.waitForTimeout(5000);
    assert.strictEqual(await page.evaluate(() => window.framesAsked), asked);
  },
};

runPageTests(process.argv[2] + '?seed=20261207', tests, {prepare: page => page.addInitScript(fakePad)})
  .then(failed => process.exit(failed ? 1 : 0));
