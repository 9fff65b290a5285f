#include "core/generate/PageWriter.h"

#include "core/data/DataError.h"
#include "core/data/MenuReader.h"
#include "core/generate/AnsiText.h"
#include "core/generate/BuildChecks.h"
#include "core/generate/MenuFolder.h"
#include "core/generate/ModernPage.h"
#include "core/model/PathMapping.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QUrl>
#include <cstring>

namespace {

// A value of an entry. Most entries are ASCII: those are written from the database's own bytes (ASCII is the same
// in UTF-8 and Latin-1) without making a QString of each.
struct Field
{
    QLatin1String ascii;
    QString text;
    bool isAscii = true;
};

QString textOf(const Field &field)
{
    return field.isAscii ? QString(field.ascii) : field.text;
}

// The marks of a way out of the CD root: most links have none and pass without a copy being made.
template <typename Text> bool mayLeaveRoot(const Text &link)
{
    return link.startsWith(QLatin1Char('/')) || link.startsWith(QLatin1Char('\\')) ||
           (link.size() >= 2 && QChar(link.at(1)) == QLatin1Char(':')) || link.contains(QLatin1String(".."));
}

bool mayLeaveRoot(const Field &link)
{
    return link.isAscii ? mayLeaveRoot(link.ascii) : mayLeaveRoot(link.text);
}

// A media field or screenshot counts as set when it is neither empty nor "none" (exact comparison).
bool isSet(const QString &field)
{
    return !field.isEmpty() && field != QLatin1String("none");
}

bool isSet(const Field &field)
{
    return field.isAscii ? !field.ascii.isEmpty() && field.ascii != QLatin1String("none") : isSet(field.text);
}

bool isAscii(QByteArrayView bytes)
{
    const char *data = bytes.data();
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, data + i, 8);
        if (word & 0x8080808080808080ULL)
            return false;
    }
    for (; i < size; ++i) {
        if (uchar(data[i]) >= 0x80)
            return false;
    }
    return true;
}

Field field(const EntryCursor &row, int column)
{
    const SqliteStatement::Raw raw = row.raw(column);
    switch (raw.type) {
    case SqliteStatement::Null:
        return {};
    case SqliteStatement::Text:
    case SqliteStatement::Blob:
        if (isAscii(raw.utf8))
            return {QLatin1String(raw.utf8.data(), raw.utf8.size()), {}, true};
        return {{}, QString::fromUtf8(raw.utf8), false};
    default:
        return {{}, row.value(column).toString(), false};
    }
}

// The link as the page writes it (LinkText::forPage); fileNameOnly keeps only the part after the last separator
// (PathMapping::getFileName), as media files are copied into the Menu folder. An encoded ASCII link is kept in
// buffer until the next call.
Field pageLink(const Field &value, bool fileNameOnly, QByteArray &buffer)
{
    if (value.isAscii) {
        QLatin1String link = value.ascii;
        if (fileNameOnly)
            link = link.mid(link.lastIndexOf(PathMapping::separator()) + 1);
        return {LinkText::forPage(link, buffer), {}, true};
    }
    return {{}, LinkText::forPage(fileNameOnly ? PathMapping::getFileName(value.text) : value.text), false};
}

// The entries of a menu as the cursor steps over them: the fields refer to the engine's bytes of the current row,
// so no entry is copied on its way into the page. The page refuses an entry that links outside the CD root; it is
// found here, as the entries pass, rather than by a pass of its own over a large menu. The first refusal ends this
// and every later pass that shares *refusal.
class EntryRows
{
public:
    EntryRows(EntryCursor rows, QString &refusal)
        : m_rows(std::move(rows)), m_fileName(m_rows.column(QStringLiteral("FileName"))),
          m_fileLink(m_rows.column(QStringLiteral("FileLink"))),
          m_description(m_rows.column(QStringLiteral("Description"))),
          m_screenshot(m_rows.column(QStringLiteral("Screenshot"))), m_refusal(refusal)
    {}

    bool next()
    {
        if (!m_refusal.isEmpty() || !m_rows.next())
            return false;
        const Field link = fileLink();
        if (mayLeaveRoot(link) && BuildChecks::isOutsideRoot(textOf(link)))
            m_refusal = BuildChecks::outsideRootText(textOf(fileName()), textOf(link));
        return m_refusal.isEmpty();
    }

