// What the page and the program agree on, seen from the page: keys typed in
// it reach the program as the program names them ("=" is "=", Tab is Tab),
// the page records a session as --record does and the native program
// replays that recording to the same state, and a start that fails (here a
// font that is not one) says why in the page. And the keyboard: the game's
// canvas has the page's focus at load, the keys it uses never scroll the
// page, Tab after the top window's last widget (Shift+Tab before its first)
// leaves the game for the page's own controls and Shift+Tab comes back to the
// widget it left, the close boxes are named "关闭" and the window's title and
// come after the game, and docs/playthrough-keys.txt pressed key by key ends
// as the native program does.
//
// usage: node contract.test.js URL NATIVE_PROGRAM
'use strict';
const assert = require('assert');
const {execFileSync} = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const {answer, command, runPageTests} = require('../../scripts/chromium.js');

const SEED = '20261207';

const recording = page => page.evaluate(() => window.quorvanel.recording());

// The focused widget of the top window, from "widgets".
async function focusedWidget(page) {
  let found = null;
  const walk = w => {
    if (w.focused) found = w;
    w.children.forEach(walk);
  };
  walk(JSON.parse(await answer(page, 'widgets')));
  return found;
}

// What has the page's focus: its tag, accessible name and tab stop.
const pageFocus = page => page.evaluate(() => {
  const e = document.activeElement;
  return {tag: e.tagName, name: e.getAttribute('aria-label'), tabIndex: e.tabIndex};
});

const recordedKeys = async page =>
  (await page.evaluate(() => window.quorvanel.recording())).split('\n').filter(l => l.startsWith('key '));

// Script key names as Playwright presses them.
const PRESSED = {
  'tab': 'Tab', 'shift+tab': 'Shift+Tab', 'space': 'Space', 'return': 'Enter', 'escape': 'Escape',
  'pagedown': 'PageDown', 'pageup': 'PageUp', 'home': 'Home', 'end': 'End',
  'left': 'ArrowLeft', 'right': 'ArrowRight', 'up': 'ArrowUp', 'down': 'ArrowDown',
};

async function clickClient(page, x, y) {
  const box = await page.locator('canvas').first().boundingBox();
  await page.mouse.click(box.x + x, box.y + y);
}

