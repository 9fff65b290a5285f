#include "core/generate/ModernPage.h"

#include "core/generate/DescriptionCleaner.h"
#include "core/generate/ModernStyle.h"
#include "core/model/PathMapping.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QIODevice>
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

// The page's script and stylesheet (web/modern.js, web/modern.css), compiled in. The script is ES5 only, so the HTA
// host runs it too; the page is complete without it.
QByteArray webFile(const char *name)
{
    QFile file(QStringLiteral(":/modern/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A JSON string, safe inside a script element and an ES5 string literal: no "<", no line break of any kind.
QByteArray jsonText(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size() + 2);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\\')
            escaped += QLatin1Char('\\') + c;
        else if (u < 0x20 || u == u'<' || u == 0x2028 || u == 0x2029)
            escaped += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
        else
            escaped += c;
    }
    return "\"" + escaped.toUtf8() + "\"";
}

} // namespace

ModernPage::ModernPage(const MenuSnapshot &snapshot, bool screenshots)
    : m_snapshot(snapshot), m_screenshots(screenshots), m_words(snapshot.language)
{}

QString ModernPage::sizeText(qint64 bytes, const ModernPageWords &words)
{
    if (bytes < 1024)
        return bytes == 1 ? words.byte : words.bytes.arg(words.digits(bytes));
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
    const QString number = value < 10 ? words.oneDecimal(value) : words.digits(qint64(value));
    return number + QChar(0xA0) + words.units.at(unit);
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

StyleFields ModernPage::presentStyle() const
{
    StyleFields style = m_snapshot.style;
    for (QString *media : {&style.backImage, &style.buttonOnImage, &style.buttonOffImage})
        if (!styleMediumPresent(*media))
            media->clear();
    return style;
}

QString ModernPage::countText(qint64 count) const
{
    if (count == 1)
        return m_words.entry;
    return m_words.entries.arg(m_words.number(count));
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
    text(m_words.description.arg(title, countText(m_entries)));
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
    raw(ModernStyle::css(presentStyle()));
    raw(webFile("modern.css"));
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
            text(m_words.number(m_counts.at(i)));
            raw("</span></a></li>\n");
        }
        raw("</ul>\n</nav>\n");
    }
    raw("</div>\n<p class=\"print\">");
    text(m_words.printed);
    QByteArray classes = m_entries > 1000 ? "big" : "";
    if (ModernStyle::pictured(presentStyle()))
        classes += classes.isEmpty() ? "pictured" : " pictured";
    raw(classes.isEmpty() ? "</p>\n<main id=\"menu\" tabindex=\"-1\">\n"
                          : "</p>\n<main id=\"menu\" class=\"" + classes + "\" tabindex=\"-1\">\n");
}

void ModernPage::openSection(const QString &category)
{
    const QByteArray index = QByteArray::number(m_categories.size());
    m_categories.append(category.isEmpty() ? m_words.otherCategory : category);
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
    // The script searches the file names from a list of its own: reading them from the entries' links would cost
    // it most of a second at 100,000 entries.
    if (m_entries > 0)
        m_files += ',';
    m_files += jsonText(entry.link);
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
    text(m_words.kinds.at(int(kind)));
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
        text(m_words.screenshot.arg(title));
        raw("\"><img src=\"" + link + "\" width=\"160\" height=\"100\" loading=\"lazy\" alt=\"\"></a>");
    }
    raw("</li>\n");
}

bool ModernPage::ending(QIODevice *files)
{
    // The maker's page, when the build names one; otherwise the footer is plain text.
    raw("</main>\n<footer>");
    if (m_snapshot.makerAddress.isEmpty()) {
        text(m_words.madeWith);
    } else {
        raw("<a href=\"");
        text(m_snapshot.makerAddress);
        raw("\">");
        text(m_words.madeWith);
        raw("</a>");
    }
    raw("</footer>\n</div>\n<script>\nvar W = {");
    const struct
    {
        const char *name;
        QString value;
    } words[] = {{"entry", m_words.entry}, {"entries", m_words.entries},       {"shownOf", m_words.shownOf},
                 {"group", m_words.groupSeparator()}, {"zero", m_words.zeroDigit()}, {"play", m_words.play},
                 {"pause", m_words.pause}};
    for (const auto &word : words) {
        raw(word.name);
        raw(": ");
        raw(jsonText(word.value));
        raw(&word == &words[std::size(words) - 1] ? "};\nvar F = [" : ", ");
    }
    // The entries' files, in their order.
    while (!files->atEnd()) {
        raw(files->read(flushSize));
        if (!flush(false))
            return false;
    }
    raw("];\n");
    raw(webFile("modern.js"));
    raw("</script>\n</body>\n</html>\n");
    return true;
}

bool ModernPage::flushFiles(QIODevice *files, bool force)
{
    if (m_files.size() < flushSize && !force)
        return true;
    if (files->write(m_files) != m_files.size()) {
        m_error = files->errorString();
        return false;
    }
    m_files.clear();
    return true;
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
    QTemporaryFile files;
    if (!files.open()) {
        m_error = QCoreApplication::translate("Build", "There is no room for the page's entries: %1")
                      .arg(files.errorString());
        return false;
    }
    m_device = &entries;
    m_files.clear();
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
        if (!flush(false) || !flushFiles(&files, false))
            return false;
    }
    if (m_entries > 0)
        closeSection();
    if (!flush(true) || !entries.seek(0) || !flushFiles(&files, true) || !files.seek(0))
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
    return ending(&files) && flush(true);
}