    Field fileName() const { return field(m_rows, m_fileName); }
    Field fileLink() const { return field(m_rows, m_fileLink); }
    Field description() const { return field(m_rows, m_description); }
    Field screenshot() const { return field(m_rows, m_screenshot); }

private:
    EntryCursor m_rows;
    int m_fileName, m_fileLink, m_description, m_screenshot;
    QString &m_refusal;
};

// The categories of a menu, in page order.
class CategoryRows
{
public:
    explicit CategoryRows(EntryCursor rows)
        : m_rows(std::move(rows)), m_column(m_rows.column(QStringLiteral("Category")))
    {}
    bool next() { return m_rows.next(); }
    QString category() const { return m_rows.value(m_column).toString(); }

private:
    EntryCursor m_rows;
    int m_column;
};

enum class Layout { Standard, StandardScreenshots, Extended, ExtendedScreenshots };

// One page: the frame shared by all templates, with the template's own sections.
class Page
{
public:
    Page(const MenuSnapshot &snapshot, Layout layout, MenuReader &reader, AnsiText &out)
        : m_snapshot(snapshot), m_layout(layout), m_reader(reader), m_buttonImage(isSet(snapshot.style.buttonOnImage)),
          m_buttonOffLink(LinkText::forPage(PathMapping::getFileName(snapshot.style.buttonOffImage))), m_out(out)
    {}

    void standard(qint64 entryCount);
    void extended(qint64 categoryCount);
    // Why the page may not be used: an entry links outside the CD root. Empty when it may.
    QString refusal() const { return m_refusal; }

private:
    void head();
    void switchScript();
    void bodyOpening();
    void button(int index, int top, const Field &label, const char *target);
    void footer();
    void standardArrays(qint64 entryCount);
    void standardDisplayText();
    void standardContent();
    void extendedScripts();
    void extendedContent();
    qint64 menu() const { return m_snapshot.currentMenuID; }

    void markup(const Field &value) { value.isAscii ? m_out.markup(value.ascii) : m_out.markup(value.text); }
    // Titles and categories are plain text: they show as typed, whatever characters they hold.
    void plainText(const Field &value) { value.isAscii ? m_out.plainText(value.ascii) : m_out.plainText(value.text); }
    void plainTextInScript(const Field &value)
    {
        value.isAscii ? m_out.plainTextInScript(value.ascii) : m_out.plainTextInScript(value.text);
    }
    void scriptString(const Field &value)
    {
        value.isAscii ? m_out.scriptString(value.ascii) : m_out.scriptString(value.text);
    }
    void mediaLinkInMarkup(const QString &field) { m_out.markup(LinkText::forPage(PathMapping::getFileName(field))); }
    void mediaLinkInMarkup(const Field &field) { markup(pageLink(field, true, m_link)); }
    void mediaLinkInScript(const QString &field)
    {
        m_out.scriptString(LinkText::forPage(PathMapping::getFileName(field)));
    }
    void mediaLinkInScript(const Field &field) { scriptString(pageLink(field, true, m_link)); }

    const MenuSnapshot &m_snapshot;
    Layout m_layout;
    MenuReader &m_reader;
    const bool m_buttonImage;      // the button-on field is set
    const QString m_buttonOffLink; // written on every button
    AnsiText &m_out;               // handed on to the device as it grows
    QByteArray m_link;             // an encoded link on its way to m_out
    QString m_refusal;
};

void Page::head()
{
    m_out << "<html>"
          << "\r\n";
    m_out << "<head>"
          << "\r\n";
    m_out << "<link rel=stylesheet type='text/css' href='Menu/Styles.css'>"
          << "\r\n";
    m_out << "<title>Velmora</title>"
          << "\r\n";
    if (isSet(m_snapshot.style.soundFile)) {
        m_out << "<bgsound src='Menu/";
        mediaLinkInMarkup(m_snapshot.style.soundFile);
        m_out << "' loop=1'>"
              << "\r\n";
    }
    m_out << "<script language='JavaScript'>"
          << "\r\n";
}

