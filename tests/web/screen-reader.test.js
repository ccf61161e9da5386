// The page as a screen reader meets it, played by keys: after every step of
// one table the node that has the focus in Chromium's accessibility tree (the
// canvas's active descendant, or the mirror element a screen reader put the
// page's focus on) is the game's focused widget by name; Enter and Space on
// it act; a key after a click on a title bar, on the desk or on a close box
// reaches the game; Tab from a mirror element leaves the game only after its
// last widget; closing the main window is said in the live region.
//
// usage: node screen-reader.test.js URL
'use strict';
const assert = require('assert');
const {answer, runPageTests} = require('../../scripts/chromium.js');

// The game's focused widget in the top window, by the program's description.
async function gameFocus(page) {
  let found = null;
  const walk = node => {
    if ((node.states || []).includes('focused')) found = node;
    (node.children || []).forEach(walk);
  };
  walk(JSON.parse(await answer(page, 'access')));
  return found;
}

// The node Chromium's accessibility tree gives the focus, as a screen reader
// is told of it: the focused element's active descendant when it has one.
async function pageFocus(page, cdp) {
  const {nodes} = await cdp.send('Accessibility.getFullAXTree');
  const byId = new Map(nodes.map(n => [n.nodeId, n]));
  const property = (node, name) => (node.properties || []).find(p => p.name === name)?.value;
  // The document has the focus too: the deepest node that has it.
  const focused = nodes.filter(n => property(n, 'focused')?.value === true && n.role?.value !== 'RootWebArea').pop();
  if (!focused) return null;
  const active = property(focused, 'activedescendant')?.relatedNodes?.[0];
  const node = active ? nodes.find(n => n.backendDOMNodeId === active.backendDOMNodeId) : focused;
  return {name: node.name?.value, role: node.role?.value, activeDescendant: !!active, ignored: byId.get(node.nodeId).ignored};
}

const recordedKeys = async page =>
  (await page.evaluate(() => window.quorvanel.recording())).split('\n').filter(l => l.startsWith('key '));
const state = async page => JSON.parse(await answer(page, 'state'));
const windowCount = async page => JSON.parse(await answer(page, 'windows')).length;

const press = key => async page => {
  await page.keyboard.press(key);
  await answer(page, '');
};
// A click on the index-th window's title bar (0: the main window), beside its title.
const clickTitleBar = index => async page => {
  const box = await page.locator('.window .caption').nth(index).boundingBox();
  await page.mouse.click(box.x + box.width - 40, box.y + box.height / 2);
  await answer(page, '');
};
// As a screen reader focuses an element: the page's focus on it.
const focusElement = (role, name) => async page => {
  await page.getByRole(role, {name, exact: true}).focus();
  await answer(page, '');
};

