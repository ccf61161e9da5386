// The page in headless Chromium: from navigation to the first frame on a
// canvas (median of fresh loads, no cache), and the CPU the page uses while
// nothing happens (Chromium's own task and script time over a quiet spell).
//   usage: node bench/web-page.js URL [LOADS]
'use strict';
const {launchChromium} = require('../scripts/chromium.js');

const median = values => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function firstFrame(browser, url) {
  const context = await browser.newContext({viewport: {width: 1280, height: 1024}});
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForFunction(() => performance.getEntriesByName('first-frame').length > 0);
  const ms = await page.evaluate(() => performance.getEntriesByName('first-frame')[0].startTime);
  return {context, page, ms};
}

async function idleCpu(page, seconds) {
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('Performance.enable');
  const sample = async () => Object.fromEntries(
      (await cdp.send('Performance.getMetrics')).metrics.map(m => [m.name, m.value]));
  await page.waitForTimeout(500);  // the first frame's tail
  const before = await sample();
  await page.waitForTimeout(seconds * 1000);
  const after = await sample();
  return {task: (after.TaskDuration - before.TaskDuration) * 1000,
          script: (after.ScriptDuration - before.ScriptDuration) * 1000};
}

async function main() {
  const url = process.argv[2];
  const loads = Number(process.argv[3] || 7);
  const browser = await launchChromium();
  try {
    const times = [];
    let last = null;
    for (let i = 0; i < loads; ++i) {
      if (last) await last.context.close();
      last = await firstFrame(browser, url);
      times.push(last.ms);
    }
    console.log(`first_frame_ms median=${median(times.slice()).toFixed(0)} ` +
                `min=${Math.min(...times).toFixed(0)} max=${Math.max(...times).toFixed(0)} loads=${loads}`);
    const seconds = 5;
    const idle = await idleCpu(last.page, seconds);
    console.log(`idle_cpu_ms over ${seconds} s: tasks=${idle.task.toFixed(2)} script=${idle.script.toFixed(2)}`);
  } finally {
    await browser.close();
  }
}

main().catch(e => {
  console.error(e.message);
  process.exit(1);
});
