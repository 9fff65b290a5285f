#include "core/generate/ModernPage.h"

#include "core/generate/MakerAddress.h"
#include "core/generate/ModernStyle.h"
#include "core/generate/PathMapping.h"

#include <QFileInfo>
#include <QHash>
#include <QIODevice>

namespace {

bool isSet(const QString &field)
{
    return !field.isEmpty() && field != QLatin1String("none");
}

// Handed to the device in pieces of this size, so a large menu is never held whole.
constexpr int flushSize = 256 * 1024;

struct KindInfo
{
    const char *id;    // symbol id
    const char *label; // shown beside the size
    const char *shape; // SVG content on a 24 x 24 grid
};

const KindInfo kinds[] = {
    {"k-doc", "Document", "<path d=\"M6 2h8l4 4v16H6z\"/><path d=\"M14 2v4h4M9 12h6M9 16h6\"/>"},
    {"k-arc", "Archive", "<path d=\"M4 8h16v12H4zM3 4h18v4H3z\"/><path d=\"M10 12h4\"/>"},
    {"k-prg", "Program", "<path d=\"M3 4h18v16H3zM3 8h18\"/><path d=\"M7 12l3 2-3 2M12 16h5\"/>"},
    {"k-img", "Image",
     "<path d=\"M3 4h18v16H3z\"/><path d=\"M3 17l5-5 4 4 3-3 6 6\"/><circle cx=\"16\" cy=\"9\" r=\"1.5\"/>"},
    {"k-aud", "Audio",
     "<path d=\"M9 18V5l11-2v13\"/><circle cx=\"6\" cy=\"18\" r=\"3\"/><circle cx=\"17\" cy=\"16\" r=\"3\"/>"},
    {"k-vid", "Video", "<path d=\"M3 6h13v12H3zM16 10l5-3v10l-5-3\"/>"},
    {"k-oth", "File", "<path d=\"M6 2h8l4 4v16H6z\"/><path d=\"M14 2v4h4\"/>"},
};

const KindInfo &infoOf(ModernPage::Kind kind)
{
    return kinds[int(kind)];
}

// The script: sections open and close, the search box filters. ES5 only, so the HTA host runs it too; the page is
// complete without it.
const char script[] = R"JS((function () {
  var doc = document;
  var main = doc.getElementById('menu');
  var box = doc.getElementById('q');
  var count = doc.getElementById('count');
  if (!main || !box || !count) { return; }
  function hasClass(el, name) { return (' ' + el.className + ' ').indexOf(' ' + name + ' ') >= 0; }
  function setClass(el, name, on) {
    if (on === hasClass(el, name)) { return; }
    if (on) { el.className = el.className ? el.className + ' ' + name : name; }
    else { el.className = (' ' + el.className + ' ').replace(' ' + name + ' ', ' ').replace(/^\s+|\s+$/g, ''); }
  }
  function textOf(el) {
    if (!el) { return ''; }
    return (el.textContent !== undefined ? el.textContent : el.innerText) || '';
  }
  function child(el, tag, name) {
    var all = el.getElementsByTagName(tag);
    for (var i = 0; i < all.length; i++) { if (hasClass(all[i], name)) { return all[i]; } }
    return null;
  }
  var sections = [];
  var items = [];
  var nodes = main.getElementsByTagName('section');
  var i, j;
  for (i = 0; i < nodes.length; i++) {
    var section = { node: nodes[i], button: nodes[i].getElementsByTagName('button')[0], items: [], open: true };
    var lis = nodes[i].getElementsByTagName('li');
    for (j = 0; j < lis.length; j++) {
      if (hasClass(lis[j], 'e')) {
        var item = { node: lis[j], text: null, shown: true };
        section.items.push(item);
        items.push(item);
      }
    }
    sections.push(section);
  }
  function setOpen(section, open) {
    section.open = open;
    setClass(section.node, 'closed', !open);
    section.button.setAttribute('aria-expanded', open ? 'true' : 'false');
  }
  function toggler(section) { return function () { setOpen(section, !section.open); }; }
  // Every section starts open, as in the markup: a large menu then filters without laying out hidden panels.
  for (i = 0; i < sections.length; i++) { sections[i].button.onclick = toggler(sections[i]); }
  var nav = doc.getElementById('sections');
  function opener(section) { return function () { setOpen(section, true); section.button.focus(); return false; }; }
  if (nav) {
    var links = nav.getElementsByTagName('a');
    for (i = 0; i < links.length && i < sections.length; i++) { links[i].onclick = opener(sections[i]); }
  }
  var total = items.length;
  var last = '';
  var saved = null;
  function showCount(query, shown) {
    var noun = total === 1 ? ' entry' : ' entries';
    var text = query ? shown + ' of ' + total + noun : total + noun;
    count.innerHTML = '';
    count.appendChild(doc.createTextNode(text));
  }
  function searchText(item) {
    if (item.text === null) {
      item.text = (textOf(child(item.node, 'h3', 'et')) + ' ' + textOf(child(item.node, 'div', 'ed'))).toLowerCase();
    }
    return item.text;
  }
  function filter() {
    var query = box.value.replace(/^\s+|\s+$/g, '').toLowerCase();
    if (query === last) { return; }
    var words = query ? query.split(/\s+/) : [];
    var k, m, w;
    if (query && !saved) {
      saved = [];
      for (k = 0; k < sections.length; k++) { saved.push(sections[k].open); }
    }
    var shown = 0;
    for (k = 0; k < sections.length; k++) {
      var found = 0;
      var list = sections[k].items;
      for (m = 0; m < list.length; m++) {
        var match = true;
        if (words.length) {
          var text = searchText(list[m]);
          for (w = 0; w < words.length; w++) {
            if (text.indexOf(words[w]) < 0) { match = false; break; }
          }
        }
        if (match !== list[m].shown) {
          list[m].shown = match;
          setClass(list[m].node, 'off', !match);
        }
        if (match) { found++; }
      }
      shown += found;
      setClass(sections[k].node, 'off', found === 0);
      if (query && found) { setOpen(sections[k], true); }
    }
    if (!query && saved) {
      for (k = 0; k < sections.length; k++) { setOpen(sections[k], saved[k]); }
      saved = null;
    }
    last = query;
    showCount(query, shown);
  }
  // The search text of every entry, made while the reader looks at the page rather than on the first key.
  setTimeout(function () {
    for (var n = 0; n < items.length; n++) { searchText(items[n]); }
  }, 0);
  box.oninput = filter;
  box.onkeyup = filter;
  box.onchange = filter;
  box.onsearch = filter;
  doc.getElementById('tools').style.display = '';
  showCount('', total);
})();
)JS";

} // namespace

