// A first visit to the page in headless Chromium on a slow mobile network
// (1.6 Mbps down, 750 kbps up, 150 ms round trip) with the CPU slowed four
// times: the time from navigation to the first frame, then a wait until the
// service worker has kept the page's files (what the visit costs in all).
//   usage: node bench/web-first-visit.js URL
'use strict';
const {launchChromium} = require('../scripts/chromium.js');

async function main() {
  const browser = await launchChromium();
  try {
    const context = await browser.newContext({viewport: {width: 1280, height: 1024}});
    const page = await context.newPage();
    const cdp = await context.newCDPSession(page);
    await cdp.send('Network.enable');
    await cdp.send('Network.emulateNetworkConditions', {
      offline: false, latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8});
    await cdp.send('Emulation.setCPUThrottlingRate', {rate: 4});
    await page.goto(process.argv[2], {timeout: 120000});
    await page.waitForFunction(() => performance.getEntriesByName('first-frame').length > 0, null, {timeout: 120000});
    const ms = await page.evaluate(() => performance.getEntriesByName('first-frame')[0].startTime);
    console.log(`first_frame_ms slow 4G, 4x CPU: ${ms.toFixed(0)}`);
    await page.waitForFunction(() => navigator.serviceWorker.controller, null, {timeout: 120000});
  } finally {
    await browser.close();
  }
}

main().catch(e => {
  console.error(e.message);
  process.exit(1);
});