void Page::switchScript()
{
    m_out << "function switchButton(ID){"
          << "\r\n";
    m_out << "  nums = document.all.Bt.length - 1"
          << "\r\n";
    m_out << "        for (var i = 0; i <= nums; i++) {"
          << "\r\n";
    m_out << "             if(i==ID){"
          << "\r\n";
    m_out << "                document.all.Bt[i].className='ButActive';"
          << "\r\n";
    if (isSet(m_snapshot.style.buttonOnImage)) {
        m_out << "                document.all.Bi[i].src='Menu/";
        mediaLinkInScript(m_snapshot.style.buttonOnImage);
        m_out << "';"
              << "\r\n";
    }
    m_out << "            }"
          << "\r\n";
    m_out << "            else{"
          << "\r\n";
    m_out << "                  document.all.Bt[i].className='But';"
          << "\r\n";
    if (isSet(m_snapshot.style.buttonOffImage)) {
        m_out << "                  document.all.Bi[i].src='Menu/";
        mediaLinkInScript(m_snapshot.style.buttonOffImage);
        m_out << "';"
              << "\r\n";
    }
    m_out << "            }"
          << "\r\n";
    m_out << "        }"
          << "\r\n";
    m_out << "    }"
          << "\r\n";
}

void Page::bodyOpening()
{
    m_out << "</script>"
          << "\r\n";
    m_out << "</head>"
          << "\r\n";
    m_out << "<body>"
          << "\r\n";
    m_out << "<table border='0' width='100%'>"
          << "\r\n";
    m_out << "  <tr>"
          << "\r\n";
    m_out << "    <td width='50%' align='center'>"
          << "\r\n";
    m_out << "      <h2>";
    m_out.plainText(m_snapshot.title);
    m_out << "</h2>"
          << "\r\n";
    m_out << "    </td>"
          << "\r\n";
    m_out << "  </tr>"
          << "\r\n";
    m_out << "</table>"
          << "\r\n";
    if (isSet(m_snapshot.style.logoFile)) {
        m_out << "<div class='Logo' width='100px'> <img src='Menu/";
        mediaLinkInMarkup(m_snapshot.style.logoFile);
        m_out << "' border='0' ></div>"
              << "\r\n";
    }
}

void Page::button(int index, int top, const Field &label, const char *target)
{
    m_out << "<div style='position:absolute;top:" << top << "px; left:20px;width:100px'>"
          << "\r\n";
    // The image line depends on the button-on field but shows the button-off image: the look of an inactive button.
    if (m_buttonImage) {
        m_out << "    <img  id='Bi' src='Menu/";
        m_out.markup(m_buttonOffLink);
        m_out << "' >"
              << "\r\n";
    }
    m_out << "</div>"
          << "\r\n";
    m_out << "<div  style='position:absolute;top:" << top + 5 << "px ;left:30px;width:100px'>"
          << "\r\n";
    m_out << "    <p id='Bt' class='But' onmouseover='switchButton(" << index << target << index << ")'>";
    plainText(label);
    m_out << "</p>"
          << "\r\n";
    m_out << "</div>"
          << "\r\n";
}

void Page::footer()
{
    m_out << "<div style='position:absolute; bottom:10px;width:200px'>"
          << "\r\n";
    if (m_snapshot.makerAddress.isEmpty()) {
        m_out << "\xA9 Velmora"
              << "\r\n";
    } else {
        m_out << "<a href='";
        m_out.markup(m_snapshot.makerAddress);
        m_out << "'>\xA9 ";
        m_out.markup(QUrl(m_snapshot.makerAddress).host());
        m_out << "</a>"
              << "\r\n";
    }
    m_out << "</div>"
          << "\r\n";
    m_out << "</body></html>"
          << "\r\n";
}

void Page::standardArrays(qint64 entryCount)
{
    const int count = int(entryCount);
    m_out << "var arT=new Array(" << count << ")"
          << "\r\n";
    m_out << "var arD=new Array(" << count << ")"
          << "\r\n";
    m_out << "var arS=new Array(" << count << ")"
          << "\r\n";
    EntryRows entry(m_reader.entries(menu()), m_refusal);
    for (int i = 0; entry.next(); ++i) {
        m_out << "arT[" << i << "]='<a href=";
        scriptString(pageLink(entry.fileLink(), false, m_link));
        m_out << ">";
        plainTextInScript(entry.fileName());
        m_out << "</a>';"
              << "\r\n";
        m_out << "arD[" << i << "]='";
        scriptString(entry.description());
        m_out << "';"
              << "\r\n";
        const Field screenshot = entry.screenshot();
        if (isSet(screenshot)) {
            m_out << "arS[" << i << "]= '<img src=";
            if (m_layout == Layout::StandardScreenshots)
                m_out << "Menu/";
            mediaLinkInScript(screenshot);
            m_out << ">'"
                  << "\r\n";
        } else {
            m_out << "arS[" << i << "]='&nbsp;'"
                  << "\r\n";
        }
    }
}

