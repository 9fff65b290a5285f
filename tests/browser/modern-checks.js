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
      const shot = li.querySelector('a.shot');
      return {
        category: li.closest('section').querySelector('h2 button').textContent,
        title: li.querySelector('h3').textContent,
        href: a ? a.href : null,
        description: description ? description.innerHTML : '',
        meta: li.querySelector('.em').textContent,
        size: size ? size.textContent.replace('\u00a0', ' ') : '',
        icon: ((style) => (style.getPropertyValue('mask-image') || style.getPropertyValue('-webkit-mask-image'))
          .startsWith('url('))(getComputedStyle(li, '::before')),
        shot: shot ? { href: shot.href, src: shot.querySelector('img').src, alt: shot.querySelector('img').alt,
          label: shot.getAttribute('aria-label'), width: shot.querySelector('img').getAttribute('width') } : null,
        shown: shown(li),
      };
    });
    const none = document.getElementById('none');
    return { sections, entries, count: document.getElementById('count').textContent, none: shown(none) };
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

// The words each language's page must show (the rest follows the English page): counts, sizes (from the English
// "812 KB") and the kind "Program", which a search finds.
const arabicDigits = (s) => String(s).replace(/[0-9]/g, (d) => String.fromCharCode(0x660 + Number(d)));
const units = (names) => (s) => s.replace(/ (bytes|KB|MB)$/, (all, unit) => ' ' + names[unit]);
const words = {
  en: { all: (n) => `${n} entries`, of: (k, n) => `${k} of ${n} entries`, size: (s) => s, num: String,
    program: 'program' },
  de: { all: (n) => `${n} Einträge`, of: (k, n) => `${k} von ${n} Einträgen`, num: String, program: 'programm',
    size: (s) => s.replace('.', ',').replace('bytes', 'Bytes') },
  ar: { all: (n) => `عدد الإدخالات: ${arabicDigits(n)}`, of: (k, n) => `النتائج: ${arabicDigits(k)} من ${arabicDigits(n)}`,
    num: arabicDigits, program: 'برنامج',
    size: (s) => arabicDigits(units({ bytes: 'بايت', KB: 'كيلوبايت', MB: 'ميغابايت' })(s)).replace('.', '\u066b') },
  he: { all: (n) => `${n} פריטים`, of: (k, n) => `${k} מתוך ${n} פריטים`, num: String, program: 'תוכנה',
    size: units({ bytes: 'בתים', KB: 'ק״ב', MB: 'מ״ב' }) },
};

