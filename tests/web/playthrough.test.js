// The whole game in the page: docs/playthrough.txt through quorvanel.command
// reaches the closing congratulation, and the final state and window list
// are the lines the native program prints for the same script.
//
// usage: node playthrough.test.js URL NATIVE_PROGRAM
'use strict';
const assert = require('assert');
const {execFileSync} = require('child_process');
const fs = require('fs');
const path = require('path');
const {launchChromium, openGame, command} = require('../../scripts/chromium.js');

async function main() {
  const [url, program] = process.argv.slice(2);
  const script = fs.readFileSync(path.join(__dirname, '../../docs/playthrough.txt'), 'utf8');
  const lines = script.split('\n').concat(['state', 'windows']);
  const native = execFileSync(program, ['--headless', '--script', '-'], {input: lines.join('\n')})
                     .toString().trim().split('\n');
  assert.strictEqual(native.length, 2, 'native answers: ' + native.join('\n'));
  assert.match(native[1], /通关了/, 'the native run ends at the congratulation');

  const browser = await launchChromium();
  try {
    const page = await openGame(browser, url, message => assert.fail('page error: ' + message));
    const answers = [];
    for (const line of lines) {
      const result = await command(page, line);
      assert.strictEqual(result.error, undefined, `'${line}' failed: ${result.error}`);
      if (result.answer !== '') answers.push(result.answer);
    }
    assert.deepStrictEqual(answers, native);
  } finally {
    await browser.close();
  }
  console.log('playthrough: the page reaches the congratulation with the native final state');
}

main().catch(e => {
  console.error(e.message);
  process.exit(1);
});
