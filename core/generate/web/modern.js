// The script of a Modern page: section buttons, the search, the chips and the sound button. ES5 only, so that the
// HTA host runs it too; the page is complete without it. The page sets W, its words, and F, the file each entry
// links, in the entries' order, before it.
(function () {
  var doc = document;
  var main = doc.getElementById('menu');
  var box = doc.getElementById('q');
  var count = doc.getElementById('count');
  var none = doc.getElementById('none');
  if (!main || !box || !count || !none) { return; }
  function hasClass(el, name) { return (' ' + el.className + ' ').indexOf(' ' + name + ' ') >= 0; }
  function setClass(el, name, on) {
    if (on === hasClass(el, name)) { return; }
    if (on) { el.className = el.className ? el.className + ' ' + name : name; }
    else { el.className = (' ' + el.className + ' ').replace(' ' + name + ' ', ' ').replace(/^\s+|\s+$/g, ''); }
  }
  // A list or section without a match: hidden by its class, and out of the reader's tree too. A large menu empties it
  // where it stands, where the host can (the stylesheet tells why).
  var hidden = hasClass(main, 'big') && doc.body.style.contentVisibility !== undefined ? 'gone' : 'none';
  function setNone(el, off) {
    setClass(el, hidden, off);
    if (off) { el.setAttribute('aria-hidden', 'true'); } else { el.removeAttribute('aria-hidden'); }
  }
  function setText(el, text) {
    while (el.firstChild) { el.removeChild(el.firstChild); }
    el.appendChild(doc.createTextNode(text));
  }
  // A count as the page writes it: in the language's digits, thousands apart.
  var zero = W.zero.charCodeAt(0) - 48;
  function number(n) {
    var s = String(n);
    if (zero) { s = s.replace(/[0-9]/g, function (d) { return String.fromCharCode(d.charCodeAt(0) + zero); }); }
    var out = '';
    while (s.length > 3) { out = W.group + s.slice(s.length - 3) + out; s = s.slice(0, s.length - 3); }
    return s + out;
  }
  var plain = 'àáâãäåæçèéêëìíîïñòóôõöøùúûüýÿœß';
  var base = ['a', 'a', 'a', 'a', 'a', 'a', 'ae', 'c', 'e', 'e', 'e', 'e', 'i', 'i', 'i', 'i', 'n', 'o', 'o', 'o',
    'o', 'o', 'o', 'u', 'u', 'u', 'u', 'y', 'y', 'oe', 'ss'];
  // Letter case and accents aside: "cafe" finds "Café".
  function fold(s) {
    s = s.toLowerCase();
    if (!/[^\x00-\x7f]/.test(s)) { return s; }
    if (s.normalize) { s = s.normalize('NFD').replace(/[\u0300-\u036f]/g, ''); }
    if (!/[^\x00-\x7f]/.test(s)) { return s; }
    return s.replace(/[\u00df-\u00ff\u0153]/g, function (c) { var i = plain.indexOf(c); return i < 0 ? c : base[i]; });
  }
  var sections = [];
  var lists = [];
  var nodes = [];
  var classes = [];
  var texts = [];
  var on = [];
  var i, el;
  for (i = 0; (el = doc.getElementById('s' + i)); i++) {
    var heading = doc.getElementById('h' + i);
    var panel = doc.getElementById('p' + i);
    // The section's button is made here, so that none is dead without the script.
    var button = doc.createElement('button');
    button.type = 'button';
    button.className = 'cat-b';
    button.setAttribute('aria-expanded', 'true');
    button.setAttribute('aria-controls', 'p' + i);
    while (heading.firstChild) { button.appendChild(heading.firstChild); }
    heading.appendChild(button);
    heading.className = 'hb';
    var section = { node: el, button: button, open: true, index: i, firstList: lists.length, none: false,
      name: fold(button.textContent || button.innerText || '') };
    // A long section's entries come in several lists, one after the other.
    for (var list = panel; list; list = list.nextSibling) {
      if (list.nodeType !== 1) { continue; }
      var entries = { node: list, section: section, first: nodes.length, none: false };
      for (var li = list.firstChild; li; li = li.nextSibling) {
        if (li.nodeType === 1) { nodes.push(li); classes.push(li.className); texts.push(null); on.push(true); }
      }
      entries.last = nodes.length;
      lists.push(entries);
    }
    section.lastList = lists.length;
    button.onclick = toggler(section);
    sections.push(section);
  }
  function setOpen(section, open) {
    section.open = open;
    setClass(section.node, 'closed', !open);
    setClass(section.node, 'sought', searching && !open);
    section.button.setAttribute('aria-expanded', open ? 'true' : 'false');
  }
  function toggler(section) { return function () { setOpen(section, !section.open); }; }
  var total = nodes.length;
  function now() { return new Date().getTime(); }
  // The file each entry links, in F after the words: as typed, so that "my manual.pdf" finds it.
  var files = F;
  function indexed(n, section) {
    if (texts[n] === null) {
      texts[n] = fold((nodes[n].textContent || nodes[n].innerText || '') + ' ' + (files[n] || '')) + ' ' + section.name;
    }
    return texts[n];
  }
  // Later, when the page is idle where the host can tell, else after a short pause.
  function whenIdle(task) {
    if (window.requestIdleCallback) { window.requestIdleCallback(task, { timeout: 200 }); } else { setTimeout(task, 20); }
  }
  // The search text of every entry, made from the start in short slices while the page is idle, so that a search
  // seldom waits for it and never freezes the page.
  var made = 0;
  function makeSome(deadline) {
    var began = now();
    var budget = deadline && !deadline.didTimeout && deadline.timeRemaining ? Math.min(deadline.timeRemaining(), 12) : 8;
    while (made < lists.length && (now() - began < budget || made === 0)) {
      for (var n = lists[made].first; n < lists[made].last; n++) { indexed(n, lists[made].section); }
      made++;
    }
    if (made < lists.length) { whenIdle(makeSome); }
  }
  whenIdle(makeSome);
  var last = '';
  function showCount(shown) {
    setText(count, shown < 0 ? (total === 1 ? W.entry : W.entries.replace('%1', number(total)))
      : W.shownOf.replace('%1', number(shown)).replace('%2', number(total)));
    none.style.display = shown === 0 ? '' : 'none';
  }
  // How many entries of a list match the words (all without words); hit holds which.
  var hit = [];
  function matches(list, words) {
    var found = 0;
    var n, w, text, match;
    for (n = list.first; n < list.last; n++) {
      match = true;
      if (words) {
        text = indexed(n, list.section);
        for (w = 0; match && w < words.length; w++) { match = text.indexOf(words[w]) >= 0; }
      }
      hit[n - list.first] = match;
      if (match) { found++; }
    }
    return found;
  }
  // One list brought to the search: only the entries whose state changes are written, and a list without a match
  // is hidden whole, its entries untouched. Gives how many of its entries show.
  var written = 0;
  function apply(list, words) {
    var found = matches(list, words);
    for (var n = list.first; found && n < list.last; n++) {
      var match = hit[n - list.first];
      if (match !== on[n]) {
        on[n] = match;
        nodes[n].className = match ? classes[n] : classes[n] + ' off';
        written++;
      }
    }
    hideList(list, !found);
    return found;
  }
  function hideList(list, off) {
    if (off !== list.none) {
      list.none = off;
      setNone(list.node, off);
    }
  }
  function scrolled() {
    var y = window.pageYOffset;
    return y === undefined ? doc.documentElement.scrollTop > 0 : y > 0;
  }
  // The list at the top of the view, below the toolbar (the one before it may still show a little).
  var bar = doc.getElementById('tools').parentNode;
  function firstInView() {
    if (!doc.elementFromPoint || !bar.getBoundingClientRect) { return 0; }
    var width = window.innerWidth || doc.documentElement.clientWidth;
    var el = doc.elementFromPoint(Math.floor(width / 2), Math.max(bar.getBoundingClientRect().bottom, 0) + 2);
    for (; el && el !== main; el = el.parentNode) {
      for (var l = 0; l < lists.length; l++) {
        if (lists[l].node === el || lists[l].section.node === el) { return Math.max(l - 1, 0); }
      }
    }
    return 0;
  }
  // A search runs list by list, from the view onwards, then back up from it. A large page paints the part in view
  // at once; then it counts the rest, which only reads, and shows the count; then it writes the rest in short
  // slices, the page answering in between. A newer search or clearing stops an unfinished one. The main element is
  // busy until all is written.
  var job = null;
  var near = [];
  var searching = false;
  var sliced = total > 2000;
  function run(from) {
    var query = fold(box.value.replace(/^\s+|\s+$/g, ''));
    if (query === last) { return; }
    last = query;
    // Where the view is, read before anything changes, so that reading it lays out nothing new; at the top of the
    // page there is nothing to read.
    var start = typeof from === 'number' ? from : sliced && scrolled() ? firstInView() : 0;
    // Closed sections show their entries during a search: a class on each closed one, never on the whole list,
    // which would have the browser look over every entry.
    if ((query !== '') !== searching) {
      searching = query !== '';
      for (var c = 0; c < sections.length; c++) { setClass(sections[c].node, 'sought', searching && !sections[c].open); }
    }
    // Enough entries to fill the view (an entry is at least about 4rem high).
    var fill = Math.ceil((window.innerHeight || doc.documentElement.clientHeight) / 64) + 2;
    job = { words: query ? query.split(/\s+/) : null, start: start, fill: fill, at: 0, counted: 0, shown: 0,
      found: [], left: [], counts: [], near: [] };
    for (var s = 0; s < sections.length; s++) {
      job.found.push(0);
      job.left.push(sections[s].lastList - sections[s].firstList);
    }
    if (sliced) { main.setAttribute('aria-busy', 'true'); }
    var j = job;
    var n;
    for (n = 0; n < near.length; n++) { near[n].near = false; }
    write(j, true);
    for (n = 0; n < near.length; n++) {
      if (!near[n].near) { setClass(near[n].node, 'near', false); }
    }
    near = j.near;
  }
  // The i-th list in the search's order.
  function nth(j, i) { return i < lists.length - j.start ? j.start + i : lists.length - 1 - i; }
  function later(j, task, afterPaint) {
    var next = function () { if (job === j) { task(j); } };
    if (afterPaint && window.requestAnimationFrame) {
      window.requestAnimationFrame(function () { setTimeout(next, 0); });
    } else {
      setTimeout(next, 0);
    }
  }
  // The lists not yet written: how many of their entries match, so that the count and the sections without a
  // match need not wait for the writing.
  function countRest(j) {
    var began = now();
    for (; j.counted < lists.length && now() - began < 45; j.counted++) {
      var l = nth(j, j.counted);
      if (j.counts[l] === undefined) { j.counts[l] = matches(lists[l], j.words); }
    }
    if (j.counted < lists.length) { later(j, countRest, false); return; }
    var shown = 0;
    var bySection = [];
    for (var s = 0; s < sections.length; s++) { bySection.push(0); }
    // Where emptying a list costs next to nothing, the lists without a match are hidden at once; those with one wait
    // for the writing.
    for (l = 0; l < lists.length; l++) {
      shown += j.counts[l];
      bySection[lists[l].section.index] += j.counts[l];
      if (!j.counts[l] && hidden === 'gone') { hideList(lists[l], true); }
    }
    for (s = 0; s < sections.length; s++) {
      if ((bySection[s] === 0) !== sections[s].none) {
        sections[s].none = bySection[s] === 0;
        setNone(sections[s].node, sections[s].none);
      }
    }
    j.total = shown;
    showCount(j.words ? shown : -1);
    later(j, write, false);
  }
  function write(j, first) {
    var began = now();
    var writes = written;
    var shown = 0;
    while (j.at < lists.length) {
      var l = nth(j, j.at);
      var list = lists[l];
      var s = list.section;
      var found = apply(list, j.words);
      var k = s.index;
      j.counts[l] = found;
      j.at++;
      j.found[k] += found;
      j.left[k]--;
      // Before the count, a section shows as soon as it has a match, and hides once none of its lists has one.
      if (j.total === undefined && (found > 0 || j.left[k] === 0) && (j.found[k] === 0) !== s.none) {
        s.none = j.found[k] === 0;
        setNone(s.node, s.none);
      }
      shown += found;
      // The lists that show in the view are laid out at once (the stylesheet tells why), until the next search.
      if (first === true && sliced && found > 0 && hidden === 'gone') {
        list.near = true;
        setClass(list.node, 'near', true);
        j.near.push(list);
      }
      if (found > 0 && none.style.display !== 'none') { none.style.display = 'none'; }
      if (sliced && (first === true ? shown >= j.fill && j.at > 1 || now() - began > 40
        : written - writes > 300 || now() - began > 10)) { break; }
    }
    if (j.at < lists.length) {
      // The part in view is painted first; then the count; then the rest between the browser's other work.
      later(j, j.total === undefined ? countRest : write, first === true);
      return;
    }
    job = null;
    if (j.total === undefined) { showCount(j.words ? sum(j.counts) : -1); }
    main.removeAttribute('aria-busy');
  }
  function sum(values) {
    var out = 0;
    for (var i = 0; i < values.length; i++) { out += values[i]; }
    return out;
  }
  function clear(from) {
    box.value = '';
    run(from);
  }
  function search() { run(); }
  box.oninput = search;
  box.onkeyup = function (e) {
    e = e || window.event;
    if (e.keyCode === 27) { clear(); return; }
    run();
  };
  box.onchange = search;
  box.onsearch = search;
  doc.getElementById('clear').onclick = function () { clear(); box.focus(); };
  // "/" goes to the search box from anywhere but a text field.
  doc.onkeydown = function (e) {
    e = e || window.event;
    var target = e.target || e.srcElement;
    var tag = target && target.tagName;
    if ((e.key === '/' || (!e.key && e.keyCode === 191)) && tag !== 'INPUT' && tag !== 'TEXTAREA' &&
        !e.ctrlKey && !e.altKey && !e.metaKey) {
      box.focus();
      box.select();
      return false;
    }
  };
  // A chip opens its category, and leaves a search that hides it, its own entries first.
  function jumper(section) {
    return function () {
      if (last && section.none) { clear(section.firstList); }
      setOpen(section, true);
      return true;
    };
  }
  var chips = doc.getElementById('chips');
  if (chips) {
    var links = chips.getElementsByTagName('a');
    for (i = 0; i < links.length && i < sections.length; i++) { links[i].onclick = jumper(sections[i]); }
  }
  // The sound: a small play and pause button where the host can play it, the player itself otherwise.
  var sound = doc.getElementById('snd');
  if (sound && sound.play && sound.canPlayType) {
    var play = doc.createElement('button');
    play.type = 'button';
    play.id = 'play';
    var label = function () { setText(play, sound.paused ? W.play : W.pause); setClass(play, 'on', !sound.paused); };
    play.onclick = function () {
      if (sound.paused) {
        var started = sound.play();
        if (started && started['catch']) { started['catch'](function () { label(); }); }
      } else { sound.pause(); }
      label();
    };
    sound.onplay = label;
    sound.onpause = label;
    sound.controls = false;
    sound.parentNode.insertBefore(play, sound);
    label();
  }
  doc.getElementById('tools').style.display = '';
  showCount(-1);
})();