// Every check but the keyboard one, on a page already open.
async function checkContent(page, menu, root) {
  const screenshots = menu.template === 'Modern Screenshots';
  const say = words[menu.language];
  assert.equal(await page.evaluate(() => document.querySelector('h1').textContent), menu.title, 'heading');
  assert.equal(await page.evaluate(() => document.title), menu.title, 'document title');
  assert.equal(await page.evaluate(() => document.documentElement.lang), menu.language);
  assert.deepEqual(
    await page.evaluate(() => ['header', 'nav', 'main', 'footer'].map((t) => document.getElementsByTagName(t).length)),
    [1, 1, 1, 1], 'landmarks');
  // The skip link and the category chips (with their counts) come before the entries.
  assert.deepEqual(await page.evaluate(() => {
    const all = [...document.querySelectorAll('a, main')];
    return [all[0].getAttribute('href'), all.indexOf(document.querySelector('#chips a')) < all.indexOf(
      document.querySelector('main'))];
  }), ['#menu', true], 'skip link, then chips before the entries');

  // The style's logo and sound: the sound is a small button the user starts, never playing by itself.
  const media = await page.evaluate(() => {
    const logo = document.querySelector('header img');
    const audio = document.querySelector('audio');
    const play = document.getElementById('play');
    return {
      logo: logo && { src: logo.src, width: logo.naturalWidth },
      audio: audio && { src: audio.src, controls: audio.controls, autoplay: audio.autoplay, paused: audio.paused },
      play: play && play.textContent,
    };
  });
  if (menu.logo) {
    assert.equal(filePath(media.logo.src), path.join(root, 'Menu', menu.logo), 'logo');
    assert.ok(media.logo.width > 0, 'logo loads');
  } else {
    assert.equal(media.logo, null, 'no logo');
  }
  if (menu.sound) {
    assert.deepEqual(media.audio, { src: media.audio.src, controls: false, autoplay: false, paused: true }, 'sound');
    assert.equal(filePath(media.audio.src), path.join(root, 'Menu', menu.sound), 'sound file');
    assert.equal(media.play, 'Play sound', 'sound button');
  } else {
    assert.deepEqual([media.audio, media.play], [null, null], 'no sound');
  }

  const categories = categoriesOf(menu.entries);
  const chips = await page.evaluate(() => [...document.querySelectorAll('#chips a')].map((a) => a.textContent));
  assert.deepEqual(chips, categories.map((c) => `${c} ${say.num(menu.entries.filter((e) => e.category === c).length)}`));
  let state = await readPage(page);
  assert.deepEqual(state.sections.map((s) => s.name), categories, 'sections in order');
  state.sections.forEach((s) => {
    assert.equal(s.expanded, 'true', `section open at first: ${s.name}`);
    assert.equal(s.panelShown, true, `panel of ${s.name}`);
  });
  assert.equal(state.count, say.all(menu.entries.length));

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
    assert.equal(got.size, say.size(entry.size), 'size of ' + entry.title);
    if (menu.language === 'en') assert.ok(got.meta.startsWith(entry.kind), `kind of ${entry.title}: ${got.meta}`);
    assert.equal(got.icon, true, 'type icon of ' + entry.title);
    if (screenshots && entry.screenshot) {
      const full = path.join(root, 'Menu', entry.screenshot);
      assert.deepEqual([filePath(got.shot.src), filePath(got.shot.href), got.shot.alt, got.shot.width],
        [full, full, '', '160'], 'screenshot of ' + entry.title);
      assert.ok(got.shot.label.includes(entry.title), 'screenshot link is named');
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

  // Search over title, description, file name, category and type, without regard to case or accents, every word.
  const before = state;
  const searches = [
    ['MANUAL', ["Tom's <Manual>"]],
    ['fixes', ['Patch']],
    ['pdf', ["Tom's <Manual>"]],
    ['tools', ['Patch', 'Setup']],
    ['CAFE', ['Café']],
    ['grusse', ['Grüße ♫']],
    [say.program + ' set', ['Setup']],
  ];
  for (const [text, titles] of searches) {
    const found = await search(page, text);
    assert.deepEqual(found.entries.filter((e) => e.shown).map((e) => e.title).sort(), titles, 'search ' + text);
    assert.equal(found.count, say.of(titles.length, expected.length), 'count for ' + text);
    assert.deepEqual(found.sections.filter((s) => s.shown).map((s) => s.name),
      [...new Set(expected.filter((e) => titles.includes(e.title)).map((e) => e.category))], 'sections of ' + text);
  }
  let found = await search(page, 'no such entry');
  assert.deepEqual([found.count, found.entries.filter((e) => e.shown).length, found.none],
    [say.of(0, expected.length), 0, true], 'a search without result says so');
  await page.click('#clear');
  assert.deepEqual(await readPage(page), before, 'the clear button restores the page');
  found = await search(page, 'fixes');
  await page.keyboard.press('Escape');
  assert.deepEqual(await readPage(page), before, 'Esc restores the page');
  await page.evaluate(() => document.activeElement.blur());
  await page.keyboard.press('/');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'q', '"/" goes to the search');
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

// axe-core on the open page: no violation at all.
async function checkAxe(page, name) {
  const source = require('fs').readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
  await page.evaluate(source);
  const violations = await page.evaluate(async () => {
    const result = await window.axe.run(document, { resultTypes: ['violations'] });
    return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
  });
  assert.deepEqual(violations, [], 'axe on ' + name);
}

// A large page (make_modern_pages --entries N) filters in slices. Each row sets the box twice in one go, so that the
// first search is cut short by the second: once done, only the second's entries, sections, count and message show.
// The second section is closed: a search shows its entries all the same.
async function checkSlices(page, total) {
  const numbers = [...Array(total).keys()];
  // Clicked from the script: under the sticky toolbar, a pointer's click could land on the toolbar.
  await page.evaluate(() => document.querySelectorAll('main section')[1].querySelector('h2 button').click());
  const rows = [[['7', '71'], '71'], [['71', ''], ''], [['7', 'zzz'], 'zzz'], [['zzz', '7'], '7']];
  for (const [typed, query] of rows) {
    const found = numbers.filter((i) => String(i).includes(query) && query !== 'zzz');
    const grouped = (n) => n.toLocaleString('en-US');
    const count = query ? words.en.of(grouped(found.length), grouped(total)) : words.en.all(grouped(total));
    await page.evaluate((values) => {
      const box = document.getElementById('q');
      for (const value of values) {
        box.value = value;
        box.dispatchEvent(new Event('input'));
      }
    }, typed);
    // Done when the count shows and the entries are all written (the main element is no longer busy); a while later
    // nothing of the first search may have come back.
    const showing = () => page.evaluate(() =>
      document.getElementById('menu').hasAttribute('aria-busy') ? '' : document.getElementById('count').textContent);
    for (let tries = 0; tries < 600 && (await showing()) !== count; tries++) await new Promise((r) => setTimeout(r, 100));
    await new Promise((r) => setTimeout(r, 300));
    const state = await page.evaluate(() => {
      // Taken out, or (a list or section of a large page) emptied where it stands.
      const shown = (el) => {
        for (; el && el.tagName !== 'MAIN' && el !== document.body; el = el.parentElement) {
          const style = getComputedStyle(el);
          if (style.display === 'none' || style.contentVisibility === 'hidden') return false;
        }
        return !!el;
      };
      const names = (selector) =>
        [...document.querySelectorAll(selector)].filter(shown).map((e) => e.textContent).sort();
      return { count: document.getElementById('count').textContent, none: shown(document.getElementById('none')),
        titles: names('main li.e h3'), sections: names('main section h2') };
    });
    assert.deepEqual(state, {
      count, none: found.length === 0 && query !== '',
      titles: found.filter((i) => query || i % 20 !== 1).map((i) => `Entry ${i}`).sort(),
      sections: [...new Set(found.map((i) => `Category ${String(i % 20).padStart(2, '0')}`))].sort(),
    }, `search ${typed.join(' then ')}`);
  }
}

module.exports = { checkContent, checkKeyboard, checkAxe, checkSlices };
