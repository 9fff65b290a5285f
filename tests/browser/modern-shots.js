// Pictures of a Modern page in light and dark, at desktop (1280 px) and phone (360 px) widths.
// Usage: node modern-shots.js PAGES_DIR OUT_DIR   (PAGES_DIR written by make_modern_pages)
'use strict';
const fs = require('fs');
const path = require('path');
const { chromium } = require('playwright-core');

const [dir, out] = process.argv.slice(2).map((p) => path.resolve(p));
fs.mkdirSync(out, { recursive: true });

(async () => {
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true });
  try {
    for (const folder of ['modern', 'modern-screenshots', 'modern-de']) {
      for (const colorScheme of ['light', 'dark']) {
        for (const [width, height] of [[1280, 900], [360, 780]]) {
          const context = await browser.newContext({ viewport: { width, height }, colorScheme });
          const page = await context.newPage();
          await page.goto('file://' + path.join(dir, folder, 'Index.htm'), { waitUntil: 'load' });
          // The focus ring shows on the first section, as a keyboard user sees it.
          await page.focus('main section button');
          // The whole page in view, so that every entry is rendered (those out of view are skipped).
          await page.setViewportSize({ width, height: await page.evaluate(() => document.documentElement.scrollHeight) });
          await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
          const file = path.join(out, `${folder}-${colorScheme}-${width}.png`);
          await page.screenshot({ path: file, fullPage: true });
          console.log(file);
          await context.close();
        }
      }
    }
  } finally {
    await browser.close();
  }
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