// program: the native program, which replays the page's recording.
const tests = program => ({
  async 'keys reach the program as it names them'(page) {
    for (const key of ['=', 'Tab', '-', 'Control+=', 'Control+-']) await page.keyboard.press(key);
    await answer(page, '');
    const lines = (await recording(page)).split('\n');
    assert.strictEqual(lines[0], 'seed ' + SEED);
    assert.deepStrictEqual(lines.filter(line => line.startsWith('key ')),
                           ['key =', 'key tab', 'key -', 'key ctrl+=', 'key ctrl+-']);
  },

  async 'a session played in the page replays natively to the same state'(page) {
    await clickClient(page, 198, 148);  // fights
    await clickClient(page, 198, 148);
    await clickClient(page, 38, 25);  // the attribute page, closed by its key
    await page.keyboard.press('Escape');
    await page.mouse.move(300, 300);
    await clickClient(page, 201, 25);  // the tasks
    await page.keyboard.press('Control+KeyN');
    await answer(page, '');
    const state = await answer(page, 'state');
    assert.ok(JSON.parse(state).hero.level >= 1, 'the clicks did not fight: ' + state);
    const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'quorvanel-')), 'session.txt');
    fs.writeFileSync(file, (await recording(page)) + 'state\n');
    const native = execFileSync(program, ['--headless', '--script', file]).toString();
    assert.strictEqual(native, state + '\n');
  },

  async 'a start that fails says why in the page'(page) {
    await page.route('**/quorvanel.data', async route => {
      const response = await route.fetch();
      route.fulfill({response, body: Buffer.alloc((await response.body()).length)});
    });
    await page.reload();
    await page.locator('#over').waitFor({state: 'visible'});
    assert.strictEqual(await page.locator('#over-title').textContent(), '游戏无法启动');
    assert.match(await page.locator('#reason').textContent(), /uming-subset\.ttf .* is not a font; reload the page/);
    assert.strictEqual((await command(page, 'state')).code, 1);
  },

  async 'the canvas has the keyboard at load and the game\'s keys never scroll the page'(page) {
    await page.setViewportSize({width: 400, height: 300});  // the page scrolls to the window
    await answer(page, '');
    assert.deepStrictEqual(await pageFocus(page), {tag: 'CANVAS', name: '游戏', tabIndex: 0});
    for (const key of ['PageDown', 'End', 'Space', 'ArrowDown', 'PageUp', 'Home', 'ArrowRight'])
      await page.keyboard.press(key);
    await answer(page, '');
    assert.deepStrictEqual(await page.evaluate(() => [window.scrollX, window.scrollY]), [0, 0]);
    assert.deepStrictEqual(await recordedKeys(page), ['key pagedown', 'key end', 'key space', 'key down',
                                                      'key pageup', 'key home', 'key right']);
  },

  async 'Tab after the last widget leaves the game and Shift+Tab comes back to it'(page) {
    await page.keyboard.press('End');  // 下一页
    await answer(page, '');
    await page.keyboard.press('Tab');
    const title = await page.evaluate(() => document.querySelector('.window.active span').textContent);
    assert.deepStrictEqual(await pageFocus(page), {tag: 'BUTTON', name: '关闭 ' + title, tabIndex: 0});
    await page.keyboard.press('Shift+Tab');
    assert.strictEqual((await pageFocus(page)).tag, 'CANVAS');
    assert.deepStrictEqual((await focusedWidget(page)).id, [1, -1, 2]);
    await page.keyboard.press('Shift+Tab');  // back in the game: 上一页
    assert.deepStrictEqual((await focusedWidget(page)).id, [1, -1, 1]);
    assert.deepStrictEqual(await recordedKeys(page), ['key end', 'key shift+tab']);
    // Shift+Tab before the first widget leaves the other way.
    await page.keyboard.press('Home');
    await answer(page, '');
    await page.keyboard.press('Shift+Tab');
    assert.notStrictEqual((await pageFocus(page)).tag, 'CANVAS');
    assert.deepStrictEqual(await recordedKeys(page), ['key end', 'key shift+tab', 'key home']);
  },

  async 'only the top window is in the page\'s order, its close box after it'(page) {
    await page.keyboard.press('Space');  // the ring on "属性"
    await page.keyboard.press('Space');  // its page
    await answer(page, '');
    const stops = await page.evaluate(() => [...document.querySelectorAll('.window')].map(w => {
      const canvas = w.querySelector('canvas');
      const close = w.querySelector('.close');
      return {canvas: canvas.tabIndex, close: close.tabIndex, name: close.getAttribute('aria-label'),
              closeAfter: !!(canvas.compareDocumentPosition(close) & Node.DOCUMENT_POSITION_FOLLOWING),
              focused: document.activeElement === canvas};
    }));
    assert.strictEqual(stops.length, 2);
    assert.deepStrictEqual(stops[0], {canvas: -1, close: -1, name: stops[0].name, closeAfter: true, focused: false});
    assert.deepStrictEqual(stops[1], {canvas: 0, close: 0, name: '关闭 属性', closeAfter: true, focused: true});
    await page.keyboard.press('Escape');
    await answer(page, '');
    assert.strictEqual((await pageFocus(page)).tabIndex, 0);
    assert.deepStrictEqual((await focusedWidget(page)).id, [205, -1, -1]);
  },

  async 'docs/playthrough-keys.txt pressed key by key ends as the native program does'(page) {
    const script = fs.readFileSync(path.join(__dirname, '../../docs/playthrough-keys.txt'), 'utf8');
    const native = execFileSync(program, ['--headless', '--script', '-'], {input: script + 'state\nwindows\n'})
                       .toString().trim().split('\n');
    for (const line of script.split('\n')) {
      if (!line.startsWith('key ')) continue;
      await page.keyboard.press(PRESSED[line.slice(4)]);
      await answer(page, '');  // the page knows where the game's focus is before the next Tab
    }
    assert.deepStrictEqual([await answer(page, 'state'), await answer(page, 'windows')], native);
  },
});

async function main() {
  const [address, program] = process.argv.slice(2);
  const url = new URL(address);
  url.searchParams.set('seed', SEED);
  const failed = await runPageTests(url.href, tests(program));
  process.exit(failed ? 1 : 0);
}

main().catch(e => {
  console.error(e.message);
  process.exit(1);
});
