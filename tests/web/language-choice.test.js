// The page's language rule (web/language.js) on the table of cases the
// program's rule is tested on (tests/i18n/language-choice.txt): the page and
// the program choose the same catalog from the same settings.
//
// usage: node language-choice.test.js
'use strict';
const assert = require('assert');
const fs = require('fs');
const path = require('path');
const vm = require('vm');

const root = path.join(__dirname, '../..');
const language = vm.runInNewContext(
    fs.readFileSync(path.join(root, 'web/language.js'), 'utf8') + '\nQuorvanelLanguage;');

const words = column => column.trim().split(/\s+/).filter(word => word && word !== '-');
const rows = fs.readFileSync(path.join(root, 'tests/i18n/language-choice.txt'), 'utf8').split('\n')
    .filter(line => line.trim() && !line.startsWith('#')).map(line => line.split('|').map(words));
assert.ok(rows.length > 10, 'no table of choices');
let failed = 0;
for (const [settings, there, [choice]] of rows) {
  // The page's '' is the program's "zh_CN": the game's own texts.
  const chosen = language.choose(settings, there) || 'zh_CN';
  if (chosen !== choice) {
    console.error(`${settings.join(' ')} among ${there.join(' ')}: ${chosen}, not ${choice}`);
    ++failed;
  }
}
console.log(`language-choice: ${rows.length - failed} of ${rows.length} cases as the table says`);
process.exitCode = failed ? 1 : 0;