// Each step: what is done, then what must hold besides the focus check:
// the keys the game has recorded so far end with `keys`, and the other
// fields of `expect` hold (windows open, fights won against the first
// monster, where the page's focus is: 'canvas' or 'mirror').
const kSteps = [
  {step: 'Tab', act: press('Tab'), keys: ['key tab'], expect: {on: 'canvas'}},
  {step: 'ArrowDown', act: press('ArrowDown'), keys: ['key down'], expect: {on: 'canvas'}},
  {step: 'ArrowRight', act: press('ArrowRight'), keys: ['key right'], expect: {on: 'canvas'}},
  {step: 'PageDown', act: press('PageDown'), keys: ['key pagedown'], expect: {on: 'canvas'}},
  {step: 'Shift+Tab', act: press('Shift+Tab'), keys: ['key shift+tab'], expect: {on: 'canvas'}},
  {step: 'PageUp', act: press('PageUp'), keys: ['key pageup'], expect: {on: 'canvas'}},
  {step: 'the game focuses 属性, Enter opens its page', act: async page => {
    await answer(page, 'focus 205.-1.-1');
    await press('Enter')(page);
  }, keys: ['key return'], expect: {windows: 2, on: 'canvas'}},
  {step: 'Tab on the page', act: press('Tab'), keys: ['key tab'], expect: {windows: 2}},
  {step: 'a click on the page\'s title bar, then Tab', act: async page => {
    await clickTitleBar(1)(page);
    await press('Tab')(page);
  }, keys: ['key tab'], expect: {windows: 2, on: 'canvas'}},
  {step: 'a click on the desk, then Tab', act: async page => {
    await page.mouse.click(1270, 1010);
    await press('Tab')(page);
  }, keys: ['key tab'], expect: {windows: 2, on: 'canvas'}},
  {step: 'a click on the page\'s close box, then Tab', act: async page => {
    await page.locator('.window .close').nth(1).click();
    await answer(page, '');
    await press('Tab')(page);
  }, keys: ['key tab'], expect: {windows: 1, on: 'canvas'}},
  {step: 'a click on the main window\'s title bar, then Space on 讨伐', act: async page => {
    await clickTitleBar(0)(page);
    await answer(page, 'focus 10000.0.-1');
    await press('Space')(page);
  }, keys: ['key space'], expect: {fights: 1, on: 'canvas'}},
  {step: 'a screen reader puts the focus on 讨伐, Space', act: async page => {
    await focusElement('button', '讨伐 蝗虫 0级')(page);
    await press('Space')(page);
  }, keys: ['key space'], expect: {fights: 2, on: 'mirror'}},
  {step: 'Tab from the mirror element', act: press('Tab'), keys: ['key tab'], expect: {on: 'mirror'}},
  {step: 'ArrowLeft from the mirror element', act: press('ArrowLeft'), keys: ['key left'], expect: {on: 'mirror'}},
  {step: 'the screen reader on 属性, Enter', act: async page => {
    await focusElement('button', '属性')(page);
    await press('Enter')(page);
  }, keys: ['key return'], expect: {windows: 2, on: 'canvas'}},
  {step: 'Escape', act: press('Escape'), keys: ['key escape'], expect: {windows: 1, on: 'canvas'}},
];

const tests = {
  async 'after every step the focused node is the game\'s focused widget, and the keys act'(page) {
    const cdp = await page.context().newCDPSession(page);
    for (const {step, act, keys, expect} of kSteps) {
      const before = (await recordedKeys(page)).length;
      await act(page);
      const recorded = await recordedKeys(page);
      assert.deepStrictEqual(recorded.slice(before).slice(-keys.length), keys, `${step}: the game did not take the key`);
      const game = await gameFocus(page);
      // The application alone has the focus for a moment after the canvas
      // took it (mirror.js): the focus said after that.
      await page.waitForFunction(() => !(document.activeElement instanceof HTMLCanvasElement) ||
                                        document.activeElement.hasAttribute('aria-activedescendant'));
      const focused = await pageFocus(page, cdp);
      assert.ok(game, `${step}: the game has no focused widget`);
      assert.ok(focused, `${step}: nothing has the focus in the accessibility tree`);
      assert.deepStrictEqual([focused.name, focused.ignored], [game.name, false], `${step}: the focus is said wrongly`);
      if (expect.on) assert.strictEqual(focused.activeDescendant ? 'canvas' : 'mirror', expect.on, step);
      if (expect.windows) assert.strictEqual(await windowCount(page), expect.windows, step);
      if (expect.fights) assert.deepStrictEqual((await state(page)).tally, [[0, expect.fights]], step);
    }
  },

  async 'Tab from the last widget\'s mirror element leaves the game for the close box after it'(page) {
    await focusElement('button', '下一页')(page);
    await page.keyboard.press('Tab');
    const title = await page.evaluate(() => document.querySelector('.window.active span').textContent);
    assert.strictEqual(await page.evaluate(() => document.activeElement.getAttribute('aria-label')), '关闭 ' + title);
    await page.keyboard.press('Shift+Tab');
    assert.strictEqual(await page.evaluate(() => document.activeElement.tagName), 'CANVAS');
    assert.deepStrictEqual(await recordedKeys(page), []);
  },

  async 'closing the main window is said in the live region'(page) {
    await page.locator('.window .close').first().click();
    await page.locator('#over').waitFor({state: 'visible'});
    assert.strictEqual((await page.locator('#announce').textContent()).trim(), '游戏结束');
  },
};

async function main() {
  const url = new URL(process.argv[2]);
  url.searchParams.set('seed', '20261207');
  const failed = await runPageTests(url.href, tests);
  process.exit(failed ? 1 : 0);
}

main().catch(e => {
  console.error(e.message);
  process.exit(1);
});
