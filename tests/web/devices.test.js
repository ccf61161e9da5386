// The page on phones, tablets and large screens, and as an installed app:
// - each device layout scales the game by a whole number of device pixels
//   per game pixel, crisp, or where that is below one CSS pixel, by the
//   fraction that fits, nearest-neighbour, a desktop's small window as a
//   phone; the page never scrolls; upright phones, and only they, show the
//   hint to turn them; turning the phone and zooming lay the page out
//   again; full screen keeps the scale and asks a phone to stay sideways;
//   with a page open no seam line crosses the main window;
// - touch: a tap fights once, a long press shows the estimate without
//   fighting, a tap on a badge shows its card, a tap beside a small widget
//   reaches it, one beside a close box closes its page, and a page opened
//   and closed by taps leaves no card behind;
// - loading: the server sends the compressed copies; the progress bar's
//   total is the files' size; a page from the file system or a file that
//   fails says why;
// - offline: the manifest parses and its icons load, Chromium finds nothing
//   against installing, a reload without network plays (in English too,
//   once English was played online, and opened as index.html), a language
//   never played online says it is missing and plays in Chinese, a rebuilt
//   page replaces the old cache; no console error anywhere.
//
// usage: node devices.test.js URL SITE_DIR
'use strict';
const assert = require('assert');
const {execFileSync, spawn} = require('child_process');
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const {PNG} = require('../../node_modules/playwright-core/lib/utilsBundle');
const {launchChromium, command, shot} = require('../../scripts/chromium.js');

const root = path.join(__dirname, '../..');
const SEED = '20261207';
const FIGHT = {x: 198, y: 148};  // the first fight button, in the main window

// The device layouts: viewport in CSS pixels, device pixels per CSS pixel,
// the game's expected CSS pixels per game pixel (null: the fraction that
// fits the main window) and the least share of the viewport's height the
// main window fills; what else is tried there: taps beside small targets
// (taps), a page open over the main window (page). The phones named after
// a device are sized as Playwright's descriptors of it.
const LAYOUTS = [
  {name: 'desktop 1280x1024', viewport: {width: 1280, height: 1024}, ratio: 1, scale: 1},
  {name: 'desktop 1920x1080, full screen', viewport: {width: 1920, height: 1080}, ratio: 1, scale: 2,
   fullscreen: true},
  {name: 'desktop 1920x1080 zoomed to 200 %', viewport: {width: 1920, height: 1080}, ratio: 1,
   zoomTo: {width: 960, height: 540, ratio: 2}, scale: 1},
  {name: 'tablet 1024x768', viewport: {width: 1024, height: 768}, ratio: 2, scale: 1.5, touch: true},
  {name: 'phone sideways', viewport: {width: 844, height: 390}, ratio: 3, scale: null, touch: true, fill: 0.7},
  {name: 'phone upright', viewport: {width: 390, height: 844}, ratio: 3, scale: null, touch: true, hint: true},
  {name: 'phone turned sideways', viewport: {width: 390, height: 844}, turnTo: {width: 844, height: 390},
   ratio: 3, scale: null, touch: true, fill: 0.7},
  {name: 'phone sideways, full screen', viewport: {width: 844, height: 390}, ratio: 3, scale: null, touch: true,
   fill: 0.7, fullscreen: true},
  {name: 'desktop window 500x800', viewport: {width: 500, height: 800}, ratio: 1, scale: null},
  {name: 'desktop window 500x800, 2 device pixels per CSS pixel', viewport: {width: 500, height: 800}, ratio: 2,
   scale: null},
  {name: 'desktop window 800x400', viewport: {width: 800, height: 400}, ratio: 1, scale: null, fill: 0.99},
  {name: 'Galaxy S9+ sideways', viewport: {width: 658, height: 320}, ratio: 4.5, scale: null, touch: true,
   fill: 0.99, taps: true},
  {name: 'Pixel 5 sideways, a page open', viewport: {width: 802, height: 293}, ratio: 2.75, scale: null,
   touch: true, fill: 0.99, page: true},
  {name: 'Pixel 5 upright, a page open', viewport: {width: 393, height: 727}, ratio: 2.75, scale: null,
   touch: true, hint: true, page: true},
  {name: 'iPhone 13 sideways', viewport: {width: 750, height: 342}, ratio: 3, scale: null, touch: true,
   fill: 0.99},
];
const ATTRIBUTES = {x: 38, y: 25};  // the top bar's button for the attribute page, in the main window

