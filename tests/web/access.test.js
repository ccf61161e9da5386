// The page for screen readers: axe finds no violation in any of the page's
// states; the ARIA snapshot lists every button of the main window's
// description once, by a non-empty name, and a page as a dialog; Chromium's
// own accessibility tree gives a fight button its estimate as description;
// a fight, learning a skill through the choice list and the first task,
// carried out only by activating elements found by role and name, end in
// the state the same clicks give the native program; the live region names
// the monster and the experience after a won fight.
//
// usage: node access.test.js URL NATIVE_PROGRAM
'use strict';
const assert = require('assert');
const {execFileSync} = require('child_process');
const fs = require('fs');
const path = require('path');
const {command, runPageTests} = require('../../scripts/chromium.js');

const [url, program] = process.argv.slice(2);
const playthrough = fs.readFileSync(path.join(__dirname, '../../docs/playthrough.txt'), 'utf8').split('\n');
// Script lines from..to (1-based, inclusive) of the playthrough.
const lines = (from, to) => playthrough.slice(from - 1, to);
const kSeed = 12;        // the seed line
const kFirstFight = 14;  // its first click
const kBooksFarmed = 66;  // skill books in the bag, before the first skill is learned

async function answer(page, line) {
  const result = await command(page, line);
  assert.strictEqual(result.error, undefined, `'${line}' failed: ${result.error}`);
  return result.answer;
}
async function run(page, script) {
  for (const line of script) await answer(page, line);
}
const nativeState = script => execFileSync(program, ['--headless', '--script', '-'],
                                           {input: script.concat(['state']).join('\n')}).toString().trim();

// Activates the element of that role and name as a screen reader does (a
// click on the element itself, not at a place), then waits for the game.
async function activate(page, role, name) {
  await page.getByRole(role, {name, exact: typeof name === 'string'}).evaluate(element => element.click());
  await answer(page, '');
}

async function axeViolations(page) {
  await page.addScriptTag({path: require.resolve('axe-core/axe.min.js')});
  const {violations} = await page.evaluate(() => axe.run(document, {resultTypes: ['violations']}));
  return violations.map(v => `${v.id} (${v.impact}): ${v.nodes.map(n => n.target.join(' ')).join(', ')}`);
}

// The page states axe checks, each reached from a fresh page.
const kStates = {
  'main screen': async () => {},
  'attribute page': async page => answer(page, 'click 38 25'),
  'choice list': async page => run(page, lines(kSeed, kBooksFarmed).concat(['click 38 25', 'click 42 157'])),
  'bag page, first tab': async page => answer(page, 'click 90 24'),
  'bag page, second tab': async page => {
    await answer(page, 'click 90 24');
    await activate(page, 'tab', '装备');
  },
  'message box': async page => answer(page, 'key ctrl+p'),
  'game over': async page => {
    await answer(page, 'close');
    await page.waitForSelector('#over:not([hidden])');
  },
};

const tests = {};
for (const [state, reach] of Object.entries(kStates))
  tests[`axe: no violations on the ${state}`] = async page => {
    await reach(page);
    assert.deepStrictEqual(await axeViolations(page), []);
  };

Object.assign(tests, {
  async 'the ARIA snapshot names every button once, and a page is a dialog'(page) {
    const buttons = [];
    const collect = node => {
      if (node.role === 'button' || node.role === 'tab') buttons.push(node.name);
      (node.children || []).forEach(collect);
    };
    collect(JSON.parse(await answer(page, 'access')));
    const snapshot = await page.locator('main').ariaSnapshot();
    // The windows' close boxes and the full-screen button are the page's own.
    const named = [...snapshot.matchAll(/- (?:button|tab) "([^"]*)"/g)].map(m => m[1])
                      .filter(name => !name.startsWith('关闭') && name !== '全屏');
    assert.ok(buttons.length >= 20, snapshot);
    assert.ok(named.every(name => name.trim() !== ''), snapshot);
    assert.strictEqual(new Set(named).size, named.length, snapshot);
    assert.deepStrictEqual(named.slice().sort(), buttons.slice().sort());
    await answer(page, 'click 38 25');
    assert.match(await page.locator('main').ariaSnapshot(), /- dialog "属性"/);
  },

  async "Chromium's accessibility tree describes a fight button by its estimate"(page) {
    const hint = JSON.parse(await answer(page, 'state')).fights[0].hint;
    const cdp = await page.context().newCDPSession(page);
    const {nodes} = await cdp.send('Accessibility.getFullAXTree');
    const fight = nodes.find(n => n.role?.value === 'button' && n.name?.value === '讨伐 蝗虫 0级');
    assert.ok(fight, 'no button "讨伐 蝗虫 0级"');
    const words = text => text.replace(/\s+/g, ' ').trim();
    assert.strictEqual(words(fight.description?.value || ''), words(hint));
  },

  async 'a fight, a skill learned and the first task by activation only, as the clicks do'(page) {
    await run(page, lines(kSeed, kSeed));
    await activate(page, 'button', '讨伐 蝗虫 0级');
    assert.match(await page.locator('#announce').textContent(), /蝗虫.*经验 1/);
    assert.strictEqual(await answer(page, 'state'), nativeState(lines(kSeed, kFirstFight)));

    await run(page, lines(kFirstFight + 1, kBooksFarmed));
    // Skill 2 on the attribute page through the choice list, then 王伏.
    const choices = [];
    await activate(page, 'button', '属性');
    await activate(page, 'button', '学习技能');
    for (const element of await page.getByRole('dialog', {name: '学习技能'}).getByRole('button').all())
      choices.push(await element.evaluate(e => e.getAttribute('aria-label') || e.textContent));
    // The first choice (the close box is the page's, named 关闭).
    await activate(page, 'button', choices.find(name => name !== '关闭'));
    await activate(page, 'button', '关闭 属性');
    await activate(page, 'button', '讨伐 王伏 5级');
    assert.strictEqual(await answer(page, 'state'), nativeState(lines(kSeed, 72)));

    await run(page, lines(73, 89));
    await activate(page, 'button', '任务');
    await activate(page, 'button', /^完成任务/);
    await activate(page, 'button', '战斗');
    assert.strictEqual(await answer(page, 'state'), nativeState(lines(kSeed, 93)));
  },
});

runPageTests(url, tests).then(failed => process.exit(failed ? 1 : 0));
