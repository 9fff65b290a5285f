// A large Modern page against its floor, a static list of the same entries, in headless Chromium and Firefox, in
// one run: load time, memory of the browser's processes once loaded, and each keystroke's time to a painted result.
// Usage: [ROUNDS=3] [BROWSERS="chromium firefox"] [FLOOR=0] [SCROLL=0.5] node bench/modern_page.js BUILD_DIR [ENTRIES...]
//   (FLOOR=0: the page only; SCROLL: the keys are pressed with the view that far down the page)
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

// Keystrokes in the search box, each from the key going down to two painted frames: "view", the first from which the
// entries in view are those of the result and stay so (what the reader waits for), and "done", the first after the
// count shows the result (the page may finish a large list after it has painted the part in view).
async function keystrokes(page) {
  await page.evaluate(() => {
    const box = document.getElementById('q');
    const bar = document.querySelector('.bar');
    // What the view shows: the entry, heading or message at a few points down its middle, below the toolbar.
    const inView = () => {
      const top = Math.max(bar.getBoundingClientRect().bottom, 0);
      const marks = [];
      for (let y = top + 5; y < innerHeight; y += (innerHeight - top) / 8) {
        const hit = document.elementFromPoint(innerWidth / 2, y);
        const item = hit && hit.closest('li.e, h2, #none');
        marks.push(item ? item.textContent.slice(0, 40) : '-');
      }
      return marks.join('|');
    };
    box.addEventListener('keydown', () => {
      const run = { down: performance.now(), frames: [], done: null, result: null };
      window.benchRun = run;
      const frame = () => {
        const view = inView();
        setTimeout(() => {
          run.frames.push({ view, at: performance.now() - run.down });
          if (run.done === null || run.frames.length < run.doneFrame + 3) return;
          const last = run.frames[run.frames.length - 1].view;
          let first = run.frames.length - 1;
          while (first > 0 && run.frames[first - 1].view === last) first--;
          run.result = [run.frames[first].at, run.done];
        }, 0);
        if (!run.result) requestAnimationFrame(frame);
      };
      requestAnimationFrame(frame);
    }, true);
    new MutationObserver(() => {
      const run = window.benchRun;
      requestAnimationFrame(() => setTimeout(() => {
        run.done = performance.now() - run.down;
        run.doneFrame = run.frames.length;
      }, 0));
    }).observe(document.getElementById('count'), { childList: true });
  });
  await page.evaluate((at) => window.scrollTo(0, document.body.scrollHeight * at), Number(process.env.SCROLL || 0));
  await page.focus('#q');
  const typed = [];
  // "4", "2", "1", "7" narrow the list step by step ("4" matches about a third of the entries); then the whole box is
  // selected and cleared with one Backspace.
  const press = async (key) => {
    await page.evaluate(() => { window.benchRun = null; });
    await page.keyboard.press(key);
    await page.waitForFunction(() => window.benchRun && window.benchRun.result, { timeout: 600000, polling: 50 });
    return page.evaluate(() => window.benchRun.result);
  };
  for (const key of ['4', '2', '1', '7']) typed.push(await press(key));
  await page.evaluate(() => document.getElementById('q').select());
  return { typed, cleared: await press('Backspace') };
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
          for (const [which, file] of process.env.FLOOR === '0' ? [['page', page]] : [['floor', floor], ['page', page]]) {
            const opened = await open(name, 'file://' + file);
            figures[which].load.push(opened.load);
            figures[which].memory.push(treeMemory(opened.browser.process().pid));
            console.log(`    ${name} ${which}: load ${opened.load} ms, ${figures[which].memory.slice(-1)[0].toFixed(0)} MiB`);
            if (which === 'page') figures.keys.push(await keystrokes(opened.page));
            await opened.browser.close();
          }
        }
        // Loads: the best of the rounds, the page's and the floor's of the same run.
        const load = Math.min(...figures.page.load), floorLoad = Math.min(...figures.floor.load);
        const memory = median(figures.page.memory), floorMemory = median(figures.floor.memory);
        console.log(`  ${name}: load ${load} ms, memory ${memory.toFixed(0)} MiB` + (figures.floor.load.length === 0 ? '' :
          ` (floor ${floorLoad} ms, ${(load / floorLoad).toFixed(2)}x; ` +
          `${floorMemory.toFixed(0)} MiB, ${(memory / floorMemory).toFixed(2)}x)`));
        const views = figures.keys.flatMap((k) => k.typed.map((t) => t[0]));
        const counted = figures.keys.flatMap((k) => k.typed.map((t) => t[1]));
        const cleared = figures.keys.map((k) => k.cleared[0]);
        const clearedCount = figures.keys.map((k) => k.cleared[1]);
        const ms = (values) => values.map((v) => v.toFixed(0)).join(' ');
        console.log(`    typing to painted view: median ${median(views).toFixed(0)} ms, worst ` +
          `${Math.max(...views).toFixed(0)} ms (${ms(views)}); to painted count: worst ${Math.max(...counted).toFixed(0)} ms`);
        console.log(`    clearing to painted view: best ${Math.min(...cleared).toFixed(0)} ms, worst ` +
          `${Math.max(...cleared).toFixed(0)} ms; to painted count: worst ${Math.max(...clearedCount).toFixed(0)} ms`);
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
