// Opens the Modern pages from file:// and checks them, without the IE layer.
// Usage: node modern-test.js DIR chromium|firefox|es5 [LARGE]   (DIR holds modern.json and the CD roots, by
//   make_modern_pages; LARGE a page by make_modern_pages --entries N, whose search the browser runs check too)
//   chromium: headless /usr/bin/chromium through playwright-core, also with scripting off
//   firefox:  /usr/bin/firefox-esr through puppeteer-core over WebDriver BiDi
//   es5:      the page's script parses as ECMAScript 5, and the HTML checker finds no error and no warning
//   lighthouse: Lighthouse over a loopback HTTP server: accessibility, best practices and SEO 1.00, performance 0.95
// The Chromium and Firefox runs also run axe-core at 1280 and 360 px, light and dark.
'use strict';
const fs = require('fs');
const path = require('path');
const assert = require('assert/strict');
const { checkContent, checkKeyboard, checkAxe, checkSlices } = require('./modern-checks');

const dir = path.resolve(process.argv[2] || '');
const mode = process.argv[3];
const menus = JSON.parse(fs.readFileSync(path.join(dir, 'modern.json'), 'utf8'));
const large = process.argv[4] && path.resolve(process.argv[4], 'large', 'Index.htm');

// The large page's search, in slices.
async function checkLarge(page) {
  if (!large) return;
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error && error.message ? error.message : error)));
  await page.goto('file://' + large, { waitUntil: 'load' });
  const total = await page.evaluate(() => document.querySelectorAll('main li.e').length);
  await checkSlices(page, total);
  assert.deepEqual(errors, [], 'no script error');
  console.log(`ok ${mode} search of ${total} entries in slices`);
}

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

// Axe on every page at each width and scheme; view(menu, width, scheme) gives a page opened that way.
async function axeAll(view, closePage) {
  for (const menu of menus) {
    for (const width of [1280, 360]) {
      for (const scheme of ['light', 'dark']) {
        const page = await view(pageUrl(menu), width, scheme);
        await checkAxe(page, `${menu.folder} ${width} ${scheme}`);
        await closePage(page);
      }
    }
    console.log(`ok ${mode} axe ${menu.folder}`);
  }
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
    context = await browser.newContext();
    await checkLarge(await context.newPage());
    await context.close();
    await axeAll(async (url, width, colorScheme) => {
      context = await browser.newContext({ viewport: { width, height: 800 }, colorScheme });
      const page = await context.newPage();
      await page.goto(url, { waitUntil: 'load' });
      return page;
    }, async () => context.close());
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
  const executablePath = process.env.VELMORA_FIREFOX || '/usr/bin/firefox-esr';
  const browser = await puppeteer.launch({ browser: 'firefox', executablePath, headless: true });
  const schemed = {};
  try {
    await checkAll(() => browser.newPage(), (page) => page.close());
    await checkLarge(await browser.newPage());
    // Firefox takes its colour scheme from a preference, over WebDriver BiDi: a browser of its own for each.
    for (const [scheme, override] of [['light', 1], ['dark', 0]]) {
      schemed[scheme] = await puppeteer.launch({
        browser: 'firefox', executablePath, headless: true,
        extraPrefsFirefox: { 'layout.css.prefers-color-scheme.content-override': override },
      });
    }
    await axeAll(async (url, width, scheme) => {
      const page = await schemed[scheme].newPage();
      await page.setViewport({ width, height: 800 });
      await page.goto(url, { waitUntil: 'load' });
      assert.equal(await page.evaluate(() => matchMedia('(prefers-color-scheme: dark)').matches), scheme === 'dark');
      return page;
    }, (page) => page.close());
  } finally {
    await browser.close();
    for (const other of Object.values(schemed)) await other.close();
  }
}