void Page::standardDisplayText()
{
    m_out << "    function displayText(ID){"
          << "\r\n";
    if (m_layout == Layout::StandardScreenshots)
        m_out << "        document.all.LTitle.innerHTML=arT[ID]; document.all.Des.innerText=arD[ID];"
                 "document.all.SShot.innerHTML=arS[ID];"
              << "\r\n";
    else
        m_out << "        document.all.LTitle.innerHTML=arT[ID]; document.all.Des.innerText=arD[ID];"
              << "\r\n";
    m_out << "    }"
          << "\r\n";
}

void Page::standardContent()
{
    const bool screenshots = m_layout == Layout::StandardScreenshots;
    m_out << "<div style='position:absolute;left:200px;top:120px;border:1px groove''>"
          << "\r\n";
    m_out << "      <div>"
          << "\r\n";
    m_out << "      <table border='0' width='100%'>"
          << "\r\n";
    m_out << "        <tr>"
          << "\r\n";
    m_out << "          <td style='padding-left:20px' width='70%' align='left' valign='top'>"
          << "\r\n";
    m_out << "            <p id='LTitle'>TitleLink</p>"
          << "\r\n";
    m_out << "          </td>"
          << "\r\n";
    if (screenshots)
        m_out << "          <td width='30%' align='right' valign='top'>&nbsp;</td>"
              << "\r\n";
    m_out << "        </tr>"
          << "\r\n";
    m_out << "      </table>"
          << "\r\n";
    m_out << "    </div>"
          << "\r\n";
    m_out << "    <div >"
          << "\r\n";
    m_out << "      <table border='0' width='100%'>"
          << "\r\n";
    m_out << "        <tr>"
          << "\r\n";
    m_out << "          <td style='padding-left:30px' width='70%' align='left' valign='top'>"
          << "\r\n";
    m_out << "            <p id='Des'>Description</p>"
          << "\r\n";
    m_out << "          </td>"
          << "\r\n";
    if (screenshots)
        m_out << "          <td id='SShot' width='30%' align='right' valign='top'>&nbsp;</td>"
              << "\r\n";
    m_out << "         </tr>"
          << "\r\n";
    m_out << "      </table>"
          << "\r\n";
    m_out << "    </div>"
          << "\r\n";
    m_out << "</div>"
          << "\r\n";
}

void Page::standard(qint64 entryCount)
{
    head();
    standardArrays(entryCount);
    if (!m_refusal.isEmpty())
        return;
    switchScript();
    standardDisplayText();
    bodyOpening();
    int top = 120;
    int i = 0;
    EntryCursor titles = m_reader.entryTitles(menu());
    const int title = titles.column(QStringLiteral("FileName"));
    for (; titles.next(); ++i) {
        button(i, top, field(titles, title), ")' onclick='displayText(");
        top += 35;
    }
    standardContent();
    footer();
}

void Page::extendedScripts()
{
    m_out << "var ie = false;"
          << "\r\n";
    m_out << "var ns = false;"
          << "\r\n";
    m_out << "if (document.layers){ns = true;}"
          << "\r\n";
    m_out << "if (navigator.appName.indexOf ('Microsoft') == 0) {ie=true}"
          << "\r\n";
}