async function answer(page, line) {
  const result = await command(page, line);
  assert.strictEqual(result.error, undefined, `'${line}' failed: ${result.error}`);
  return result.answer;
}

const state = async page => answer(page, 'state');
const widgets = async page => JSON.parse(await answer(page, 'widgets'));

// The first widget of the tree (depth first) that test accepts.
function findWidget(tree, test) {
  if (test(tree)) return tree;
  for (const child of tree.children || []) {
    const found = findWidget(child, test);
    if (found) return found;
  }
  return null;
}

async function openPage(browser, url, layout, errors) {
  const context = await browser.newContext({viewport: layout.viewport, deviceScaleFactor: layout.ratio,
                                            isMobile: !!layout.touch, hasTouch: !!layout.touch});
  const page = await context.newPage();
  watchErrors(page, errors);
  // The orientations the page asks to lock, refused as a desktop browser
  // refuses them.
  await page.addInitScript(() => {
    window.orientationLocks = [];
    screen.orientation.lock = orientation => {
      window.orientationLocks.push(orientation);
      return Promise.reject(new DOMException('no screen to turn', 'NotSupportedError'));
    };
  });
  await page.goto(url);
  await page.waitForFunction(() => window.quorvanel);
  await answer(page, '');
  return page;
}

function watchErrors(page, errors) {
  page.on('pageerror', e => errors.push(e.message));
  page.on('console', message => message.type() === 'error' && errors.push(message.text()));
}

// The main window's canvas: its box in CSS pixels and its size in game pixels.
async function mainCanvas(page) {
  return page.evaluate(() => {
    const canvas = document.querySelector('canvas');
    const box = canvas.getBoundingClientRect();
    const hint = document.getElementById('turn');
    const frame = document.querySelector('.window');
    return {x: box.x, y: box.y, width: box.width, height: box.height, gameWidth: canvas.width,
            gameHeight: canvas.height, hint: !hint.hidden, hintHeight: hint.offsetHeight,
            frame: {width: frame.offsetWidth, height: frame.offsetHeight,
                    cssHeight: frame.getBoundingClientRect().height},
            frameBox: frame.getBoundingClientRect().toJSON(),
            overflow: {x: document.documentElement.scrollWidth - document.documentElement.clientWidth,
                       y: document.documentElement.scrollHeight - document.documentElement.clientHeight}};
  });
}

// Every device pixel of the canvas on screen is the game pixel under it:
// exactly at a whole scale, one of the nearest at a fractional one. The
// game's pixels are the top window's unless given (a PNG); columns is where
// a window lies over the canvas, [left, right) in device pixels, passed over.
async function checkPixels(page, canvas, ratio, given = null, columns = [0, 0]) {
  const game = given || PNG.sync.read((await shot(page)).png);
  // The device pixels wholly inside the canvas.
  const left = Math.ceil(canvas.x * ratio - 1e-6), top = Math.ceil(canvas.y * ratio - 1e-6);
  const right = Math.floor((canvas.x + canvas.width) * ratio + 1e-6);
  const bottom = Math.floor((canvas.y + canvas.height) * ratio + 1e-6);
  const screen = PNG.sync.read(await page.screenshot());
  const step = canvas.width * ratio / game.width;  // device pixels per game pixel
  const whole = Math.abs(step - Math.round(step)) < 1e-6;
  const at = (image, x, y) => image.data.readUInt32BE((y * image.width + x) * 4);
  let wrong = 0;
  for (let y = top; y < bottom; ++y) {
    for (let x = left; x < right; ++x) {
      if (x >= columns[0] && x < columns[1]) continue;
      const gx = Math.floor((x - canvas.x * ratio) / step + 1e-6);
      const gy = Math.floor((y - canvas.y * ratio) / step + 1e-6);
      const near = whole ? [[gx, gy]] : [-1, 0, 1].flatMap(dx => [-1, 0, 1].map(dy => [gx + dx, gy + dy]));
      const pixel = at(screen, x, y);
      if (!near.some(([u, v]) => u >= 0 && v >= 0 && u < game.width && v < game.height && at(game, u, v) === pixel))
        ++wrong;
    }
  }
  assert.strictEqual(wrong, 0, `${wrong} of ${(right - left) * (bottom - top)} device pixels are not the game's`);
}

