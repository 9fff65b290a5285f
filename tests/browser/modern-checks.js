// The checks of a Modern page, shared by the Chromium and the Firefox run. They use only what Playwright's and
// Puppeteer's pages have in common: goto, evaluate, click, keyboard.press and keyboard.type.
'use strict';
const path = require('path');
const assert = require('assert/strict');

function filePath(url) {
  return decodeURIComponent(new URL(url).pathname);
}

function categoriesOf(entries) {
  return [...new Set(entries.map((e) => e.category))].sort();
}

// What the page shows right now: sections with their state, and each entry with what it displays.
function readPage(page) {
  return page.evaluate(() => {
    const shown = (el) => !!el && el.getClientRects().length > 0;
    const sections = [...document.querySelectorAll('main section')].map((s) => {
      const button = s.querySelector('h2 button');
      return {
        name: button.textContent,
        expanded: button.getAttribute('aria-expanded'),
        controls: button.getAttribute('aria-controls'),
        panelShown: shown(s.querySelector('ul.entries')),
        shown: shown(s),
      };
    });
    const entries = [...document.querySelectorAll('main li.e')].map((li) => {
      const a = li.querySelector('h3 a');
      const size = li.querySelector('.size');
      const description = li.querySelector('.ed');
      const shot = li.querySelector('img.shot');
      return {
        category: li.closest('section').querySelector('h2 button').textContent,
        title: li.querySelector('h3').textContent,
        href: a ? a.href : null,
        description: description ? description.innerHTML : '',
        meta: li.querySelector('.em').textContent,
        size: size ? size.textContent : '',
        icon: shown(li.querySelector('svg.ic')) && li.querySelector('svg.ic use').getAttribute('xlink:href'),
        shot: shot ? { src: shot.src, alt: shot.alt, width: shot.naturalWidth } : null,
        shown: shown(li),
      };
    });
    return { sections, entries, count: document.getElementById('count').textContent };
  });
}

async function search(page, text) {
  await page.click('#q');
  await page.evaluate(() => {
    document.getElementById('q').select();
  });
  await page.keyboard.press('Backspace');
  if (text) await page.keyboard.type(text);
  return readPage(page);
}

// The screenshots of an open section load (they are fetched only once they show).
async function screenshotsLoad(page, index) {
  const pending = () =>
    page.evaluate((i) => [...document.querySelectorAll('main section')[i].querySelectorAll('img.shot')]
      .filter((img) => !(img.complete && img.naturalWidth > 0)).map((img) => img.src), index);
  let left = await pending();
  for (let tries = 0; tries < 50 && left.length; tries++) {
    await new Promise((r) => setTimeout(r, 100));
    left = await pending();
  }
  assert.deepEqual(left, [], 'screenshots load');
}

