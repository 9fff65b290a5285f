// A large Modern page against its floor, a static list of the same entries, in headless Chromium and Firefox, in
// one run: load time, memory of the browser's processes once loaded, and each keystroke's time to a painted result.
// Usage: [ROUNDS=3] [BROWSERS="chromium firefox"] node bench/modern_page.js BUILD_DIR [ENTRIES...]
//   (BUILD_DIR holds tests/make_modern_pages; default 10000 entries)
// Prints its figures; it is not a test.
'use strict';
const path = require('path');
const os = require('os');
const fs = require('fs');
const { execFileSync } = require('child_process');
const puppeteer = require(path.join(__dirname, '..', 'tests', 'browser', 'node_modules', 'puppeteer-core'));

const build = path.resolve(process.argv[2] || 'build');
const counts = process.argv.slice(3).map(Number);
const rounds = Number(process.env.ROUNDS || 3);
const browsers = {
  chromium: { browser: 'chrome', executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] },
  firefox: { browser: 'firefox', executablePath: process.env.VELMORA_FIREFOX || '/usr/bin/firefox-esr' },
};

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

function escape(text) {
  return text.replace(/&/g, '&amp;').replace(/</g, '&lt;');
}

// The floor: the same entries as make_modern_pages writes them, as one static list with nothing else.
function writeFloor(file, count) {
  const out = fs.openSync(file, 'w');
  fs.writeSync(out, '<!DOCTYPE html>\n<html lang="en">\n<head>\n<meta charset="utf-8">\n<title>Floor</title>\n' +
    '</head>\n<body>\n');
  let category = null;
  let chunk = '';
  for (let i = 0; i < count; i++) {
    const name = `Category ${String(i % 20).padStart(2, '0')}`;
    if (name !== category) {
      chunk += (category ? '</ul>\n' : '') + `<h2>${name}</h2>\n<ul>\n`;
      category = name;
    }
    chunk += `<li><a href="files/entry${i}.zip">Entry ${i}</a> ` +
      `Description of entry number ${i}, with <b>some</b> markup.</li>\n`;
    if (chunk.length > 1 << 20) { fs.writeSync(out, chunk); chunk = ''; }
  }
  fs.writeSync(out, chunk + '</ul>\n</body>\n</html>\n');
  fs.closeSync(out);
}

// Proportional memory (PSS) of a process and all it started, in MiB.
function treeMemory(pid) {
  const children = (p) => {
    try {
      return fs.readFileSync(`/proc/${p}/task/${p}/children`, 'utf8').trim().split(/\s+/).filter(Boolean).map(Number);
    } catch (e) {
      return [];
    }
  };
  let total = 0;
  const todo = [pid];
  while (todo.length) {
    const p = todo.pop();
    try {
      const rollup = fs.readFileSync(`/proc/${p}/smaps_rollup`, 'utf8');
      total += Number(/^Pss:\s+(\d+)/m.exec(rollup)[1]);
    } catch (e) { /* gone */ }
    todo.push(...children(p));
  }
  return total / 1024;
}

async function open(name, url) {
  const browser = await puppeteer.launch({ ...browsers[name], headless: true, protocolTimeout: 1200000 });
  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 800 });
  // Firefox's WebDriver BiDi can report a page's load long after its load event, so the time is the page's own:
  // from the start of navigation to the first frame after the load event, when the page answers again.
  await page.goto(url, { waitUntil: 'domcontentloaded', timeout: 600000 });
  await page.waitForFunction(() => document.readyState === 'complete', { timeout: 600000, polling: 100 });
  const load = Math.round(await page.evaluate(() => new Promise((r) =>
    requestAnimationFrame(() => setTimeout(() => r(performance.now()), 0)))));
  return { browser, page, load };
}

// Keystrokes in the search box: from the key going down to the first frame painted after the count changed.
async function keystrokes(page) {
  await page.evaluate(() => {
    const box = document.getElementById('q');
    const count = document.getElementById('count');
    window.benchTimes = [];
    box.addEventListener('keydown', () => { window.benchDown = performance.now(); }, true);
    new MutationObserver(() => {
      const down = window.benchDown;
      requestAnimationFrame(() => setTimeout(() => window.benchTimes.push(performance.now() - down), 0));
    }).observe(count, { childList: true });
  });
  await page.focus('#q');
  const times = [];
  // "7" matches about a third of the entries, "71" a few hundred; Backspace twice clears the box.
  for (const key of ['7', '1', 'Backspace', 'Backspace']) {
    const before = await page.evaluate(() => window.benchTimes.length);
    await page.keyboard.press(key);
    await page.waitForFunction((n) => window.benchTimes.length > n, { timeout: 600000 }, before);
    times.push(await page.evaluate(() => window.benchTimes[window.benchTimes.length - 1]));
  }
  return times;
}

async function main() {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'velmora-modern-bench-'));
  try {
    for (const count of counts.length ? counts : [10000]) {
      const maker = path.join(build, 'tests', 'make_modern_pages');
      console.log(execFileSync(maker, [dir, '--entries', String(count)]).toString().trim());
      const page = path.join(dir, 'large', 'Index.htm');
      const floor = path.join(dir, 'large', 'Floor.htm');
      writeFloor(floor, count);
      const mb = (file) => (fs.statSync(file).size / 1e6).toFixed(2);
      console.log(`${count} entries: page ${mb(page)} MB, floor ${mb(floor)} MB; median of ${rounds}`);
      for (const name of (process.env.BROWSERS || 'chromium firefox').split(' ')) {
        const figures = { page: { load: [], memory: [] }, floor: { load: [], memory: [] }, keys: [] };
        for (let round = 0; round < rounds; round++) {
          // Side by side: the floor and the page in turn, each in a fresh browser.
          for (const [which, file] of [['floor', floor], ['page', page]]) {
            const opened = await open(name, 'file://' + file);
            figures[which].load.push(opened.load);
            figures[which].memory.push(treeMemory(opened.browser.process().pid));
            console.log(`    ${name} ${which}: load ${opened.load} ms, ${figures[which].memory.slice(-1)[0].toFixed(0)} MiB`);
            if (which === 'page') figures.keys.push(await keystrokes(opened.page));
            await opened.browser.close();
          }
        }
        const load = median(figures.page.load), floorLoad = median(figures.floor.load);
        const memory = median(figures.page.memory), floorMemory = median(figures.floor.memory);
        console.log(`  ${name}: load ${load} ms (floor ${floorLoad} ms, ${(load / floorLoad).toFixed(2)}x), ` +
          `memory ${memory.toFixed(0)} MiB (floor ${floorMemory.toFixed(0)} MiB, ${(memory / floorMemory).toFixed(2)}x)`);
        const keys = ['"7"', '"1"', 'Backspace', 'Backspace (cleared)'].map((key, i) =>
          `${key} ${median(figures.keys.map((k) => k[i])).toFixed(0)} ms`);
        console.log(`    keystroke to painted result (worst of ${rounds}: ` +
          `${Math.max(...figures.keys.flat()).toFixed(0)} ms): ${keys.join(', ')}`);
      }
    }
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