async function checkLayout(browser, url, layout, errors) {
  const page = await openPage(browser, url, layout, errors);
  if (layout.turnTo) {
    await page.setViewportSize(layout.turnTo);
    await page.waitForFunction(() => document.getElementById('turn').hidden);
  }
  if (layout.zoomTo) {
    // What the browser's zoom does: fewer CSS pixels, more device pixels each.
    const {width, height, ratio} = layout.zoomTo;
    await (await page.context().newCDPSession(page)).send('Emulation.setDeviceMetricsOverride',
                                                         {width, height, deviceScaleFactor: ratio, mobile: false});
    await page.waitForFunction(r => window.devicePixelRatio === r, ratio);
    // The page lays the desk out again on the resize and media events of
    // the next rendering; under load they come frames after the new ratio.
    await page.evaluate(() => new Promise(done => requestAnimationFrame(() => requestAnimationFrame(done))));
    await answer(page, '');
  }
  if (layout.fullscreen) {
    await page.click('#fullscreen');
    await page.waitForFunction(() => document.fullscreenElement === document.documentElement);
    // The button's text changes on fullscreenchange, which the browser fires
    // at the rendering after it sets the fullscreen element.
    await page.waitForFunction(() => document.getElementById('fullscreen').textContent === '退出全屏');
  }
  const viewport = layout.turnTo || layout.zoomTo || layout.viewport;
  const ratio = layout.zoomTo ? layout.zoomTo.ratio : layout.ratio;
  const canvas = await mainCanvas(page);
  const scale = canvas.width / canvas.gameWidth;
  assert.ok(Math.abs(canvas.height / canvas.gameHeight - scale) < 1e-6, 'not the same scale across and down');
  if (layout.scale) {
    assert.ok(Math.abs(scale - layout.scale) < 1e-6, `scale ${scale}, not ${layout.scale}`);
  } else {
    // The fraction that fits the main window's frame into the viewport
    // below the hint, where no whole number of device pixels reaches one
    // CSS pixel.
    const fits = Math.min(viewport.width / canvas.frame.width,
                          (viewport.height - canvas.hintHeight) / canvas.frame.height);
    assert.ok(Math.floor(fits * ratio) < ratio, `a whole scale fits: ${fits}`);
    assert.ok(Math.abs(scale - fits) < 1e-6, `scale ${scale}, ${fits} fits`);
  }
  if (layout.fill)
    assert.ok(canvas.frame.cssHeight >= layout.fill * viewport.height, `the main window is ${canvas.frame.cssHeight} px high`);
  assert.strictEqual(canvas.hint, !!layout.hint, 'the hint to turn the phone');
  // The whole main window in view, and nothing to scroll to.
  const box = canvas.frameBox;
  assert.ok(box.left >= 0 && box.top >= 0 && box.right <= viewport.width + 1e-3 && box.bottom <= viewport.height + 1e-3,
            'the main window is not wholly in view: ' + JSON.stringify(box));
  assert.deepStrictEqual(canvas.overflow, {x: 0, y: 0}, 'the page can scroll');
  assert.deepStrictEqual(await page.evaluate(() => window.orientationLocks),
                         layout.fullscreen && layout.touch ? ['landscape'] : [], 'the orientations asked for');
  // The pointer reaches the game pixel under it.
  await (await page.context().newCDPSession(page)).send('Input.dispatchMouseEvent', {
    type: 'mouseMoved', x: canvas.x + (FIGHT.x + 0.5) * scale, y: canvas.y + (FIGHT.y + 0.5) * scale});
  await answer(page, '');
  assert.ok((await widgets(page)).hintBox, 'no estimate over the fight button');
  if (layout.taps) await checkTaps(page);
  // Last: a screenshot ends the zoom's emulation.
  await checkPixels(page, canvas, ratio);
  if (layout.page) await checkPageOver(page, canvas, ratio);
  await page.context().close();
}