// Every check but the keyboard one, on a page already open.
async function checkContent(page, menu, root) {
  const screenshots = menu.template === 'Modern Screenshots';
  assert.equal(await page.evaluate(() => document.querySelector('h1').textContent), menu.title, 'heading');
  assert.equal(await page.evaluate(() => document.title), menu.title, 'document title');
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'en');
  assert.deepEqual(
    await page.evaluate(() => ['header', 'nav', 'main', 'footer'].map((t) => document.getElementsByTagName(t).length)),
    [1, 1, 1, 1], 'landmarks');

  // The style's logo and sound: the sound is a control the user starts, never playing by itself.
  const media = await page.evaluate(() => {
    const logo = document.querySelector('header img.logo');
    const audio = document.querySelector('audio');
    return {
      logo: logo && { src: logo.src, width: logo.naturalWidth },
      audio: audio && { src: audio.src, controls: audio.controls, autoplay: audio.autoplay, paused: audio.paused },
    };
  });
  if (menu.logo) {
    assert.equal(filePath(media.logo.src), path.join(root, 'Menu', menu.logo), 'logo');
    assert.ok(media.logo.width > 0, 'logo loads');
  } else {
    assert.equal(media.logo, null, 'no logo');
  }
  if (menu.sound) {
    assert.deepEqual(media.audio, { src: media.audio.src, controls: true, autoplay: false, paused: true }, 'sound');
    assert.equal(filePath(media.audio.src), path.join(root, 'Menu', menu.sound), 'sound file');
  } else {
    assert.equal(media.audio, null, 'no sound');
  }

  const categories = categoriesOf(menu.entries);
  let state = await readPage(page);
  assert.deepEqual(state.sections.map((s) => s.name), categories, 'sections in order');
  state.sections.forEach((s) => {
    assert.equal(s.expanded, 'true', `section open at first: ${s.name}`);
    assert.equal(s.panelShown, true, `panel of ${s.name}`);
  });
  assert.equal(state.count, `${menu.entries.length} entries`);

  // Entries: grouped by category, each as the manifest says.
  const expected = categories.flatMap((c) => menu.entries.filter((e) => e.category === c));
  assert.equal(state.entries.length, expected.length, 'entry count');
  expected.forEach((entry, i) => {
    const got = state.entries[i];
    assert.equal(got.category, entry.category, 'category of ' + entry.title);
    assert.equal(got.title, entry.title, 'title');
    assert.equal(filePath(got.href), path.join(root, entry.link), 'link of ' + entry.title);
    assert.ok(!/^[a-z]+:/i.test(got.href.slice('file://'.length)), 'no scheme beyond file:');
    assert.equal(got.description, entry.description, 'description of ' + entry.title);
    assert.equal(got.size, entry.size, 'size of ' + entry.title);
    assert.ok(got.meta.startsWith(entry.kind), `kind of ${entry.title}: ${got.meta}`);
    if (screenshots && entry.screenshot) {
      assert.equal(filePath(got.shot.src), path.join(root, 'Menu', entry.screenshot), 'screenshot of ' + entry.title);
      assert.equal(got.shot.alt, entry.title, 'screenshot alt');
    } else {
      assert.equal(got.shot, null, 'no screenshot for ' + entry.title);
    }
  });

  // Each section opens and closes.
  for (let i = 0; i < categories.length; i++) {
    const selector = `main section:nth-of-type(${i + 1}) h2 button`;
    for (const round of [0, 1]) {
      const before = (await readPage(page)).sections[i];
      await page.click(selector);
      const after = (await readPage(page)).sections[i];
      const open = before.expanded !== 'true';
      assert.equal(after.expanded, open ? 'true' : 'false', `toggle ${categories[i]} (${round})`);
      assert.equal(after.panelShown, open, `panel of ${categories[i]} follows its button`);
      if (open) await screenshotsLoad(page, i);
    }
  }
  state = await readPage(page);
  state.entries.forEach((e) =>
    assert.equal(e.shown, state.sections.find((s) => s.name === e.category).expanded === 'true'));

  // Search by title, then by description: the list narrows, the count says so; clearing restores everything.
  const before = state;
  const byTitle = expected.filter((e) => e.title.toLowerCase().includes('manual'));
  let found = await search(page, 'MANUAL');
  assert.deepEqual(found.entries.filter((e) => e.shown).map((e) => e.title), byTitle.map((e) => e.title));
  assert.equal(found.count, `1 of ${expected.length} entries`);
  assert.deepEqual(found.sections.filter((s) => s.shown).map((s) => s.name), ['Docs'], 'only sections with matches');
  found = await search(page, 'fixes');
  assert.deepEqual(found.entries.filter((e) => e.shown).map((e) => e.title), ['Patch'], 'search in descriptions');
  found = await search(page, 'no such entry');
  assert.equal(found.count, `0 of ${expected.length} entries`);
  assert.equal(found.entries.filter((e) => e.shown).length, 0);
  found = await search(page, '');
  assert.deepEqual(found, before, 'clearing the search restores the page');
}

// Keyboard only: Tab to the "Extras" section, close it with Space and open it with Enter, Tab to its first entry and
// open that with Enter. The focus ring shows on the way.
async function checkKeyboard(page, menu, root) {
  const target = menu.entries.find((e) => e.category === 'Extras');
  await page.evaluate(() => document.activeElement && document.activeElement.blur());
  const focused = () =>
    page.evaluate(() => {
      const el = document.activeElement;
      const style = getComputedStyle(el);
      const ring = style.outlineStyle !== 'none' && parseFloat(style.outlineWidth) >= 2;
      return { tag: el.tagName, text: el.textContent, ring };
    });
  let now = null;
  for (let i = 0; i < 40; i++) {
    await page.keyboard.press('Tab');
    now = await focused();
    assert.ok(now.tag === 'BODY' || now.ring, `focus ring on ${now.tag} ${now.text}`);
    if (now.tag === 'BUTTON' && now.text === 'Extras') break;
  }
  assert.equal(now.text, 'Extras', 'Tab reaches the section');
  const extras = async () => (await readPage(page)).sections.find((s) => s.name === 'Extras');
  await page.keyboard.press(' ');
  assert.deepEqual([(await extras()).expanded, (await extras()).panelShown], ['false', false], 'Space closes');
  await page.keyboard.press('Enter');
  assert.deepEqual([(await extras()).expanded, (await extras()).panelShown], ['true', true], 'Enter opens');
  await page.keyboard.press('Tab');
  now = await focused();
  assert.equal(now.tag, 'A');
  assert.equal(now.text, target.title, 'Tab reaches the entry');
  await page.keyboard.press('Enter');
  const want = 'file://' + path.join(root, target.link);
  for (let i = 0; i < 50 && decodeURIComponent(page.url()) !== want; i++) await new Promise((r) => setTimeout(r, 100));
  assert.equal(decodeURIComponent(page.url()), want, 'Enter opens the entry');
}

module.exports = { checkContent, checkKeyboard };
