// Opens the Modern pages from file:// and checks them, without the IE layer.
// Usage: node modern-test.js DIR chromium|firefox|es5   (DIR holds modern.json and the CD roots, by make_modern_pages)
//   chromium: headless /usr/bin/chromium through playwright-core, also with scripting off
//   firefox:  /usr/bin/firefox-esr through puppeteer-core over WebDriver BiDi
//   es5:      the page's script parses as ECMAScript 5
'use strict';
const fs = require('fs');
const path = require('path');
const assert = require('assert/strict');
const { checkContent, checkKeyboard } = require('./modern-checks');

const dir = path.resolve(process.argv[2] || '');
const mode = process.argv[3];
const menus = JSON.parse(fs.readFileSync(path.join(dir, 'modern.json'), 'utf8'));

function pageUrl(menu) {
  return 'file://' + path.join(dir, menu.folder, 'Index.htm');
}

// Opens a page, collecting script errors; open(url) gives a fresh browser page.
async function openPage(newPage, menu) {
  const page = await newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error && error.message ? error.message : error)));
  await page.goto(pageUrl(menu), { waitUntil: 'load' });
  return { page, errors };
}

async function checkAll(newPage, closePage) {
  for (const menu of menus) {
    const root = path.join(dir, menu.folder);
    let opened = await openPage(newPage, menu);
    await checkContent(opened.page, menu, root);
    assert.deepEqual(opened.errors, [], 'no script error');
    await closePage(opened.page);
    opened = await openPage(newPage, menu);
    await checkKeyboard(opened.page, menu, root);
    assert.deepEqual(opened.errors, [], 'no script error');
    await closePage(opened.page);
    console.log(`ok ${mode} ${menu.folder}`);
  }
}

async function chromiumRun() {
  const { chromium } = require('playwright-core');
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true });
  try {
    let context = null;
    await checkAll(
      async () => {
        context = await browser.newContext();
        return context.newPage();
      },
      async () => context.close());
    // Without scripting every section is open and every entry shows.
    const quiet = await browser.newContext({ javaScriptEnabled: false });
    const page = await quiet.newPage();
    await page.goto(pageUrl(menus[0]));
    const state = await page.evaluate(() => ({
      entries: [...document.querySelectorAll('main li.e')].filter((li) => li.getClientRects().length > 0).length,
      search: document.getElementById('tools').getClientRects().length,
    }));
    assert.deepEqual(state, { entries: menus[0].entries.length, search: 0 }, 'page without scripting');
    await quiet.close();
    console.log('ok chromium without scripting');
  } finally {
    await browser.close();
  }
}

async function firefoxRun() {
  const puppeteer = require('puppeteer-core');
  const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath: process.env.VELMORA_FIREFOX || '/usr/bin/firefox-esr',
    headless: true,
  });
  try {
    await checkAll(() => browser.newPage(), (page) => page.close());
  } finally {
    await browser.close();
  }
}

function es5Run() {
  const acorn = require('acorn');
  for (const menu of menus) {
    const html = fs.readFileSync(path.join(dir, menu.folder, 'Index.htm'), 'utf8');
    const scripts = [...html.matchAll(/<script>([\s\S]*?)<\/script>/g)].map((m) => m[1]);
    assert.equal(scripts.length, 1, 'one script');
    acorn.parse(scripts[0], { ecmaVersion: 5 });
    for (const word of ['fetch', 'querySelector', 'classList', 'addEventListener'])
      assert.ok(!new RegExp('\\b' + word + '\\b').test(scripts[0]), `${word} is not in the HTA host's reach`);
    // Nothing is fetched: no address with a scheme but the maker's link.
    const addresses = [...html.matchAll(/(?:src|href)="([^"]*)"/g)].map((m) => m[1]);
    assert.deepEqual(addresses.filter((a) => /^[a-z][a-z0-9+.-]*:/i.test(a)), ['https://velmora.example/']);
    console.log(`ok es5 ${menu.folder}`);
  }
}

const runs = { chromium: chromiumRun, firefox: firefoxRun, es5: es5Run };
if (!runs[mode]) {
  console.error('usage: node modern-test.js DIR chromium|firefox|es5');
  process.exit(2);
}
Promise.resolve()
  .then(runs[mode])
  .then(() => process.exit(0))
  .catch((error) => {
    console.error(error);
    process.exit(1);
  });
