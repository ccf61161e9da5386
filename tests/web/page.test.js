// The page as a player and a script meet it: real pointer and keys reach the
// right window in client coordinates under the desktop's modal rules (and
// are dropped while script lines play), close boxes send the close event,
// Ctrl+P offers the picture as a download and names it in the box, `shot
// FILE` is refused without shifting later line numbers, closing the main
// window shows that the game is over, a page smaller than the main window
// shows all of it scaled down, and an idle page schedules nothing.
//
// usage: node page.test.js URL
'use strict';
const assert = require('assert');
const {answer, command, runPageTests} = require('../../scripts/chromium.js');

const level = async page => JSON.parse(await answer(page, 'state')).hero.level;
const windowCount = async page => JSON.parse(await answer(page, 'windows')).length;

// Clicks the page at client point (x, y) of the index-th canvas (0: main window).
async function clickClient(page, index, x, y) {
  const box = await page.locator('canvas').nth(index).boundingBox();
  await page.mouse.click(box.x + x, box.y + y);
}

const tests = {
  async 'the pointer reaches the window under it, the owner of a modal page takes none'(page) {
    await clickClient(page, 0, 198, 148);  // the first fight button
    await answer(page, '');
    assert.strictEqual(await level(page), 1);
    await answer(page, 'click 38 25');  // the attribute page
    assert.strictEqual(await windowCount(page), 2);
    await clickClient(page, 0, 198, 148);
    await answer(page, '');
    assert.strictEqual(await level(page), 1, 'the main window under the page fought');
    await page.keyboard.press('Escape');
    await answer(page, '');
    assert.strictEqual(await windowCount(page), 1, 'Escape did not close the page');
  },

  async 'a click while script lines play is dropped, one while the script waits is taken'(page) {
    await page.evaluate(() => {
      const played = window.quorvanel.command('move 300 320');
      const canvas = document.querySelector('canvas');
      const box = canvas.getBoundingClientRect();
      canvas.dispatchEvent(new PointerEvent('pointerdown',
          {button: 0, pointerType: 'mouse', clientX: box.left + 198, clientY: box.top + 148}));
      return played;
    });
    await answer(page, '');
    assert.strictEqual(await level(page), 0, 'the click that came with a line to play fought');
    await clickClient(page, 0, 198, 148);
    await answer(page, '');
    assert.strictEqual(await level(page), 1, 'the click while the script waited did not fight');
  },

  async 'a close box sends its window the close event'(page) {
    await answer(page, 'click 38 25');
    await page.locator('.window .close').nth(1).click();
    await answer(page, '');
    assert.strictEqual(await windowCount(page), 1);
  },

  async 'Ctrl+P offers the picture as a download and names it in the box'(page) {
    const download = page.waitForEvent('download');
    await page.keyboard.press('Control+KeyP');
    const name = (await download).suggestedFilename();
    assert.match(name, /^quorvanel-\d{8}-\d{6}\.png$/);
    const png = await (await download).createReadStream().then(async stream => {
      const parts = [];
      for await (const part of stream) parts.push(part);
      return Buffer.concat(parts);
    });
    assert.deepStrictEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [655, 405], 'the picture is not the main window');
    const windows = JSON.parse(await answer(page, 'windows'));
    assert.strictEqual(windows.length, 2);
    assert.ok(windows[1].text.includes(name), 'the box does not name the file: ' + windows[1].text);
  },

  async 'a shot line is refused and later lines keep their numbers'(page) {
    const refused = await command(page, 'shot picture.png');
    assert.strictEqual(refused.code, 1);
    assert.match(refused.error, /^-:1: 'shot':/);
    const bad = await command(page, 'fight');
    assert.deepStrictEqual(bad, {error: "-:2: unknown command 'fight'", code: 2});
    assert.strictEqual(await page.locator('#over').isVisible(), true, 'a failed script did not end the game');
  },

  async 'closing the main window ends the game; the script still answers until quit'(page) {
    await page.locator('.window .close').first().click();
    await page.locator('#over').waitFor({state: 'visible'});
    assert.strictEqual(await page.locator('#desk').isVisible(), false);
    assert.strictEqual(await level(page), 0);
    assert.strictEqual(await answer(page, 'quit'), '');
    const after = await command(page, 'state');
    assert.strictEqual(after.error, 'the game is over');
  },

  async 'on a page smaller than the main window all of it shows, scaled down, and clicks reach it'(page) {
    await page.setViewportSize({width: 480, height: 320});
    await page.reload();
    await page.waitForFunction(() => window.quorvanel);
    const frame = await page.evaluate(() => {
      const box = document.querySelector('.window').getBoundingClientRect();
      return {left: box.left, top: box.top, right: box.right, bottom: box.bottom,
              width: document.documentElement.scrollWidth, height: document.documentElement.scrollHeight};
    });
    assert.ok(frame.left >= 0 && frame.top >= 0 && frame.right <= 480 && frame.bottom <= 320,
              'the window is not wholly in view: ' + JSON.stringify(frame));
    assert.deepStrictEqual([frame.width, frame.height], [480, 320], 'the page can scroll');
    // The grid's next-page button in the bottom right, at the scale the
    // window is drawn.
    const canvas = page.locator('canvas').first();
    const scale = (await canvas.boundingBox()).width / 655;
    await canvas.click({position: {x: 441.5 * scale, y: 385.5 * scale}});
    await answer(page, '');
    const firstCard = JSON.parse(await answer(page, 'widgets')).children[0].children[0];
    assert.deepStrictEqual(firstCard.id, [1, 101, -1]);
    assert.strictEqual(firstCard.shown, false, 'the click on the next-page button did not arrive');
  },

  async 'an idle page schedules no timers and no animation frames'(page) {
    await answer(page, 'move 371 148');
    const scheduled = await page.evaluate(() => new Promise(done => {
      let calls = 0;
      for (const name of ['setTimeout', 'setInterval', 'requestAnimationFrame']) {
        const original = window[name];
        window[name] = (...args) => (++calls, original.apply(window, args));
      }
      original_setTimeout(() => done(calls), 1000);
    }));
    assert.strictEqual(scheduled, 0);
  },
};

async function main() {
  const url = new URL(process.argv[2]);
  url.searchParams.set('seed', '20261207');
  const failed = await runPageTests(url.href, tests, {
    contextOptions: {acceptDownloads: true},
    prepare: page => page.addInitScript(() => { window.original_setTimeout = window.setTimeout.bind(window); }),
  });
  process.exit(failed ? 1 : 0);
}

main().catch(e => {
  console.error(e.message);
  process.exit(1);
});