void Page::extendedContent()
{
    const bool screenshots = m_layout == Layout::ExtendedScreenshots;
    CategoryRows categories(m_reader.categories(menu()));
    for (int category = 0; categories.next(); ++category) {
        m_out << "<div id='Cat' style='position:absolute;left:200px;top:120px;border:1px groove'>"
              << "\r\n";
        EntryRows entry(m_reader.entriesInCategory(menu(), categories.category()), m_refusal);
        for (int sub = 0; entry.next(); ++sub) {
            m_out << "<div id='LTitle' style='border:1px groove'>"
                  << "\r\n";
            m_out << "      <table border='0' width='100%'>"
                  << "\r\n";
            m_out << "        <tr>"
                  << "\r\n";
            m_out << "          <td style='padding-left:20px' width='70%' align='left' valign='top'>"
                  << "\r\n";
            m_out << "            <p class='TLink' onclick='displayText(" << category << "," << sub << ")'>";
            plainText(entry.fileName());
            m_out << "</p>"
                  << "\r\n";
            m_out << "          </td>"
                  << "\r\n";
            if (screenshots)
                m_out << "          <td width='30%' align='right' valign='top'>&nbsp;</td>"
                      << "\r\n";
            m_out << "        </tr>"
                  << "\r\n";
            m_out << "      </table>"
                  << "\r\n";
            m_out << " </div>"
                  << "\r\n";
            m_out << " <div id='Des' style='display:none'>"
                  << "\r\n";
            m_out << "      <table border='0' width='100%'>"
                  << "\r\n";
            m_out << "        <tr>"
                  << "\r\n";
            m_out << "          <td style='padding-left:30px' width='70%' align='left' valign='top'>"
                  << "\r\n";
            m_out << "            <p>";
            markup(entry.description());
            m_out << "</p><a align='right' href=";
            markup(pageLink(entry.fileLink(), false, m_link));
            m_out << ">Open</a>"
                  << "\r\n";
            m_out << "          </td>"
                  << "\r\n";
            if (screenshots) {
                const Field screenshot = entry.screenshot();
                if (isSet(screenshot)) {
                    m_out << " <td id='SShot' width='30%' align='right' valign='top'><img src=Menu/";
                    mediaLinkInMarkup(screenshot);
                    m_out << "></td>"
                          << "\r\n";
                } else {
                    m_out << "          <td id='SShot' width='30%' align='right' valign='top'>&nbsp;</td>"
                          << "\r\n";
                }
            }
            m_out << "        </tr>"
                  << "\r\n";
            m_out << "      </table>"
                  << "\r\n";
            m_out << " </div>"
                  << "\r\n";
        }
        m_out << "</div>"
              << "\r\n";
    }
    m_out << "<script language='JavaScript'>"
          << "\r\n";
    m_out << "     displayCat (0)"
          << "\r\n";
    m_out << "</script>"
          << "\r\n";
}

void Page::extended(qint64 categoryCount)
{
    head();
    extendedScripts();
    switchScript();
    static const char *const displayScripts[] = {
        "function displayText(CID, TID){",
        "        nums=document.all.Cat[CID].all.Des.length-1",
        "        if(isNaN(nums)){document.all.Cat[CID].all.Des.style.display='block'}",
        "        else{",
        "             for (var i = 0; i <= nums; i++) {",
        "                 if(i==TID){",
        "                        document.all.Cat[CID].all.Des[i].style.display='block';",
        "                 }",
        "                 else{",
        "                    document.all.Cat[CID].all.Des[i].style.display='none';",
        "                 }",
        "             }",
        "         }",
        "}",
        "function displayCat(ID){",
        "    nums = document.all.Cat.length - 1",
        "        for (var i = 0; i <= nums; i++) {",
        "            if(i==ID){",
        "                    if(ie){",
        "                        document.all.Cat [i].style.visibility = 'visible'",
        "                    }",
        "                    else{document.all.Cat[i].visibility='show'",
        "                    }",
        "            }",
        "            else{",
        "                    if(ie){",
        "                        document.all.Cat [i].style.visibility = 'hidden'",
        "                    }",
        "                    else{document.all.Cat[i].visibility='hide'",
        "                    }",
        "            }",
        "        }",
        "}",
    };
    // A lone panel is no collection in the browser, so "Cat[CID]" finds nothing and its descriptions could never
    // unfold: with one category the script names the panel itself.
    const bool lonePanel = categoryCount == 1;
    for (const char *line : displayScripts) {
        if (lonePanel)
            m_out << QByteArray(line).replace("document.all.Cat[CID]", "document.all.Cat").constData() << "\r\n";
        else
            m_out << line << "\r\n";
    }
    bodyOpening();
    int top = 120;
    CategoryRows categories(m_reader.categories(menu()));
    for (int i = 0; categories.next(); ++i) {
        button(i, top, Field{{}, categories.category(), false}, ")' onclick='displayCat(");
        top += 35;
    }
    extendedContent();
    footer();
}

std::optional<Layout> layoutOf(const QString &templateName)
{
    if (templateName == MenuTemplate::standard())
        return Layout::Standard;
    if (templateName == MenuTemplate::standardScreenshots())
        return Layout::StandardScreenshots;
    if (templateName == MenuTemplate::extended())
        return Layout::Extended;
    if (templateName == MenuTemplate::extendedScreenshots())
        return Layout::ExtendedScreenshots;
    return std::nullopt;
}

bool isStandard(Layout layout)
{
    return layout == Layout::Standard || layout == Layout::StandardScreenshots;
}

} // namespace