// With the attribute page open, the main window shows its own pixels
// beside it: no seam line where the page's frame ends.
async function checkPageOver(page, canvas, ratio) {
  const game = PNG.sync.read((await shot(page)).png);
  await answer(page, `click ${ATTRIBUTES.x} ${ATTRIBUTES.y}`);
  const frame = await page.evaluate(() => document.querySelectorAll('.window')[1].getBoundingClientRect().toJSON());
  await checkPixels(page, canvas, ratio, game, [Math.floor(frame.left * ratio) - 1, Math.ceil(frame.right * ratio) + 1]);
}

// Touch through the DevTools protocol, as a finger would press, at client
// point {x, y}.
async function touch(page, client, point, holdMs) {
  await client.send('Input.dispatchTouchEvent', {type: 'touchStart', touchPoints: [point]});
  await new Promise(done => setTimeout(done, holdMs));
  await client.send('Input.dispatchTouchEvent', {type: 'touchEnd', touchPoints: []});
  await answer(page, '');
}

// A press on the main window's game pixel (x, y).
async function press(page, client, x, y, holdMs) {
  const canvas = await mainCanvas(page);
  const scale = canvas.width / canvas.gameWidth;
  await touch(page, client, {x: canvas.x + (x + 0.5) * scale, y: canvas.y + (y + 0.5) * scale}, holdMs);
}

const windowCount = async page => JSON.parse(await answer(page, 'windows')).length;

// Taps beside targets too small for a finger: within 12 CSS pixels of a
// badge they reach it, further off they do not; a close box takes taps on
// 24 x 24 CSS pixels; a page opened and closed by taps (or closed by a key)
// leaves no card on the main window.
async function checkTaps(page) {
  const client = await page.context().newCDPSession(page);
  const canvas = await mainCanvas(page);
  const scale = canvas.width / canvas.gameWidth;
  const badge = findWidget(await widgets(page), w => w.caption === '掉宝' && w.shown);
  const [left, top, right, bottom] = badge.rect;
  await answer(page, `move ${(left + right) >> 1} ${(top + bottom) >> 1}`);
  const card = (await widgets(page)).hoverCard;
  assert.ok(card, 'the badge has no card');
  await answer(page, 'move 0 0');
  const beside = {x: canvas.x + right * scale, y: canvas.y + (top + bottom) / 2 * scale};
  for (const [off, shows] of [[10, card.id], [14, undefined]]) {
    await touch(page, client, {x: beside.x + off, y: beside.y}, 50);
    assert.deepStrictEqual((await widgets(page)).hoverCard?.id, shows, `a tap ${off} CSS px off the badge`);
  }

  for (const close of ['tap', 'key']) {
    await press(page, client, ATTRIBUTES.x, ATTRIBUTES.y, 50);
    assert.strictEqual(await windowCount(page), 2, 'a tap did not open the attribute page');
    if (close === 'key') {
      await page.keyboard.press('Escape');
      await answer(page, '');
    } else {
      const box = await page.evaluate(() => document.querySelectorAll('.close')[1].getBoundingClientRect().toJSON());
      assert.ok(box.width < 22, `the close box is ${box.width} CSS px wide`);
      await touch(page, client, {x: box.x + box.width / 2 - 11, y: box.y + box.height / 2}, 50);
    }
    assert.strictEqual(await windowCount(page), 1, `the page is still open after the ${close}`);
    assert.strictEqual((await widgets(page)).hoverCard?.id, undefined, `a card is left after the ${close}`);
  }
}