function es5Run() {
  const acorn = require('acorn');
  // The script as it is kept, then as each page holds it (after the words it reads).
  const file = path.join(__dirname, '..', '..', 'core', 'generate', 'web', 'modern.js');
  acorn.parse(fs.readFileSync(file, 'utf8'), { ecmaVersion: 5, locations: true, sourceFile: file });
  console.log('ok es5 modern.js');
  for (const menu of menus) {
    const html = fs.readFileSync(path.join(dir, menu.folder, 'Index.htm'), 'utf8');
    const scripts = [...html.matchAll(/<script>([\s\S]*?)<\/script>/g)].map((m) => m[1]);
    assert.equal(scripts.length, 1, 'one script');
    acorn.parse(scripts[0], { ecmaVersion: 5 });
    for (const word of ['fetch', 'querySelector', 'classList', 'addEventListener'])
      assert.ok(!new RegExp('\\b' + word + '\\b').test(scripts[0]), `${word} is not in the HTA host's reach`);
    // Nothing is fetched: no address with a scheme but the maker's link.
    const addresses = [...html.matchAll(/(?:src|href)="([^"]*)"/g)].map((m) => m[1]);
    assert.deepEqual(addresses.filter((a) => /^[a-z][a-z0-9+.-]*:/i.test(a) && a !== 'data:,').sort(),
      ['http://x.test/a', ...(menu.maker ? [menu.maker] : [])],
      'no address with a scheme but a description\'s and the maker\'s, if the build names one');
    console.log(`ok es5 ${menu.folder}`);
  }
  const { execFileSync } = require('child_process');
  const vnu = require('vnu-jar');
  const pages = menus.map((menu) => path.join(dir, menu.folder, 'Index.htm'));
  // Exits with an error on any error, and with --Werror on any warning too; its messages say which.
  execFileSync('java', ['-jar', vnu, '--Werror', ...pages], { stdio: 'inherit' });
  console.log('ok html checker');
}

// Lighthouse needs pages over HTTP: a small server on the loopback for the CD roots.
async function lighthouseRun() {
  const http = require('http');
  const server = http.createServer((request, response) => {
    const file = path.join(dir, decodeURIComponent(new URL(request.url, 'http://x').pathname));
    if (!file.startsWith(dir) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    const types = { '.htm': 'text/html; charset=utf-8', '.svg': 'image/svg+xml', '.wav': 'audio/wav' };
    response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream' });
    fs.createReadStream(file).pipe(response);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { default: lighthouse } = await import('lighthouse');
  const { default: desktopConfig } = await import('lighthouse/core/config/desktop-config.js');
  const puppeteer = require('puppeteer-core');
  const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox'] });
  try {
    for (const menu of menus) {
      const url = `http://127.0.0.1:${server.address().port}/${menu.folder}/Index.htm`;
      const page = await browser.newPage();
      // The desktop settings: the page opens from a disc on a computer. A busy machine slows single runs, so
      // performance counts the best of three; the other scores must hold in each.
      let result = null;
      for (let run = 0; run < 3 && !(result && result.lhr.categories.performance.score >= 0.95); run++) {
        const next = await lighthouse(url, { logLevel: 'error', output: 'json' }, desktopConfig, page);
        if (!result || next.lhr.categories.performance.score > result.lhr.categories.performance.score) result = next;
      }
      const scores = {};
      for (const [name, category] of Object.entries(result.lhr.categories)) scores[name] = category.score;
      const failing = Object.values(result.lhr.audits).filter((a) => a.score !== null && a.score < 1 &&
        a.scoreDisplayMode === 'binary').map((a) => a.id);
      const metrics = ['first-contentful-paint', 'largest-contentful-paint', 'total-blocking-time',
        'cumulative-layout-shift', 'speed-index'].map((id) => `${id} ${result.lhr.audits[id].displayValue}`);
      console.log(`${menu.folder}: ${JSON.stringify(scores)} ${failing.join(' ')}; ${metrics.join(', ')}`);
      if (scores.performance < 0.95) {
        const items = (id) => JSON.stringify(((result.lhr.audits[id] || {}).details || {}).items || []).slice(0, 1500);
        console.log(items('mainthread-work-breakdown'), items('long-tasks'), items('layout-shifts'));
      }
      assert.deepEqual([scores.accessibility, scores['best-practices'], scores.seo], [1, 1, 1], menu.folder);
      assert.ok(scores.performance >= 0.95, `performance of ${menu.folder}: ${scores.performance}`);
      await page.close();
    }
  } finally {
    await browser.close();
    server.close();
  }
  console.log('ok lighthouse');
}

const runs = { chromium: chromiumRun, firefox: firefoxRun, es5: es5Run, lighthouse: lighthouseRun };
if (!runs[mode]) {
  console.error('usage: node modern-test.js DIR chromium|firefox|es5|lighthouse');
  process.exit(2);
}
Promise.resolve()
  .then(runs[mode])
  .then(() => process.exit(0))
  .catch((error) => {
    console.error(error);
    process.exit(1);
  });
