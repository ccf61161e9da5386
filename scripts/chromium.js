// Debian's Chromium, headless, driven by playwright-core (installed by
// scripts/setup with npm ci): a fresh profile, no network of its own.
'use strict';
const assert = require('assert');
const path = require('path');
const {chromium} = require(path.join(__dirname, '..', 'node_modules', 'playwright-core'));

const FLAGS = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

// Playwright gives every launch a fresh temporary --user-data-dir. Its pages
// speak Chinese (the page follows the browser's languages) unless a test
// asks for another locale.
async function launchChromium() {
  const browser =
      await chromium.launch({executablePath: '/usr/bin/chromium', headless: true, chromiumSandbox: false, args: FLAGS});
  for (const open of ['newContext', 'newPage']) {
    const opened = browser[open].bind(browser);
    browser[open] = (options = {}) => opened({locale: 'zh-CN', ...options});
  }
  return browser;
}

// A page of browser showing url, with quorvanel.command ready; page errors
// go to onError. The viewport is the desktop's screen unless given.
async function openGame(browser, url, onError, viewport = {width: 1280, height: 1024}) {
  const page = await browser.newPage({viewport});
  page.on('pageerror', error => onError(error.message));
  await page.goto(url);
  await page.waitForFunction(() => window.quorvanel);
  return page;
}

// Runs one script line in page: {answer} or {error, code}.
function command(page, line) {
  return page.evaluate(l => window.quorvanel.command(l).then(
      answer => ({answer}), e => ({error: e.message, code: e.exitCode === undefined ? 1 : e.exitCode})), line);
}

// Runs one script line in page and gives its answer; fails when it fails.
async function answer(page, line) {
  const result = await command(page, line);
  assert.strictEqual(result.error, undefined, `'${line}' failed: ${result.error}`);
  return result.answer;
}

// The top window as PNG bytes, or {error}.
async function shot(page) {
  const result = await page.evaluate(
      () => window.quorvanel.shot().then(url => ({url}), e => ({error: e.message})));
  if (result.error) return result;
  return {png: Buffer.from(result.url.slice(result.url.indexOf(',') + 1), 'base64')};
}

// A test that has not ended by then has hung: sanitized builds and a
// loaded machine make the slowest (a whole playthrough) take about a minute.
const TEST_TIME_LIMIT_MS = 5 * 60 * 1000;

// Resolves or rejects as promise does, or rejects after ms.
function withinTime(promise, ms) {
  let timer;
  const late = new Promise((_, reject) => {
    timer = setTimeout(() => reject(new Error(`no end after ${ms / 1000} s`)), ms);
  });
  return Promise.race([promise, late]).finally(() => clearTimeout(timer));
}

// Runs each of tests ({name: async page => ...}) in a page of its own at url,
// on the desktop's screen, once quorvanel.command is ready, and prints "ok"
// or "FAIL" with the name: a test fails when it throws or the page has an
// error. prepare(page) runs before the page loads. Resolves to the number of
// failed tests. The page's service worker is kept out: the requests it
// answers from its cache would pass a test's routes by.
async function runPageTests(url, tests, {contextOptions = {}, prepare = async () => {}} = {}) {
  const browser = await launchChromium();
  let failed = 0;
  try {
    for (const [name, test] of Object.entries(tests)) {
      const context = await browser.newContext({serviceWorkers: 'block', ...contextOptions});
      const errors = [];
      const page = await context.newPage();
      await prepare(page);
      page.on('pageerror', e => errors.push(e.message));
      await page.setViewportSize({width: 1280, height: 1024});
      await page.goto(url);
      await page.waitForFunction(() => window.quorvanel);
      try {
        await withinTime(test(page), TEST_TIME_LIMIT_MS);
        assert.deepStrictEqual(errors, []);
        console.log('ok    ' + name);
      } catch (e) {
        ++failed;
        console.log('FAIL  ' + name + ': ' + e.message);
      }
      await context.close();
    }
  } finally {
    await browser.close();
  }
  return failed;
}

module.exports = {launchChromium, openGame, command, answer, shot, runPageTests};
