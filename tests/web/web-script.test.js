// scripts/web-script answers as the native `quorvanel --headless --script -`
// does: the same standard output, error message and exit code, for scripts
// that end well, with a syntax error, and with a command that cannot be
// carried out.
//
// usage: node web-script.test.js URL NATIVE_PROGRAM
'use strict';
const assert = require('assert');
const {spawnSync} = require('child_process');
const path = require('path');

const scripts = {
  'a fight and the state': 'click 198 148\nstate\nwindows\n',
  'a syntax error after answers': 'state\n# a comment\n\nclick 198\nstate\n',
  'a click after the main window closed': 'close\nstate\nwindows\nclick 1 1\nstate\n',
  'quit ends the run': 'windows\nquit\nstate\n',
  'a re-seed and the attribute page': 'seed 7\nclick 38 25\nwidgets\nkey escape\nwindows\n',
};

function run(command, args, input) {
  const result = spawnSync(command, args, {input, encoding: 'utf8'});
  return {stdout: result.stdout, stderr: result.stderr, status: result.status};
}

function main() {
  const [url, program] = process.argv.slice(2);
  const webScript = path.join(__dirname, '../../scripts/web-script');
  let failed = 0;
  for (const [name, input] of Object.entries(scripts)) {
    const native = run(program, ['--headless', '--seed', '42', '--script', '-'], input);
    const web = run(webScript, ['--seed', '42', url], input);
    try {
      assert.deepStrictEqual(web, native);
      console.log('ok    ' + name);
    } catch (e) {
      ++failed;
      console.log('FAIL  ' + name + ': ' + e.message);
    }
  }
  process.exit(failed ? 1 : 0);
}

main();