ModernPage::ModernPage(const MenuSnapshot &snapshot, bool screenshots)
    : m_snapshot(snapshot), m_screenshots(screenshots)
{}

QString ModernPage::sizeText(qint64 bytes)
{
    if (bytes < 1024)
        return bytes == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(bytes);
    static const char *const units[] = {"KB", "MB", "GB", "TB", "PB"};
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
    const QString number = value < 10 ? QString::number(value, 'f', 1) : QString::number(qint64(value));
    return number + QLatin1Char(' ') + QLatin1String(units[unit]);
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
    const QByteArray bytes = value.toUtf8();
    for (const char c : bytes) {
        switch (c) {
        case '&':
            m_buffer += "&amp;";
            break;
        case '<':
            m_buffer += "&lt;";
            break;
        case '>':
            m_buffer += "&gt;";
            break;
        case '"':
            m_buffer += "&quot;";
            break;
        case '\'':
            m_buffer += "&#39;";
            break;
        default:
            m_buffer += c;
        }
    }
}

bool ModernPage::flush(bool force)
{
    if (m_buffer.size() < flushSize && !force)
        return true;
    if (m_device->write(m_buffer) != m_buffer.size()) {
        m_error = m_device->errorString();
        if (m_error.isEmpty())
            m_error = QStringLiteral("The page could not be written.");
        return false;
    }
    m_buffer.clear();
    return true;
}

void ModernPage::head()
{
    const QString title = m_snapshot.title.isEmpty() ? QStringLiteral("Velmora") : m_snapshot.title;
    raw("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta http-equiv=\"X-UA-Compatible\" content=\"IE=edge\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "<meta name=\"color-scheme\" content=\"light dark\">\n<title>");
    text(title);
    raw("</title>\n<style>\n");
    raw(ModernStyle::css(m_snapshot.style));
    raw("</style>\n</head>\n<body>\n");
    raw("<svg width=\"0\" height=\"0\" style=\"position:absolute\" aria-hidden=\"true\" focusable=\"false\">");
    for (const KindInfo &kind : kinds) {
        raw("<symbol id=\"");
        raw(kind.id);
        raw("\" viewBox=\"0 0 24 24\">");
        raw(kind.shape);
        raw("</symbol>");
    }
    raw("</svg>\n");
}