async function checkTouch(browser, url, errors) {
  const page = await openPage(browser, url, LAYOUTS.find(l => l.name === 'phone sideways'), errors);
  const client = await page.context().newCDPSession(page);
  const before = await state(page);
  const hintBefore = (await widgets(page)).hintBox;
  await press(page, client, FIGHT.x, FIGHT.y, 700);
  assert.strictEqual(await state(page), before, 'a long press fought');
  const hint = (await widgets(page)).hintBox;
  assert.ok(hint && JSON.stringify(hint) !== JSON.stringify(hintBefore), 'a long press showed no estimate');

  await press(page, client, FIGHT.x, FIGHT.y, 50);
  const after = JSON.parse(await state(page));
  // Fought once: the same as one scripted click from the state before.
  const scripted = await openPage(browser, url, LAYOUTS[0], errors);
  await answer(scripted, `click ${FIGHT.x} ${FIGHT.y}`);
  assert.deepStrictEqual(after, JSON.parse(await state(scripted)), 'a tap did not fight exactly once');
  await scripted.context().close();

  const badge = findWidget(await widgets(page), w => w.caption === '属性' && /Badge/.test(w.kind) && w.shown);
  assert.ok(badge, 'no 属性 badge on the main window');
  const [left, top, right, bottom] = badge.rect;
  await press(page, client, (left + right) >> 1, (top + bottom) >> 1, 50);
  assert.ok((await widgets(page)).hoverCard, 'a tap on the badge showed no card');
  await page.context().close();
}

// A GET of url's file as the server answers it: {status, headers, body}.
function get(url, headers) {
  return new Promise((done, fail) => http.get(url, {headers}, response => {
    const parts = [];
    response.on('data', part => parts.push(part));
    response.on('end', () => done({status: response.statusCode, headers: response.headers, body: Buffer.concat(parts)}));
  }).on('error', fail));
}

async function checkLoading(browser, url, site, errors) {
  // The server sends the brotli copy, typed, and answers a revalidation
  // with "not modified".
  const wasm = new URL('quorvanel.wasm', url).href;
  const sent = await get(wasm, {'Accept-Encoding': 'gzip, br'});
  assert.deepStrictEqual([sent.status, sent.headers['content-encoding'], sent.headers['content-type'],
                          sent.headers['cache-control']], [200, 'br', 'application/wasm', 'no-cache']);
  assert.ok(zlib.brotliDecompressSync(sent.body).equals(fs.readFileSync(path.join(site, 'quorvanel.wasm'))));
  assert.strictEqual((await get(wasm, {'Accept-Encoding': 'br', 'If-None-Match': sent.headers.etag})).status, 304);
  // Without the service worker, which would answer from its cache.
  const context = await browser.newContext({serviceWorkers: 'block'});
  const page = await context.newPage();
  watchErrors(page, errors);
  // The bar's total is the three program files' size.
  await page.goto(url);
  const sizes = await page.evaluate(() => JSON.parse(document.getElementById('sizes').textContent));
  for (const file of ['quorvanel.js', 'quorvanel.wasm', 'quorvanel.data'])
    assert.strictEqual(sizes[file], fs.statSync(path.join(site, file)).size, file);
  await page.waitForFunction(() => document.getElementById('loading').hidden);
  // Failures are expected on the console here.
  page.removeAllListeners('console');
  await page.route('**/quorvanel.data', route => route.fulfill({status: 404, body: ''}));
  await page.reload();
  await page.getByText('无法载入 quorvanel.data：服务器回答 404').waitFor();
  await page.goto('file://' + path.resolve(site, 'index.html'));
  await page.getByText('file://').waitFor();
  await context.close();
}

// A served copy of the site: {url, site, stop}.
async function serveCopy(site) {
  const copy = fs.mkdtempSync(path.join(os.tmpdir(), 'quorvanel-site-'));
  fs.cpSync(site, copy, {recursive: true});
  const server = spawn(path.join(root, 'scripts/serve-web'), [copy, '0'], {stdio: ['ignore', 'pipe', 'inherit']});
  const url = await new Promise(done => server.stdout.once('data', data => done(data.toString().trim())));
  return {url, site: copy, stop: () => (server.kill(), fs.rmSync(copy, {recursive: true, force: true}))};
}

async function fightsOnce(page) {
  const before = JSON.parse(await state(page)).hero.level;
  await answer(page, `click ${FIGHT.x} ${FIGHT.y}`);
  assert.notStrictEqual(JSON.parse(await state(page)).hero.level, before, 'no fight offline');
}

