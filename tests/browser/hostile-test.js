// Opens the page of make_hostile_page in Chromium and Firefox: every link of it stays on the web or inside the CD
// root, every entry stays inside its section, and the search counts and shows what it finds.
// Usage: node hostile-test.js DIR chromium|firefox
'use strict';
const fs = require('fs');
const path = require('path');
const assert = require('assert/strict');

const dir = path.resolve(process.argv[2] || '');
const mode = process.argv[3];
const expected = JSON.parse(fs.readFileSync(path.join(dir, 'hostile.json'), 'utf8'));
const rootUrl = 'file://' + dir + '/';

async function check(page) {
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error && error.message ? error.message : error)));
  await page.goto(rootUrl + 'Index.htm', { waitUntil: 'load' });
  const state = await page.evaluate((root) => ({
    links: [...document.querySelectorAll('a[href]')].map((a) => ({ href: a.href, protocol: a.protocol }))
      .filter((a) => !(a.protocol === 'http:' || a.protocol === 'https:' ||
        (a.protocol === 'file:' && a.href.startsWith(root)))),
    entries: document.querySelectorAll('li.e').length,
    placed: document.querySelectorAll('main section ul.entries > li.e').length,
    sections: [...document.querySelectorAll('main section')].map((s) => s.querySelectorAll('li.e').length),
  }), rootUrl);
  assert.deepEqual(state.links, [], `${mode}: links that leave the web and the CD root`);
  assert.equal(state.entries, expected.entries, `${mode}: entries on the page`);
  assert.equal(state.placed, expected.entries, `${mode}: entries inside their section`);
  assert.deepEqual(state.sections, Object.values(expected.searches), `${mode}: entries of each section`);
  for (const [word, hits] of Object.entries(expected.searches)) {
    await page.click('#q');
    await page.keyboard.type(word);
    const wanted = `${hits} of ${expected.entries} entries`;
    let found = null;
    for (let tries = 0; tries < 100; tries++) {
      found = await page.evaluate(() => ({
        count: document.getElementById('count').textContent,
        shown: [...document.querySelectorAll('li.e')].filter((li) => li.getClientRects().length > 0).length,
      }));
      if (found.count === wanted) break;
      await new Promise((resolve) => setTimeout(resolve, 50));
    }
    assert.deepEqual(found, { count: wanted, shown: hits }, `${mode}: search for ${word}`);
    await page.keyboard.press('Escape');
  }
  assert.deepEqual(errors, [], `${mode}: script errors`);
  console.log(`ok ${mode}: ${expected.entries} entries, every link on the web or in the root`);
}

async function chromiumRun() {
  const { chromium } = require('playwright-core');
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true });
  try {
    await check(await (await browser.newContext()).newPage());
  } finally {
    await browser.close();
  }
}

async function firefoxRun() {
  const puppeteer = require('puppeteer-core');
  const executablePath = process.env.VELMORA_FIREFOX || '/usr/bin/firefox-esr';
  const browser = await puppeteer.launch({ browser: 'firefox', executablePath, headless: true });
  try {
    await check(await browser.newPage());
  } finally {
    await browser.close();
  }
}

const runs = { chromium: chromiumRun, firefox: firefoxRun };
if (!runs[mode]) {
  console.error('usage: node hostile-test.js DIR chromium|firefox');
  process.exit(2);
}
runs[mode]().then(() => process.exit(0), (error) => {
  console.error(error);
  process.exit(1);
});