void ModernPage::header()
{
    const StyleFields &style = m_snapshot.style;
    raw("<div class=\"wrap\">\n<header class=\"card\">\n");
    if (isSet(style.logoFile)) {
        raw("<img class=\"logo\" src=\"Menu/");
        raw(ModernStyle::relativeLink(PathMapping::getFileName(style.logoFile)));
        raw("\" alt=\"\">\n");
    }
    raw("<h1>");
    text(m_snapshot.title.isEmpty() ? QStringLiteral("Velmora") : m_snapshot.title);
    raw("</h1>\n");
    if (isSet(style.soundFile)) {
        // The user starts the sound; it never plays by itself.
        raw("<audio controls loop preload=\"none\" aria-label=\"Background sound\" src=\"Menu/");
        raw(ModernStyle::relativeLink(PathMapping::getFileName(style.soundFile)));
        raw("\"></audio>\n");
    }
    raw("</header>\n");
    // Shown by the script, which is what makes it work.
    raw("<div class=\"card tools\" id=\"tools\" role=\"search\" style=\"display:none\">\n"
        "<label for=\"q\">Search</label>\n"
        "<input type=\"search\" id=\"q\" autocomplete=\"off\" placeholder=\"Title or description\">\n"
        "<p id=\"count\" role=\"status\" aria-live=\"polite\"></p>\n</div>\n<main id=\"menu\">\n");
}

void ModernPage::openSection(const QString &category)
{
    const QByteArray index = QByteArray::number(m_categories.size());
    m_categories.append(category.isEmpty() ? QStringLiteral("Other") : category);
    // Open in the markup: without a script every entry shows.
    raw("<section class=\"cat\" id=\"s" + index + "\">\n<h2><button type=\"button\" class=\"cat-b\" id=\"b" + index +
        "\" aria-expanded=\"true\" aria-controls=\"p" + index + "\">");
    text(m_categories.last());
    raw("</button></h2>\n<ul class=\"entries\" id=\"p" + index + "\">\n");
}

void ModernPage::closeSection()
{
    raw("</ul>\n</section>\n");
}

void ModernPage::entry(const ModernEntry &entry)
{
    const Kind kind = kindOf(entry.link);
    raw("<li class=\"e\"><svg class=\"ic\" aria-hidden=\"true\" focusable=\"false\"><use xlink:href=\"#");
    raw(infoOf(kind).id);
    raw("\"></use></svg><div class=\"eb\"><h3 class=\"et\">");
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
    raw(infoOf(kind).label);
    if (!m_snapshot.rootPath.isEmpty() && !entry.link.isEmpty()) {
        const QFileInfo file(m_snapshot.rootPath + entry.link);
        if (file.isFile()) {
            raw(" \xC2\xB7 <span class=\"size\">");
            text(sizeText(file.size()));
            raw("</span>");
        }
    }
    raw("</p>");
    if (!entry.description.isEmpty()) {
        // Descriptions keep their markup, as in every template.
        raw("<div class=\"ed\">");
        raw(entry.description.toUtf8());
        raw("</div>");
    }
    raw("</div>");
    if (m_screenshots && isSet(entry.screenshot)) {
        raw("<img class=\"shot\" loading=\"lazy\" src=\"Menu/");
        raw(ModernStyle::relativeLink(PathMapping::getFileName(entry.screenshot)));
        raw("\" alt=\"");
        text(title);
        raw("\">");
    }
    raw("</li>\n");
}

void ModernPage::ending()
{
    raw("</main>\n");
    if (!m_categories.isEmpty()) {
        raw("<nav class=\"card\" id=\"sections\" aria-labelledby=\"nh\">\n<h2 id=\"nh\">Sections</h2>\n<ul>\n");
        for (int i = 0; i < m_categories.size(); ++i) {
            raw("<li><a href=\"#s" + QByteArray::number(i) + "\">");
            text(m_categories.at(i));
            raw("</a></li>\n");
        }
        raw("</ul>\n</nav>\n");
    }
    raw("<footer><a href=\"");
    text(MakerAddress::url());
    raw("\">\xC2\xA9 ");
    text(MakerAddress::host());
    raw("</a></footer>\n</div>\n<script>\n");
    raw(script);
    raw("</script>\n</body>\n</html>\n");
}

bool ModernPage::write(QIODevice *device, const EntrySource &next)
{
    m_device = device;
    m_buffer.clear();
    m_buffer.reserve(flushSize + 64 * 1024);
    m_categories.clear();
    m_entries = 0;
    m_error.clear();
    if (!device || !device->isWritable()) {
        m_error = QStringLiteral("The page has nowhere to go: the device is not open for writing.");
        return false;
    }
    head();
    header();
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
    ending();
    return flush(true);
}
