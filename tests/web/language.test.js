// The page's language, in a browser set to English: the page and the game
// speak English (no Chinese in any window's widgets, the page's own texts,
// its description and its manifest from the catalog), ?lang= wins over the
// browser, the pseudo-language brackets the game's and the page's texts, and
// `state` keeps the Chinese texts.
//
// usage: node language.test.js URL
'use strict';
const assert = require('assert');
const {answer, runPageTests} = require('../../scripts/chromium.js');

const kChinese = /[\u3000-\u303f\u4e00-\u9fff\uff00-\uffef]/;

// The page's description and the manifest it links.
async function descriptions(page) {
  return page.evaluate(async () => ({
    page: document.querySelector('meta[name="description"]').content,
    manifest: await fetch(document.querySelector('link[rel="manifest"]').href).then(r => r.json()),
  }));
}

async function reopen(page, url, lang) {
  await page.goto(url + '?lang=' + lang);
  await page.waitForFunction(() => window.quorvanel);
}

async function main() {
  const [url] = process.argv.slice(2);
  const tests = {
    async 'a browser in English gets the page and every window in English'(page) {
      assert.strictEqual(await page.title(), 'Quorvanel - a training RPG');
      const english = await descriptions(page);
      assert.match(english.page, /^Quorvanel, a small training RPG: fight monsters/);
      assert.strictEqual(english.manifest.description, 'A single-player role-playing game');
      assert.strictEqual(english.manifest.lang, 'en');
      for (const line of ['', 'click 38 25', 'widgets', 'key escape', 'click 80 25', 'widgets', 'key escape',
        'click 201 24', 'widgets']) {
        const text = await answer(page, line);
        assert.doesNotMatch(text, kChinese, `'${line}' shows Chinese`);
      }
      assert.match(await answer(page, 'widgets'), /"caption":"Tasks"/);
      assert.match(await page.locator('.window .close').first().getAttribute('aria-label'), /^Close/);
      assert.match(await answer(page, 'state'), /"name":"无名氏"/);
    },
    async '?lang= wins over the browser, and the pseudo-language brackets the game'(page) {
      await reopen(page, url, 'zh_CN');
      assert.match(await answer(page, 'widgets'), /"caption":"讨伐"/);
      assert.strictEqual(await page.title(), 'Quorvanel - 练级小游戏');
      const chinese = await descriptions(page);
      assert.match(chinese.page, /^Quorvanel：一个练级小游戏。/);
      assert.deepStrictEqual([chinese.manifest.description, chinese.manifest.lang], ['单人角色扮演游戏', 'zh-CN']);
      await reopen(page, url, 'qps');
      assert.match(await answer(page, 'widgets'), /"caption":"\[Fight~~\]"/);
      assert.strictEqual(await page.title(), '[Quorvanel - a training RPG~~~~~~~~~]');
      assert.strictEqual((await descriptions(page)).manifest.description, '[A single-player role-playing game~~~~~~~~~~~]');
    },
  };
  process.exitCode = await runPageTests(url, tests, {contextOptions: {locale: 'en-US'}}) ? 1 : 0;
}

main().catch(e => {
  console.error(e.message);
  process.exit(1);
});
