// Every picture of docs/screenshots.txt, taken in the page through
// scripts/web-script, has exactly the pixels of the native headless shot.
//
// usage: node screenshots.test.js URL NATIVE_PROGRAM
'use strict';
const assert = require('assert');
const {execFileSync} = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

const root = path.join(__dirname, '../..');

// The script with each shot written into folder instead.
function scriptInto(folder) {
  return fs.readFileSync(path.join(root, 'docs/screenshots.txt'), 'utf8').split('\n')
      .map(line => line.replace(/^shot docs\//, `shot ${folder}/`)).join('\n');
}

// Pixels that differ between two PNG files (ImageMagick), alpha aside.
function differingPixels(a, b) {
  try {
    execFileSync('compare', ['-metric', 'AE', '-alpha', 'off', a, b, 'null:'], {stdio: 'pipe'});
    return 0;
  } catch (e) {
    const count = Number(e.stderr.toString().trim());
    if (Number.isNaN(count)) throw new Error(`cannot compare ${a} and ${b}: ${e.stderr}`);
    return count;
  }
}

function main() {
  const [url, program] = process.argv.slice(2);
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'quorvanel-shots-'));
  try {
    for (const side of ['native', 'web']) fs.mkdirSync(path.join(folder, side));
    execFileSync(program, ['--headless', '--seed', '20261207', '--script', '-'],
                 {input: scriptInto(path.join(folder, 'native'))});
    execFileSync(path.join(root, 'scripts/web-script'), ['--seed', '20261207', url],
                 {input: scriptInto(path.join(folder, 'web')), stdio: ['pipe', 'inherit', 'inherit']});
    const names = fs.readdirSync(path.join(folder, 'native'));
    assert.ok(names.length >= 5, 'native shots: ' + names.join(' '));
    for (const name of names) {
      const web = path.join(folder, 'web', name);
      assert.ok(fs.existsSync(web), 'the page took no ' + name);
      assert.strictEqual(differingPixels(path.join(folder, 'native', name), web), 0, name + ' differs');
    }
    console.log(`screenshots: ${names.length} pictures equal the native ones pixel for pixel`);
  } finally {
    fs.rmSync(folder, {recursive: true, force: true});
  }
}

try {
  main();
} catch (e) {
  console.error(e.message);
  process.exit(1);
}
