// Opens the generated menu pages from file:// in headless Chromium and clicks through them.
// Usage: node menu-test.js DIR  (DIR holds menus.json and one CD root per page, written by make_pages)
'use strict';
const fs = require('fs');
const path = require('path');
const assert = require('assert/strict');
const { chromium } = require('playwright-core');

const dir = path.resolve(process.argv[2] || '');
const menus = JSON.parse(fs.readFileSync(path.join(dir, 'menus.json'), 'utf8'));
const ieLayer = fs.readFileSync(path.join(__dirname, 'ie-layer.js'), 'utf8');

function categoriesOf(entries) {
  const names = [...new Set(entries.map((e) => e.category))];
  return names.sort((a, b) => a.toLowerCase().localeCompare(b.toLowerCase()));
}

function filePath(url) {
  return decodeURIComponent(new URL(url).pathname);
}

async function openPage(browser, menu, withLayer) {
  const context = await browser.newContext();
  if (withLayer) await context.addInitScript({ content: ieLayer });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  const root = path.join(dir, menu.folder);
  await page.goto('file://' + path.join(root, 'Index.htm'));
  await page.waitForLoadState('load');
  return { context, page, errors, root };
}

async function buttonClasses(page) {
  return page.$$eval('p#Bt', (buttons) => buttons.map((b) => b.className));
}

async function checkHover(page, index, count, root) {
  await page.locator('p#Bt').nth(index).hover();
  const classes = await buttonClasses(page);
  if (count > 1) {
    classes.forEach((c, i) => assert.equal(c, i === index ? 'ButActive' : 'But', `class of button ${i}`));
    const images = await page.$$eval('img#Bi', (imgs) => imgs.map((img) => img.src));
    images.forEach((src, i) =>
      assert.equal(filePath(src), path.join(root, 'Menu', i === index ? 'on.png' : 'off.png'), `image of button ${i}`));
  } else {
    // A single button is no collection: the page leaves its look as it was.
    assert.deepEqual(classes, ['But']);
  }
}

async function checkStandard(browser, menu, withLayer) {
  const { context, page, errors, root } = await openPage(browser, menu, withLayer);
  const screenshots = menu.template === 'Standard Screenshots';
  const entries = menu.entries;
  assert.equal(await page.locator('h2').innerText(), menu.title);
  assert.equal(await page.locator('#LTitle').innerText(), 'TitleLink');
  assert.equal(await page.locator('#Des').innerText(), 'Description');
  assert.equal(await page.locator('p#Bt').count(), entries.length);

  for (let i = 0; i < entries.length; i++) {
    const entry = entries[i];
    const button = page.locator('p#Bt').nth(i);
    assert.equal(await button.innerText(), entry.title);
    await checkHover(page, i, entries.length, root);
    await button.click();
    const link = page.locator('#LTitle a');
    assert.equal(await link.innerText(), entry.title, 'title link text');
    assert.equal(filePath(await link.evaluate((a) => a.href)), path.join(root, entry.link), 'title link target');
    const description = await page.locator('#Des').evaluate((p) => p.innerText);
    assert.equal(description.replace(/\r\n/g, '\n'), entry.description.replace(/\r\n/g, '\n'), 'description');
    if (screenshots) {
      const shot = page.locator('#SShot');
      if (entry.screenshot) {
        const image = await shot.locator('img').evaluate((img) => ({ src: img.src, width: img.naturalWidth }));
        assert.equal(filePath(image.src), path.join(root, 'Menu', entry.screenshot), 'screenshot source');
        assert.ok(image.width > 0, 'screenshot loads');
      } else {
        assert.equal(await shot.evaluate((td) => td.innerHTML), '&nbsp;', 'empty screenshot cell');
      }
    }
  }
  assert.deepEqual(errors, []);
  await context.close();
}

async function visibility(page) {
  return page.$$eval('div#Cat', (panels) => panels.map((p) => getComputedStyle(p).visibility));
}

async function checkExtended(browser, menu) {
  const { context, page, errors, root } = await openPage(browser, menu, true);
  const screenshots = menu.template === 'Extended Screenshots';
  const categories = categoriesOf(menu.entries);
  assert.equal(await page.locator('p#Bt').count(), categories.length);
  assert.equal(await page.locator('div#Cat').count(), categories.length);
  assert.deepEqual(await visibility(page), categories.map((_, i) => (i === 0 ? 'visible' : 'hidden')));

  for (let c = 0; c < categories.length; c++) {
    const button = page.locator('p#Bt').nth(c);
    assert.equal(await button.innerText(), categories[c]);
    await checkHover(page, c, categories.length, root);
    await button.click();
    assert.deepEqual(await visibility(page), categories.map((_, i) => (i === c ? 'visible' : 'hidden')));

    const panel = page.locator('div#Cat').nth(c);
    const entries = menu.entries.filter((e) => e.category === categories[c]);
    assert.equal(await panel.locator('p.TLink').count(), entries.length);
    for (let s = 0; s < entries.length; s++) {
      const entry = entries[s];
      const title = panel.locator('p.TLink').nth(s);
      assert.equal(await title.innerText(), entry.title);
      await title.click();
      const shown = await panel.locator('div#Des').evaluateAll((boxes) => boxes.map((b) => b.style.display));
      assert.deepEqual(shown, entries.map((_, i) => (i === s ? 'block' : 'none')), 'folded descriptions');
      const box = panel.locator('div#Des').nth(s);
      // The panel takes the description as markup.
      const text = await box.locator('p').evaluate((p) => p.textContent);
      const expected = await page.evaluate((html) => {
        const p = document.createElement('p');
        p.innerHTML = html;
        return p.textContent;
      }, entry.description);
      assert.equal(text.replace(/\s+/g, ' ').trim(), expected.replace(/\s+/g, ' ').trim(), 'description');
      const open = box.locator('a');
      assert.equal(await open.innerText(), 'Open');
      assert.equal(filePath(await open.evaluate((a) => a.href)), path.join(root, entry.link), 'Open link target');
      if (screenshots) {
        const cell = box.locator('#SShot');
        if (entry.screenshot) {
          const image = await cell.locator('img').evaluate((img) => ({ src: img.src, width: img.naturalWidth }));
          assert.equal(filePath(image.src), path.join(root, 'Menu', entry.screenshot), 'screenshot source');
          assert.ok(image.width > 0, 'screenshot loads');
          assert.ok(await cell.locator('img').isVisible(), 'screenshot shown with its description');
        } else {
          assert.equal(await cell.evaluate((td) => td.innerHTML), '&nbsp;', 'empty screenshot cell');
        }
      }
    }
  }
  assert.deepEqual(errors, []);
  await context.close();
}

(async () => {
  const browser = await chromium.launch({
    executablePath: process.env.VELMORA_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking'],
  });
  let failed = 0;
  try {
    for (const menu of menus) {
      const runs = menu.template.startsWith('Standard') ? [true, false] : [true];
      for (const withLayer of runs) {
        const name = `${menu.folder} (${withLayer ? 'with' : 'without'} the IE layer)`;
        try {
          if (menu.template.startsWith('Standard')) await checkStandard(browser, menu, withLayer);
          else await checkExtended(browser, menu);
          console.log(`PASS ${name}`);
        } catch (error) {
          failed++;
          console.log(`FAIL ${name}: ${error.message}`);
        }
      }
    }
  } finally {
    await browser.close();
  }
  process.exit(failed ? 1 : 0);
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