async function checkOffline(site, errors) {
  const served = await serveCopy(site);
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'quorvanel-profile-'));
  const {chromium} = require('../../node_modules/playwright-core');
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium', headless: true, chromiumSandbox: false, locale: 'zh-CN',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
  });
  try {
    const page = context.pages()[0] || await context.newPage();
    watchErrors(page, errors);
    const url = `${served.url}?seed=${SEED}`;
    await page.goto(url);
    await page.waitForFunction(() => window.quorvanel);
    await answer(page, '');
    const caches = () => page.evaluate(() => caches.keys());
    await page.waitForFunction(() => navigator.serviceWorker.controller);

    const manifest = await page.evaluate(() => fetch('manifest.webmanifest').then(r => r.json()));
    assert.strictEqual(manifest.display, 'standalone');
    for (const name of ['manifest.webmanifest', 'manifest.en.webmanifest']) {
      const orientation = await page.evaluate(file => fetch(file).then(r => r.json()).then(m => m.orientation), name);
      assert.strictEqual(orientation, 'landscape', name);
    }
    const icons = await page.evaluate(list => Promise.all(list.map(icon => new Promise((done, fail) => {
      const image = new Image();
      image.onload = () => done(`${image.naturalWidth}x${image.naturalHeight}`);
      image.onerror = fail;
      image.src = icon.src;
    }))), manifest.icons);
    assert.deepStrictEqual(icons, ['192x192', '512x512']);
    const client = await context.newCDPSession(page);
    assert.deepStrictEqual((await client.send('Page.getInstallabilityErrors')).installabilityErrors, []);

    // Offline, the page reloaded at its name plays; a language never played
    // online says so and plays in Chinese.
    await page.goto(`${served.url}index.html?seed=${SEED}`);
    await page.waitForFunction(() => window.quorvanel);
    await context.setOffline(true);
    await page.reload();
    await page.waitForFunction(() => window.quorvanel);
    await fightsOnce(page);
    await page.goto(`${url}&lang=en`);
    await page.waitForFunction(() => window.quorvanel);
    assert.strictEqual(await page.locator('#note').textContent(), '没有英语的文字可用（需要联网载入一次），游戏将使用中文。');
    assert.ok(await page.locator('#note').isVisible(), 'the note is not shown');
    assert.match(await answer(page, 'widgets'), /"caption":"讨伐"/, 'not in Chinese');
    await context.setOffline(false);

    // A language asked for once online is kept for playing offline.
    await page.goto(`${url}&lang=en`);
    await page.waitForFunction(() => window.quorvanel);
    await answer(page, '');
    const [first] = await caches();
    await context.setOffline(true);
    await page.reload();
    await page.waitForFunction(() => window.quorvanel);
    assert.match(await answer(page, 'widgets'), /"caption":"Fight"/, 'not in English offline');
    await page.goto(url);
    await page.waitForFunction(() => window.quorvanel);
    await fightsOnce(page);

    // A new build: another file, finished again.
    await context.setOffline(false);
    fs.appendFileSync(path.join(served.site, 'host.js'), '\n');
    execFileSync(path.join(root, 'scripts/finish-web-site'),
                 [served.site, path.join(root, 'web/index.html'), path.join(root, 'web/sw.js')]);
    await page.reload();
    await page.waitForFunction(old => caches.keys().then(names => names.length === 1 && names[0] !== old), first);
  } finally {
    await context.close();
    fs.rmSync(profile, {recursive: true, force: true});
    served.stop();
  }
}

async function main() {
  const [base, site] = process.argv.slice(2);
  const url = new URL(base);
  url.searchParams.set('seed', SEED);
  const browser = await launchChromium();
  const tests = [
    ...LAYOUTS.map(layout => [layout.name, errors => checkLayout(browser, url.href, layout, errors)]),
    ['touch: tap, long press, badge', errors => checkTouch(browser, url.href, errors)],
    ['loading: sizes, a missing file, the file system', errors => checkLoading(browser, url.href, site, errors)],
    ['installable and offline', errors => checkOffline(site, errors)],
  ];
  let failed = 0;
  try {
    for (const [name, test] of tests) {
      const errors = [];
      try {
        await test(errors);
        assert.deepStrictEqual(errors, [], 'errors on the console');
        console.log('ok    ' + name);
      } catch (e) {
        ++failed;
        console.log('FAIL  ' + name + ': ' + e.message);
      }
    }
  } finally {
    await browser.close();
  }
  process.exit(failed ? 1 : 0);
}

main().catch(e => {
  console.error(e.stack);
  process.exit(1);
});
