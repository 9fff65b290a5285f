#include "core/generate/PageWriter.h"

#include "core/generate/AnsiText.h"
#include "core/generate/MakerAddress.h"
#include "core/generate/MenuFolder.h"
#include "core/generate/PathMapping.h"
#include "core/data/DataError.h"
#include "core/data/clsData.h"

#include <QDir>
#include <QVector>
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

Field field(const Recordset &rs, int column)
{
    const std::optional<QByteArrayView> bytes = rs.utf8(column);
    if (bytes && isAscii(*bytes))
        return {QLatin1String(bytes->data(), bytes->size()), {}, true};
    return {{}, rs.value(column).toString(), false};
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

// The entries of a recordset, read row by row: the fields refer to the recordset's own bytes, so a large menu
// is not copied once more on its way into the page.
class EntryRows
{
public:
    explicit EntryRows(const Recordset &rs)
        : m_rs(rs), m_fileName(rs.columnIndex(QStringLiteral("FileName"))),
          m_fileLink(rs.columnIndex(QStringLiteral("FileLink"))),
          m_description(rs.columnIndex(QStringLiteral("Description"))),
          m_screenshot(rs.columnIndex(QStringLiteral("Screenshot")))
    {
    }

    int count() const { return m_rs.recordCount(); }
    bool atEnd() const { return m_rs.atEnd(); }
    void next() { m_rs.moveNext(); }

    Field fileName() const { return field(m_rs, m_fileName); }
    Field fileLink() const { return field(m_rs, m_fileLink); }
    Field description() const { return field(m_rs, m_description); }
    Field screenshot() const { return field(m_rs, m_screenshot); }

private:
    Recordset m_rs; // a copy: it shares the rows, with a position of its own
    int m_fileName, m_fileLink, m_description, m_screenshot;
};

// What a page is made of, all read before the first byte is written.
struct PageSource
{
    Recordset entries;           // Standard layouts
    QVector<QString> categories; // Extended layouts: the categories in order, and the entries of each
    QVector<Recordset> byCategory;
};

enum class Layout { Standard, StandardScreenshots, Extended, ExtendedScreenshots };

// One page: the frame shared by all templates, with the template's own sections.
class Page
{
public:
    Page(const MenuSnapshot &snapshot, Layout layout, AnsiText &out)
        : m_snapshot(snapshot), m_layout(layout), m_buttonImage(isSet(snapshot.style.buttonOnImage)),
          m_buttonOffLink(LinkText::forPage(PathMapping::getFileName(snapshot.style.buttonOffImage))), m_out(out)
    {
    }

    void standard(const Recordset &entries);
    void extended(const QVector<QString> &categories, const QVector<Recordset> &entriesByCategory);

private:
    void head();
    void switchScript();
    void bodyOpening();
    void button(int index, int top, const Field &label, const char *target);
    void footer();
    void standardArrays(const Recordset &entries);
    void standardDisplayText();
    void standardContent();
    void extendedScripts();
    void extendedContent(const QVector<Recordset> &entriesByCategory);

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
    const bool m_buttonImage;      // the button-on field is set
    const QString m_buttonOffLink; // written on every button
    AnsiText &m_out;               // where the page goes: a buffer, or on to a file as it grows
    QByteArray m_link;             // an encoded link on its way to m_out
};

void Page::head()
{
    m_out << "<html>" << "\r\n";
    m_out << "<head>" << "\r\n";
    m_out << "<link rel=stylesheet type='text/css' href='Menu/Styles.css'>" << "\r\n";
    m_out << "<title>Velmora</title>" << "\r\n";
    if (isSet(m_snapshot.style.soundFile)) {
        m_out << "<bgsound src='Menu/";
        mediaLinkInMarkup(m_snapshot.style.soundFile);
        m_out << "' loop=1'>" << "\r\n";
    }
    m_out << "<script language='JavaScript'>" << "\r\n";
}

void Page::switchScript()
{
    m_out << "function switchButton(ID){" << "\r\n";
    m_out << "  nums = document.all.Bt.length - 1" << "\r\n";
    m_out << "        for (var i = 0; i <= nums; i++) {" << "\r\n";
    m_out << "             if(i==ID){" << "\r\n";
    m_out << "                document.all.Bt[i].className='ButActive';" << "\r\n";
    if (isSet(m_snapshot.style.buttonOnImage)) {
        m_out << "                document.all.Bi[i].src='Menu/";
        mediaLinkInScript(m_snapshot.style.buttonOnImage);
        m_out << "';" << "\r\n";
    }
    m_out << "            }" << "\r\n";
    m_out << "            else{" << "\r\n";
    m_out << "                  document.all.Bt[i].className='But';" << "\r\n";
    if (isSet(m_snapshot.style.buttonOffImage)) {
        m_out << "                  document.all.Bi[i].src='Menu/";
        mediaLinkInScript(m_snapshot.style.buttonOffImage);
        m_out << "';" << "\r\n";
    }
    m_out << "            }" << "\r\n";
    m_out << "        }" << "\r\n";
    m_out << "    }" << "\r\n";
}

void Page::bodyOpening()
{
    m_out << "</script>" << "\r\n";
    m_out << "</head>" << "\r\n";
    m_out << "<body>" << "\r\n";
    m_out << "<table border='0' width='100%'>" << "\r\n";
    m_out << "  <tr>" << "\r\n";
    m_out << "    <td width='50%' align='center'>" << "\r\n";
    m_out << "      <h2>";
    m_out.plainText(m_snapshot.title);
    m_out << "</h2>" << "\r\n";
    m_out << "    </td>" << "\r\n";
    m_out << "  </tr>" << "\r\n";
    m_out << "</table>" << "\r\n";
    if (isSet(m_snapshot.style.logoFile)) {
        m_out << "<div class='Logo' width='100px'> <img src='Menu/";
        mediaLinkInMarkup(m_snapshot.style.logoFile);
        m_out << "' border='0' ></div>" << "\r\n";
    }
}

void Page::button(int index, int top, const Field &label, const char *target)
{
    m_out << "<div style='position:absolute;top:" << top << "px; left:20px;width:100px'>" << "\r\n";
    // The image line depends on the button-on field but shows the button-off image: the look of an inactive button.
    if (m_buttonImage) {
        m_out << "    <img  id='Bi' src='Menu/";
        m_out.markup(m_buttonOffLink);
        m_out << "' >" << "\r\n";
    }
    m_out << "</div>" << "\r\n";
    m_out << "<div  style='position:absolute;top:" << top + 5 << "px ;left:30px;width:100px'>" << "\r\n";
    m_out << "    <p id='Bt' class='But' onmouseover='switchButton(" << index << target << index << ")'>";
    plainText(label);
    m_out << "</p>" << "\r\n";
    m_out << "</div>" << "\r\n";
}

void Page::footer()
{
    m_out << "<div style='position:absolute; bottom:10px;width:200px'>" << "\r\n";
    m_out << "<a href='";
    m_out.markup(MakerAddress::url());
    m_out << "'>\xA9 ";
    m_out.markup(MakerAddress::host());
    m_out << "</a>" << "\r\n";
    m_out << "</div>" << "\r\n";
    m_out << "</body></html>" << "\r\n";
}

void Page::standardArrays(const Recordset &entries)
{
    EntryRows entry(entries);
    const int count = entry.count();
    m_out << "var arT=new Array(" << count << ")" << "\r\n";
    m_out << "var arD=new Array(" << count << ")" << "\r\n";
    m_out << "var arS=new Array(" << count << ")" << "\r\n";
    for (int i = 0; i < count; ++i, entry.next()) {
        m_out << "arT[" << i << "]='<a href=";
        scriptString(pageLink(entry.fileLink(), false, m_link));
        m_out << ">";
        plainTextInScript(entry.fileName());
        m_out << "</a>';" << "\r\n";
        m_out << "arD[" << i << "]='";
        scriptString(entry.description());
        m_out << "';" << "\r\n";
        const Field screenshot = entry.screenshot();
        if (isSet(screenshot)) {
            m_out << "arS[" << i << "]= '<img src=";
            if (m_layout == Layout::StandardScreenshots)
                m_out << "Menu/";
            mediaLinkInScript(screenshot);
            m_out << ">'" << "\r\n";
        } else {
            m_out << "arS[" << i << "]='&nbsp;'" << "\r\n";
        }
    }
}

void Page::standardDisplayText()
{
    m_out << "    function displayText(ID){" << "\r\n";
    if (m_layout == Layout::StandardScreenshots)
        m_out << "        document.all.LTitle.innerHTML=arT[ID]; document.all.Des.innerText=arD[ID];"
                 "document.all.SShot.innerHTML=arS[ID];"
              << "\r\n";
    else
        m_out << "        document.all.LTitle.innerHTML=arT[ID]; document.all.Des.innerText=arD[ID];" << "\r\n";
    m_out << "    }" << "\r\n";
}

void Page::standardContent()
{
    const bool screenshots = m_layout == Layout::StandardScreenshots;
    m_out << "<div style='position:absolute;left:200px;top:120px;border:1px groove''>" << "\r\n";
    m_out << "      <div>" << "\r\n";
    m_out << "      <table border='0' width='100%'>" << "\r\n";
    m_out << "        <tr>" << "\r\n";
    m_out << "          <td style='padding-left:20px' width='70%' align='left' valign='top'>" << "\r\n";
    m_out << "            <p id='LTitle'>TitleLink</p>" << "\r\n";
    m_out << "          </td>" << "\r\n";
    if (screenshots)
        m_out << "          <td width='30%' align='right' valign='top'>&nbsp;</td>" << "\r\n";
    m_out << "        </tr>" << "\r\n";
    m_out << "      </table>" << "\r\n";
    m_out << "    </div>" << "\r\n";
    m_out << "    <div >" << "\r\n";
    m_out << "      <table border='0' width='100%'>" << "\r\n";
    m_out << "        <tr>" << "\r\n";
    m_out << "          <td style='padding-left:30px' width='70%' align='left' valign='top'>" << "\r\n";
    m_out << "            <p id='Des'>Description</p>" << "\r\n";
    m_out << "          </td>" << "\r\n";
    if (screenshots)
        m_out << "          <td id='SShot' width='30%' align='right' valign='top'>&nbsp;</td>" << "\r\n";
    m_out << "         </tr>" << "\r\n";
    m_out << "      </table>" << "\r\n";
    m_out << "    </div>" << "\r\n";
    m_out << "</div>" << "\r\n";
}

void Page::standard(const Recordset &entries)
{
    m_out.reserve(4096 + entries.recordCount() * 700);
    head();
    standardArrays(entries);
    switchScript();
    standardDisplayText();
    bodyOpening();
    int top = 120;
    int i = 0;
    for (EntryRows entry(entries); !entry.atEnd(); entry.next(), ++i) {
        button(i, top, entry.fileName(), ")' onclick='displayText(");
        top += 35;
    }
    standardContent();
    footer();
}

void Page::extendedScripts()
{
    m_out << "var ie = false;" << "\r\n";
    m_out << "var ns = false;" << "\r\n";
    m_out << "if (document.layers){ns = true;}" << "\r\n";
    m_out << "if (navigator.appName.indexOf ('Microsoft') == 0) {ie=true}" << "\r\n";
}

void Page::extendedContent(const QVector<Recordset> &entriesByCategory)
{
    const bool screenshots = m_layout == Layout::ExtendedScreenshots;
    for (int category = 0; category < entriesByCategory.size(); ++category) {
        m_out << "<div id='Cat' style='position:absolute;left:200px;top:120px;border:1px groove'>" << "\r\n";
        EntryRows entry(entriesByCategory.at(category));
        for (int sub = 0; !entry.atEnd(); ++sub, entry.next()) {
            m_out << "<div id='LTitle' style='border:1px groove'>" << "\r\n";
            m_out << "      <table border='0' width='100%'>" << "\r\n";
            m_out << "        <tr>" << "\r\n";
            m_out << "          <td style='padding-left:20px' width='70%' align='left' valign='top'>" << "\r\n";
            m_out << "            <p class='TLink' onclick='displayText(" << category << "," << sub << ")'>";
            plainText(entry.fileName());
            m_out << "</p>" << "\r\n";
            m_out << "          </td>" << "\r\n";
            if (screenshots)
                m_out << "          <td width='30%' align='right' valign='top'>&nbsp;</td>" << "\r\n";
            m_out << "        </tr>" << "\r\n";
            m_out << "      </table>" << "\r\n";
            m_out << " </div>" << "\r\n";
            m_out << " <div id='Des' style='display:none'>" << "\r\n";
            m_out << "      <table border='0' width='100%'>" << "\r\n";
            m_out << "        <tr>" << "\r\n";
            m_out << "          <td style='padding-left:30px' width='70%' align='left' valign='top'>" << "\r\n";
            m_out << "            <p>";
            markup(entry.description());
            m_out << "</p><a align='right' href=";
            markup(pageLink(entry.fileLink(), false, m_link));
            m_out << ">Open</a>" << "\r\n";
            m_out << "          </td>" << "\r\n";
            if (screenshots) {
                const Field screenshot = entry.screenshot();
                if (isSet(screenshot)) {
                    m_out << " <td id='SShot' width='30%' align='right' valign='top'><img src=Menu/";
                    mediaLinkInMarkup(screenshot);
                    m_out << "></td>" << "\r\n";
                } else {
                    m_out << "          <td id='SShot' width='30%' align='right' valign='top'>&nbsp;</td>" << "\r\n";
                }
            }
            m_out << "        </tr>" << "\r\n";
            m_out << "      </table>" << "\r\n";
            m_out << " </div>" << "\r\n";
        }
        m_out << "</div>" << "\r\n";
    }
    m_out << "<script language='JavaScript'>" << "\r\n";
    m_out << "     displayCat (0)" << "\r\n";
    m_out << "</script>" << "\r\n";
}

void Page::extended(const QVector<QString> &categories, const QVector<Recordset> &entriesByCategory)
{
    qsizetype entryCount = 0;
    for (const Recordset &entries : entriesByCategory)
        entryCount += entries.recordCount();
    m_out.reserve(8192 + categories.size() * 400 + entryCount * 1000);
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
    const bool lonePanel = categories.size() == 1;
    for (const char *line : displayScripts) {
        if (lonePanel)
            m_out << QByteArray(line).replace("document.all.Cat[CID]", "document.all.Cat").constData() << "\r\n";
        else
            m_out << line << "\r\n";
    }
    bodyOpening();
    int top = 120;
    for (int i = 0; i < categories.size(); ++i) {
        button(i, top, Field{{}, categories.at(i), false}, ")' onclick='displayCat(");
        top += 35;
    }
    extendedContent(entriesByCategory);
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

} // namespace

PageWriter::PageWriter(const MenuSnapshot &snapshot, clsData &data) : m_snapshot(snapshot), m_data(data)
{
}

QString PageWriter::noEntriesText()
{
    return QStringLiteral("The page was not written: the menu has no entries.");
}

std::optional<QByteArray> PageWriter::page(const QString &templateName, QString *error)
{
    AnsiText out;
    if (!make(templateName, out, nullptr, error))
        return std::nullopt;
    return out.bytes();
}

bool PageWriter::make(const QString &templateName, AnsiText &out, const std::function<bool()> &ready, QString *error)
{
    const std::optional<Layout> layout = layoutOf(templateName);
    if (!layout) {
        if (error)
            *error = QStringLiteral("The page was not written: \"%1\" is not a template.").arg(templateName);
        return false;
    }
    PageSource source;
    try {
        const qint64 menu = m_snapshot.currentMenuID;
        if (*layout == Layout::Standard || *layout == Layout::StandardScreenshots) {
            source.entries = m_data.GetRS(Sql::selectEntries(menu));
            if (source.entries.atEnd()) {
                if (error)
                    *error = noEntriesText();
                return false;
            }
        } else {
            Recordset groups = m_data.GetRS(Sql::selectCategories(menu));
            while (!groups.atEnd()) {
                source.categories.append(groups.text(QStringLiteral("Category")));
                groups.moveNext();
            }
            groups.close();
            if (source.categories.isEmpty()) {
                if (error)
                    *error = noEntriesText();
                return false;
            }
            try {
                m_data.ExecuteSQL(Sql::createCategoryIndex());
            } catch (const DataError &) {
                // A read-only database builds the page all the same, only more slowly.
            }
            QVector<SqlStatement> queries;
            queries.reserve(source.categories.size());
            for (const QString &category : source.categories)
                queries.append(Sql::selectEntriesInCategory(menu, category));
            source.byCategory = m_data.GetRSs(queries);
        }
    } catch (const DataError &failure) {
        if (error)
            *error = QStringLiteral("The page was not written: %1").arg(failure.message());
        return false;
    }
    if (ready && !ready())
        return false;
    try {
        Page page(m_snapshot, *layout, out);
        if (*layout == Layout::Standard || *layout == Layout::StandardScreenshots)
            page.standard(source.entries);
        else
            page.extended(source.categories, source.byCategory);
    } catch (const DataError &failure) {
        // A recordset without the columns of an entry.
        if (error)
            *error = QStringLiteral("The page was not written: %1").arg(failure.message());
        return false;
    }
    return true;
}

StepResult PageWriter::writePage(const QString &templateName)
{
    if (m_snapshot.rootPath.isEmpty())
        return MenuFolder::noRootFolder();
    // The page goes to the file as it is made: a large menu is never held in memory whole.
    const QString path = MenuFolder::createMenuFile(m_snapshot.rootPath);
    ReplacingFile file(path);
    AnsiText out;
    out.streamTo([&file](const char *data, qsizetype size) { return file.write(data, size); });
    QString error;
    if (!make(templateName, out, [&file] { return file.open(); }, &error)) {
        if (!error.isEmpty())
            return StepResult::failure(error);
    } else if (out.flush() && file.commit()) {
        return StepResult::success();
    }
    return StepResult::failure(
        QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
}

StepResult PageWriter::write()
{
    return writePage(m_snapshot.templateName);
}

StepResult PageWriter::writeHTMLStandard()
{
    return writePage(MenuTemplate::standard());
}

StepResult PageWriter::writeHTMLStandardScreen()
{
    return writePage(MenuTemplate::standardScreenshots());
}

StepResult PageWriter::writeHTMLExtended()
{
    return writePage(MenuTemplate::extended());
}

StepResult PageWriter::writeHTMLExtendedScreen()
{
    return writePage(MenuTemplate::extendedScreenshots());
}
