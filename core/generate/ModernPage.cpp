#include "core/generate/ModernPage.h"

#include "core/generate/DescriptionCleaner.h"
#include "core/generate/MakerAddress.h"
#include "core/generate/ModernStyle.h"
#include "core/generate/PathMapping.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QIODevice>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <iterator>

namespace {

bool isSet(const QString &field)
{
    return !field.isEmpty() && field != QLatin1String("none");
}

// Handed to the device in pieces of this size, so a large menu is never held whole.
constexpr int flushSize = 256 * 1024;

constexpr int entriesPerList = 100;

const char *const kindClasses[] = {"k0", "k1", "k2", "k3", "k4", "k5", "k6"};

// The script: section buttons, the search, the chips and the sound button. ES5 only, so the HTA host runs it too;
// the page is complete without it. The words it writes come in W, before it.
const char script[] = R"JS((function () {
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
  function setText(el, text) {
    while (el.firstChild) { el.removeChild(el.firstChild); }
    el.appendChild(doc.createTextNode(text));
  }
  function number(n) {
    var s = String(n);
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
  function indexed(n, section) {
    if (texts[n] === null) {
      var link = nodes[n].getElementsByTagName('a')[0];
      var file = link ? link.getAttribute('href') || '' : '';
      try { file = decodeURIComponent(file); } catch (e) { }
      texts[n] = fold((nodes[n].textContent || nodes[n].innerText || '') + ' ' + file) + ' ' + section.name;
    }
    return texts[n];
  }
  // The search text of every entry, made in short slices while the reader looks at the page, never in one freeze.
  var made = 0;
  function makeSome() {
    var began = now();
    for (var l = 0; l < lists.length && now() - began < 8; l++) {
      if (lists[l].last <= made) { continue; }
      for (var n = lists[l].first; n < lists[l].last; n++) { indexed(n, lists[l].section); }
      made = lists[l].last;
    }
    if (made < total) { setTimeout(makeSome, 20); }
  }
  setTimeout(makeSome, 200);
  var last = '';
  function showCount(shown) {
    setText(count, shown < 0 ? (total === 1 ? W.entry : W.entries.replace('%1', number(total)))
      : W.shownOf.replace('%1', number(shown)).replace('%2', number(total)));
    none.style.display = shown === 0 ? '' : 'none';
  }
  // One list brought to the search: only the entries whose state changes are written, and a list without a match
  // is hidden whole, its entries untouched. Gives how many of its entries show.
  var hit = [];
  var written = 0;
  function apply(list, words) {
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
    for (n = list.first; found && n < list.last; n++) {
      match = hit[n - list.first];
      if (match !== on[n]) {
        on[n] = match;
        nodes[n].className = match ? classes[n] : classes[n] + ' off';
        written++;
      }
    }
    if (!found !== list.none) {
      list.none = !found;
      setClass(list.node, 'none', list.none);
    }
    return found;
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
  // at once and does the rest in short slices after; the count follows when all is done, and a newer search or
  // clearing stops an unfinished one.
  var job = null;
  var searching = false;
  var sliced = total > 2000;
  function run(from) {
    var query = fold(box.value.replace(/^\s+|\s+$/g, ''));
    if (query === last) { return; }
    last = query;
    // Where the view is, read before anything changes, so that reading it lays out nothing new.
    var start = typeof from === 'number' ? from : sliced ? firstInView() : 0;
    // Closed sections show their entries during a search: a class on each closed one, never on the whole list,
    // which would have the browser look over every entry.
    if ((query !== '') !== searching) {
      searching = query !== '';
      for (var c = 0; c < sections.length; c++) { setClass(sections[c].node, 'sought', searching && !sections[c].open); }
    }
    // Enough entries to fill the view (an entry is at least about 4rem high).
    var fill = Math.ceil((window.innerHeight || doc.documentElement.clientHeight) / 64) + 2;
    job = { words: query ? query.split(/\s+/) : null, start: start, fill: fill, at: 0, shown: 0, found: [], left: [] };
    for (var s = 0; s < sections.length; s++) {
      job.found.push(0);
      job.left.push(sections[s].lastList - sections[s].firstList);
    }
    step(job, true);
  }
  function step(j, first) {
    var began = now();
    var writes = written;
    var shown = 0;
    while (j.at < lists.length) {
      var l = j.at < lists.length - j.start ? j.start + j.at : lists.length - 1 - j.at;
      var list = lists[l];
      var s = list.section;
      var found = apply(list, j.words);
      var k = s.index;
      j.at++;
      j.shown += found;
      j.found[k] += found;
      j.left[k]--;
      if ((found > 0 || j.left[k] === 0) && (j.found[k] === 0) !== s.none) {
        s.none = j.found[k] === 0;
        setClass(s.node, 'none', s.none);
      }
      shown += found;
      if (sliced && (first ? shown >= j.fill && j.at > 1 || now() - began > 40
        : written - writes > 600 || now() - began > 12)) { break; }
    }
    if (j.shown > 0 && none.style.display !== 'none') { none.style.display = 'none'; }
    if (j.at < lists.length) {
      // The rest waits for the part in view to be painted, then goes on between the browser's other work.
      var next = function () { if (job === j) { step(j, false); } };
      if (first && window.requestAnimationFrame) {
        window.requestAnimationFrame(function () { setTimeout(next, 0); });
      } else {
        setTimeout(next, 0);
      }
      return;
    }
    job = null;
    showCount(j.words ? j.shown : -1);
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
)JS";

// A JSON string, safe inside a script element.
QByteArray jsonText(const char *utf8)
{
    QByteArray out("\"");
    for (const char *c = utf8; *c; ++c) {
        switch (*c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '<':
            out += "\\u003c";
            break;
        default:
            out += *c;
        }
    }
    return out + "\"";
}

} // namespace

ModernPage::ModernPage(const MenuSnapshot &snapshot, bool screenshots)
    : m_snapshot(snapshot), m_screenshots(screenshots), m_words(ModernPageWords::of(snapshot.language))
{}

QString ModernPage::sizeText(qint64 bytes, const ModernPageWords &words)
{
    if (bytes < 1024)
        return bytes == 1 ? QString::fromUtf8(words.byte) : QString::fromUtf8(words.bytes).arg(bytes);
    double value = double(bytes);
    int unit = -1;
    // Round first, then move up when the rounded figure reaches 1024 ("1023.7 KB" is "1.0 MB").
    while (unit < 4) {
        value /= 1024;
        ++unit;
        const double rounded = value < 10 ? qRound(value * 10) / 10.0 : double(qRound64(value));
        if (rounded < 1024 || unit == 4) {
            value = rounded;
            break;
        }
    }
    QString number = value < 10 ? QString::number(value, 'f', 1) : QString::number(qint64(value));
    number.replace(QLatin1Char('.'), QLatin1Char(words.decimal));
    return number + QChar(0xA0) + QString::fromUtf8(words.units[unit]);
}

ModernPage::Kind ModernPage::kindOf(const QString &link)
{
    static const QHash<QString, Kind> byExtension = [] {
        QHash<QString, Kind> map;
        const struct
        {
            Kind kind;
            const char *extensions;
        } table[] = {
            {Kind::Document, "txt doc docx rtf pdf odt ods odp htm html xls xlsx ppt pptx md csv wri hlp chm xml"},
            {Kind::Archive, "zip rar 7z tar gz tgz bz2 xz cab arj lzh iso"},
            {Kind::Program, "exe com bat cmd msi scr jar sh ps1 vbs hta deb rpm apk dmg appimage"},
            {Kind::Image, "png jpg jpeg gif bmp tif tiff webp svg ico pcx"},
            {Kind::Audio, "mp3 wav ogg oga flac mid midi wma m4a aac opus"},
            {Kind::Video, "mp4 m4v avi mkv mov wmv mpg mpeg webm flv ogv"},
        };
        for (const auto &row : table) {
            for (const QString &extension : QString::fromLatin1(row.extensions).split(QLatin1Char(' ')))
                map.insert(extension, row.kind);
        }
        return map;
    }();
    const QString name = link.mid(link.lastIndexOf(QLatin1Char('/')) + 1);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return Kind::Other;
    return byExtension.value(name.mid(dot + 1).toLower(), Kind::Other);
}

void ModernPage::text(const QString &value)
{
    m_buffer += DescriptionCleaner::escapedText(value);
}

bool ModernPage::present(const QString &mediaField) const
{
    if (!isSet(mediaField))
        return false;
    // Without a CD root to look in, the field is taken at its word.
    return m_snapshot.rootPath.isEmpty() ||
           QFileInfo(m_snapshot.rootPath + QStringLiteral("Menu/") + PathMapping::getFileName(mediaField)).isFile();
}

bool ModernPage::styleMediumPresent(const QString &mediaField) const
{
    // A build copies the style's media into Menu after it has made the page: on a first build the copy is not
    // there yet, but the file it is copied from is.
    return present(mediaField) || (QDir::isAbsolutePath(mediaField) && QFileInfo(mediaField).isFile());
}

QString ModernPage::countText(qint64 count) const
{
    if (count == 1)
        return QString::fromUtf8(m_words.entry);
    QString digits = QString::number(count);
    for (int at = int(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(at, QString::fromUtf8(m_words.group));
    return QString::fromUtf8(m_words.entries).arg(digits);
}

bool ModernPage::flush(bool force)
{
    if (m_buffer.size() < flushSize && !force)
        return true;
    if (m_device->write(m_buffer) != m_buffer.size()) {
        m_error = m_device->errorString();
        if (m_error.isEmpty())
            m_error = QCoreApplication::translate("Build", "The page could not be written.");
        return false;
    }
    m_buffer.clear();
    return true;
}

void ModernPage::head()
{
    const QString title = m_snapshot.title.isEmpty() ? QStringLiteral("Velmora") : m_snapshot.title;
    raw("<!DOCTYPE html>\n<html lang=\"");
    text(ModernPageWords::code(m_snapshot.language));
    raw(ModernPageWords::isRightToLeft(m_snapshot.language) ? "\" dir=\"rtl\">\n" : "\">\n");
    raw("<head>\n<meta charset=\"utf-8\">\n"
        "<meta http-equiv=\"X-UA-Compatible\" content=\"IE=edge\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "<meta name=\"color-scheme\" content=\"light dark\">\n<meta name=\"description\" content=\"");
    text(QString::fromUtf8(m_words.description).arg(title, countText(m_entries)));
    raw("\">\n<title>");
    text(title);
    raw("</title>\n");
    // The logo is the page's icon; without one, an empty icon spares the host a request for a missing file.
    if (styleMediumPresent(m_snapshot.style.logoFile)) {
        raw("<link rel=\"icon\" href=\"Menu/");
        raw(ModernStyle::relativeLink(PathMapping::getFileName(m_snapshot.style.logoFile)));
        raw("\">\n");
    } else {
        raw("<link rel=\"icon\" href=\"data:,\">\n");
    }
    raw("<style>\n");
    StyleFields style = m_snapshot.style;
    for (QString *media : {&style.backImage, &style.buttonOnImage, &style.buttonOffImage})
        if (!styleMediumPresent(*media))
            media->clear();
    raw(ModernStyle::css(style));
    raw("</style>\n</head>\n<body>\n");
}

void ModernPage::header()
{
    const StyleFields &style = m_snapshot.style;
    raw("<a class=\"skip\" href=\"#menu\">");
    text(m_words.skip);
    raw("</a>\n<div class=\"wrap\">\n<header class=\"card\">\n");
    if (styleMediumPresent(style.logoFile)) {
        raw("<span class=\"logo\"><img src=\"Menu/");
        raw(ModernStyle::relativeLink(PathMapping::getFileName(style.logoFile)));
        raw("\" alt=\"\"></span>\n");
    }
    raw("<h1>");
    text(m_snapshot.title.isEmpty() ? QStringLiteral("Velmora") : m_snapshot.title);
    raw("</h1>\n");
    if (styleMediumPresent(style.soundFile)) {
        // The user starts the sound; it never plays by itself. A host without <audio> shows the link inside.
        const QByteArray link = "Menu/" + ModernStyle::relativeLink(PathMapping::getFileName(style.soundFile));
        raw("<audio id=\"snd\" controls loop preload=\"none\" src=\"" + link + "\"><a href=\"" + link + "\">");
        text(m_words.soundLink);
        raw("</a></audio>\n");
    }
    raw("</header>\n");
}

void ModernPage::toolbar()
{
    raw("<div class=\"bar card\">\n");
    // Shown by the script, which is what makes it work.
    raw("<div class=\"tools\" id=\"tools\" role=\"search\" style=\"display:none\">\n<label for=\"q\">");
    text(m_words.search);
    raw("</label>\n<input type=\"search\" id=\"q\" autocomplete=\"off\" placeholder=\"");
    text(m_words.searchHint);
    raw("\">\n<p id=\"count\" role=\"status\" aria-live=\"polite\"></p>\n<p id=\"none\" style=\"display:none\">");
    text(m_words.noResult);
    raw(" <button type=\"button\" id=\"clear\">");
    text(m_words.clear);
    raw("</button></p>\n</div>\n");
    if (!m_categories.isEmpty()) {
        raw("<nav id=\"chips\" aria-label=\"");
        text(m_words.categories);
        raw("\">\n<ul>\n");
        for (int i = 0; i < m_categories.size(); ++i) {
            raw("<li><a href=\"#s" + QByteArray::number(i) + "\">");
            text(m_categories.at(i));
            raw(" <span class=\"n\">");
            QString digits = QString::number(m_counts.at(i));
            for (int at = int(digits.size()) - 3; at > 0; at -= 3)
                digits.insert(at, QString::fromUtf8(m_words.group));
            text(digits);
            raw("</span></a></li>\n");
        }
        raw("</ul>\n</nav>\n");
    }
    raw("</div>\n<p class=\"print\">");
    text(m_words.printed);
    raw(m_entries > 1000 ? "</p>\n<main id=\"menu\" class=\"big\" tabindex=\"-1\">\n"
                         : "</p>\n<main id=\"menu\" tabindex=\"-1\">\n");
}

void ModernPage::openSection(const QString &category)
{
    const QByteArray index = QByteArray::number(m_categories.size());
    m_categories.append(category.isEmpty() ? QString::fromUtf8(m_words.otherCategory) : category);
    m_counts.append(0);
    // Open in the markup: without a script every entry shows. The script turns the heading into a button.
    raw("<section class=\"cat\" id=\"s" + index + "\" aria-labelledby=\"h" + index + "\">\n<h2 id=\"h" + index + "\">");
    text(m_categories.last());
    raw("</h2>\n<ul class=\"entries\" id=\"p" + index + "\">\n");
}

void ModernPage::closeSection()
{
    raw("</ul>\n</section>\n");
}

void ModernPage::entry(const ModernEntry &entry)
{
    const Kind kind = kindOf(entry.link);
    // A long section goes in lists of a hundred entries: each list out of view is skipped by the browser, so
    // a search or its clearing lays out the entries near the view, not a whole section of thousands.
    if (m_counts.last() > 0 && m_counts.last() % entriesPerList == 0)
        raw("</ul>\n<ul class=\"entries\">\n");
    ++m_counts.last();
    raw("<li class=\"e ");
    raw(kindClasses[int(kind)]);
    raw("\"><div class=\"eb\"><h3>");
    const QString title =
        entry.title.isEmpty() ? entry.link.mid(entry.link.lastIndexOf(QLatin1Char('/')) + 1) : entry.title;
    if (entry.link.isEmpty()) {
        text(title);
    } else {
        raw("<a href=\"");
        raw(ModernStyle::relativeLink(entry.link));
        raw("\">");
        text(title);
        raw("</a>");
    }
    raw("</h3><p class=\"em\">");
    text(m_words.kinds[int(kind)]);
    if (!m_snapshot.rootPath.isEmpty() && !entry.link.isEmpty()) {
        const QFileInfo file(m_snapshot.rootPath + entry.link);
        if (file.isFile()) {
            raw(" \xC2\xB7 <span class=\"size\">");
            text(sizeText(file.size(), m_words));
            raw("</span>");
        }
    }
    raw("</p>");
    if (!entry.description.isEmpty()) {
        raw("<div class=\"ed\">");
        raw(DescriptionCleaner::clean(entry.description));
        raw("</div>");
    }
    raw("</div>");
    if (m_screenshots && present(entry.screenshot)) {
        // A thumbnail of a fixed box (the picture keeps its shape inside it) that opens the full picture.
        const QByteArray link = "Menu/" + ModernStyle::relativeLink(PathMapping::getFileName(entry.screenshot));
        raw("<a class=\"shot\" href=\"" + link + "\" aria-label=\"");
        text(QString::fromUtf8(m_words.screenshot).arg(title));
        raw("\"><img src=\"" + link + "\" width=\"160\" height=\"100\" loading=\"lazy\" alt=\"\"></a>");
    }
    raw("</li>\n");
}

void ModernPage::ending()
{
    raw("</main>\n<footer><a href=\"");
    text(MakerAddress::url());
    raw("\">");
    text(m_words.madeWith);
    raw("</a></footer>\n</div>\n<script>\nvar W = {");
    const struct
    {
        const char *name;
        const char *value;
    } words[] = {{"entry", m_words.entry}, {"entries", m_words.entries}, {"shownOf", m_words.shownOf},
                 {"group", m_words.group}, {"play", m_words.play},       {"pause", m_words.pause}};
    for (const auto &word : words) {
        raw(word.name);
        raw(": ");
        raw(jsonText(word.value));
        raw(word.name == words[std::size(words) - 1].name ? "};\n" : ", ");
    }
    raw(script);
    raw("</script>\n</body>\n</html>\n");
}

StepResult ModernPage::write(QIODevice *device, const EntrySource &next)
{
    if (writeAll(device, next))
        return StepResult::success();
    return StepResult::failure(m_error.isEmpty() ? QStringLiteral("The page could not be written.") : m_error);
}

bool ModernPage::writeAll(QIODevice *device, const EntrySource &next)
{
    m_buffer.clear();
    m_buffer.reserve(flushSize + 64 * 1024);
    m_categories.clear();
    m_counts.clear();
    m_entries = 0;
    m_error.clear();
    if (!device || !device->isWritable()) {
        m_error =
            QCoreApplication::translate("Build", "The page has nowhere to go: the device is not open for writing.");
        return false;
    }
    // The entries first, into a file of their own, so that the toolbar before them can list every category.
    QTemporaryFile entries;
    if (!entries.open()) {
        m_error = QCoreApplication::translate("Build", "There is no room for the page's entries: %1")
                      .arg(entries.errorString());
        return false;
    }
    m_device = &entries;
    ModernEntry current;
    QString category;
    while (next(current)) {
        // Categories are the same in any letter case, as the database compares them.
        if (m_entries == 0 || current.category.compare(category, Qt::CaseInsensitive) != 0) {
            if (m_entries > 0)
                closeSection();
            category = current.category;
            openSection(category);
        }
        entry(current);
        ++m_entries;
        if (!flush(false))
            return false;
    }
    if (m_entries > 0)
        closeSection();
    if (!flush(true) || !entries.seek(0))
        return false;
    m_device = device;
    head();
    header();
    toolbar();
    if (!flush(true))
        return false;
    QByteArray piece;
    while (!(piece = entries.read(1024 * 1024)).isEmpty()) {
        if (device->write(piece) != piece.size()) {
            m_error = device->errorString().isEmpty()
                          ? QCoreApplication::translate("Build", "The page could not be written.")
                          : device->errorString();
            return false;
        }
    }
    ending();
    return flush(true);
}
