// A large Modern page in headless Chromium: how long it takes to open, and to filter on one keystroke.
// Usage: node bench/modern_page.js BUILD_DIR [ENTRIES]   (BUILD_DIR holds tests/make_modern_pages; default 10000)
// Prints its figures; it is not a test.
'use strict';
const path = require('path');
const os = require('os');
const fs = require('fs');
const { execFileSync } = require('child_process');
const { chromium } = require(path.join(__dirname, '..', 'tests', 'browser', 'node_modules', 'playwright-core'));

const build = path.resolve(process.argv[2] || 'build');
const count = Number(process.argv[3] || 10000);
const rounds = 5;

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

async function main() {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'velmora-modern-bench-'));
  const maker = path.join(build, 'tests', 'make_modern_pages');
  console.log(execFileSync(maker, [dir, '--entries', String(count)]).toString().trim());
  const url = 'file://' + path.join(dir, 'large', 'Index.htm');
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true });
  const opens = [];
  const keys = [];
  const filters = [];
  try {
    for (let round = 0; round < rounds; round++) {
      const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
      const page = await context.newPage();
      const start = Date.now();
      await page.goto(url, { waitUntil: 'load' });
      opens.push(Date.now() - start);
      // One keystroke: from the key going down to the first frame painted after the list changed, and the time the
      // filter itself took inside the input handler.
      await page.evaluate(() => {
        const box = document.getElementById('q');
        const filter = box.oninput;
        window.benchTimes = [];
        box.addEventListener('keydown', () => { window.benchDown = performance.now(); }, true);
        box.oninput = function () {
          const t = performance.now();
          filter.apply(this, arguments);
          const handled = performance.now() - t;
          requestAnimationFrame(() => setTimeout(() => {
            window.benchTimes.push({ handled, painted: performance.now() - window.benchDown });
          }, 0));
        };
      });
      await page.click('#q');
      // "7" matches about a third of the entries, "71" a few hundred.
      for (const [i, key] of ['7', '1'].entries()) {
        await page.keyboard.press(key);
        await page.waitForFunction((n) => window.benchTimes.length === n, i + 1);
        const time = await page.evaluate((n) => window.benchTimes[n], i);
        (keys[i] = keys[i] || []).push(time.painted);
        (filters[i] = filters[i] || []).push(time.handled);
        const shown = await page.evaluate(() => document.getElementById('count').textContent);
        if (round === 0) console.log(`after key "${key}": ${shown}`);
      }
      await context.close();
    }
  } finally {
    await browser.close();
    fs.rmSync(dir, { recursive: true, force: true });
  }
  console.log(`${count} entries, median of ${rounds}:`);
  console.log(`  open (navigation to load event): ${median(opens)} ms`);
  ['first key', 'second key'].forEach((name, i) => {
    console.log(`  ${name}: keystroke to painted result ${median(keys[i]).toFixed(1)} ms, ` +
      `of which the filter itself ${median(filters[i]).toFixed(1)} ms`);
  });
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
