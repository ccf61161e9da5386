// What the page and the program agree on, seen from the page: keys typed in
// it reach the program as the program names them ("=" is "=", Tab is no key
// of the game), the page records a session as --record does and the native
// program replays that recording to the same state, and a start that fails
// (here a font that is not one) says why in the page.
//
// usage: node contract.test.js URL NATIVE_PROGRAM
'use strict';
const assert = require('assert');
const {execFileSync} = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const {command, runPageTests} = require('../../scripts/chromium.js');

const SEED = '20261207';

async function answer(page, line) {
  const result = await command(page, line);
  assert.strictEqual(result.error, undefined, `'${line}' failed: ${result.error}`);
  return result.answer;
}

const recording = page => page.evaluate(() => window.quorvanel.recording());

async function clickClient(page, x, y) {
  const box = await page.locator('canvas').first().boundingBox();
  await page.mouse.click(box.x + x, box.y + y);
}

// program: the native program, which replays the page's recording.
const tests = program => ({
  async 'keys reach the program as it names them; Tab is none of its keys'(page) {
    for (const key of ['=', 'Tab', '-', 'Control+=', 'Control+-']) await page.keyboard.press(key);
    await answer(page, '');
    const lines = (await recording(page)).split('\n');
    assert.strictEqual(lines[0], 'seed ' + SEED);
    assert.deepStrictEqual(lines.filter(line => line.startsWith('key ')),
                           ['key =', 'key -', 'key ctrl+=', 'key ctrl+-']);
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