PageWriter::PageWriter(const MenuSnapshot &snapshot, MenuReader &reader) : m_snapshot(snapshot), m_reader(reader) {}

QString PageWriter::noEntriesText()
{
    return QCoreApplication::translate("Build", "The page was not written: the menu has no entries.");
}

StepResult PageWriter::check()
{
    m_checked = counted();
    return *m_checked;
}

StepResult PageWriter::counted()
{
    if (ModernPage::isModern(m_snapshot.templateName)) {
        try {
            m_count = m_reader.entryCount(m_snapshot.currentMenuID);
        } catch (const DataError &failure) {
            return StepResult::failure(
                QCoreApplication::translate("Build", "The page was not written: %1").arg(failure.message()));
        }
        return m_count == 0 ? StepResult::failure(noEntriesText()) : StepResult::success();
    }
    const std::optional<Layout> layout = layoutOf(m_snapshot.templateName);
    if (!layout)
        return StepResult::failure(
            QCoreApplication::translate("Build", "The page was not written: \"%1\" is not a template.")
                .arg(m_snapshot.templateName));
    try {
        if (isStandard(*layout))
            m_count = m_reader.entryCount(m_snapshot.currentMenuID);
        else
            m_count = m_reader.categoryCount(m_snapshot.currentMenuID, 2);
    } catch (const DataError &failure) {
        return StepResult::failure(
            QCoreApplication::translate("Build", "The page was not written: %1").arg(failure.message()));
    }
    if (m_count == 0)
        return StepResult::failure(noEntriesText());
    return StepResult::success();
}

StepResult PageWriter::write(QIODevice &device)
{
    const StepResult checked = m_checked ? *m_checked : check();
    if (!checked)
        return checked;
    if (ModernPage::isModern(m_snapshot.templateName))
        return writeModern(device);
    const Layout layout = *layoutOf(m_snapshot.templateName);
    if (!isStandard(layout))
        m_reader.addCategoryIndex();
    AnsiText out;
    out.streamTo([&device](const char *data, qsizetype size) { return device.write(data, size) == size; });
    try {
        Page page(m_snapshot, layout, m_reader, out);
        if (isStandard(layout))
            page.standard(m_count);
        else
            page.extended(m_count);
        if (!page.refusal().isEmpty())
            return StepResult::failure(
                QCoreApplication::translate("Build", "The page was not written: %1").arg(page.refusal()));
    } catch (const DataError &failure) {
        // A failing query, or a table without the columns of an entry.
        return StepResult::failure(
            QCoreApplication::translate("Build", "The page was not written: %1").arg(failure.message()));
    }
    if (!out.flush())
        return StepResult::failure(
            QCoreApplication::translate("Build", "The page was not written: %1").arg(device.errorString()));
    return StepResult::success();
}

StepResult PageWriter::writeModern(QIODevice &device)
{
    const bool screenshots = m_snapshot.templateName == MenuTemplate::modernScreenshots();
    ModernPage page(m_snapshot, screenshots);
    try {
        EntryCursor rows = m_reader.entriesByCategory(m_snapshot.currentMenuID);
        const int title = rows.column(QStringLiteral("FileName"));
        const int link = rows.column(QStringLiteral("FileLink"));
        const int description = rows.column(QStringLiteral("Description"));
        const int category = rows.column(QStringLiteral("Category"));
        const int screenshot = rows.column(QStringLiteral("Screenshot"));
        QString refusal;
        const StepResult written = page.write(&device, [&](ModernEntry &entry) {
            if (!rows.next())
                return false;
            entry.title = rows.value(title).toString();
            entry.link = rows.value(link).toString();
            if (mayLeaveRoot(entry.link) && BuildChecks::isOutsideRoot(entry.link)) {
                refusal = BuildChecks::outsideRootText(entry.title, entry.link);
                return false;
            }
            entry.description = rows.value(description).toString();
            entry.category = rows.value(category).toString();
            entry.screenshot = rows.value(screenshot).toString();
            return true;
        });
        if (!refusal.isEmpty() || !written)
            return StepResult::failure(QCoreApplication::translate("Build", "The page was not written: %1")
                                           .arg(refusal.isEmpty() ? written.error : refusal));
    } catch (const DataError &failure) {
        return StepResult::failure(
            QCoreApplication::translate("Build", "The page was not written: %1").arg(failure.message()));
    }
    return StepResult::success();
}
