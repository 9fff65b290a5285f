#include "core/generate/ClassicPage.h"

#include "core/data/MenuReader.h"
#include "core/generate/AnsiText.h"
#include "core/generate/EntryRows.h"
#include "core/generate/LinkText.h"
#include "core/model/PathMapping.h"

#include <QUrl>

namespace ClassicPage {

namespace {

// The screenshot cells of an entry's panel when the entry shows none.
constexpr char noShotBesideTitle[] = "          <td width='30%' align='right' valign='top'>&nbsp;</td>";
constexpr char noShot[] = "          <td id='SShot' width='30%' align='right' valign='top'>&nbsp;</td>";

// One page: the frame shared by all templates, with the template's own sections.
class Page
{
public:
    Page(const MenuSnapshot &snapshot, Layout layout, MenuReader &reader, AnsiText &out)
        : m_snapshot(snapshot), m_layout(layout), m_reader(reader),
          m_buttonImage(StyleFields::isSet(snapshot.style.buttonOnImage)),
          m_buttonOffLink(LinkText::forPage(PathMapping::getFileName(snapshot.style.buttonOffImage))), m_out(out)
    {}

    void standard(qint64 entryCount);
    void extended(qint64 categoryCount);
    // Fails when the page may not be used: an entry links outside the CD root.
    const StepResult &checked() const { return m_checked; }

private:
    void head();
    void switchScript();
    void bodyOpening();
    void button(int index, int top, TextUnits label, const char *target);
    void footer();
    void standardArrays(qint64 entryCount);
    void standardDisplayText();
    void standardContent();
    void extendedDisplayScripts(qint64 categoryCount);
    void extendedContent();
    // One row of an entry's panel, the table the Standard and Extended pages share: the left cell holds what
    // content writes (the title, or further in, the description), the right one, on a Screenshots page, what shot
    // writes. The Standard page's description row ends one blank further in.
    enum class Row { Title, Description, StandardDescription };
    template <typename Content, typename Shot> void entryTable(Row row, Content content, Shot shot);
    bool screenshots() const
    {
        return m_layout == Layout::StandardScreenshots || m_layout == Layout::ExtendedScreenshots;
    }
    qint64 menu() const { return m_snapshot.currentMenuID; }

    // A media file's link, to its copy in the Menu folder.
    void mediaLinkInMarkup(const Field &field) { m_out.markup(pageLink(field, true, m_link).view()); }
    void mediaLinkInScript(const Field &field) { m_out.scriptString(pageLink(field, true, m_link).view()); }

    const MenuSnapshot &m_snapshot;
    Layout m_layout;
    MenuReader &m_reader;
    const bool m_buttonImage;      // the button-on field is set
    const QString m_buttonOffLink; // written on every button
    AnsiText &m_out;               // handed on to the device as it grows
    QByteArray m_link;             // an encoded link on its way to m_out
    StepResult m_checked;          // the first refusal of an entry
};

void Page::head()
{
    m_out.line("<html>");
    m_out.line("<head>");
    m_out.line("<link rel=stylesheet type='text/css' href='Menu/Styles.css'>");
    m_out.line("<title>Velmora</title>");
    if (StyleFields::isSet(m_snapshot.style.soundFile)) {
        m_out << "<bgsound src='Menu/";
        mediaLinkInMarkup(Field::of(m_snapshot.style.soundFile));
        m_out.line("' loop=1'>");
    }
    m_out.line("<script language='JavaScript'>");
}

void Page::switchScript()
{
    m_out.line("function switchButton(ID){");
    m_out.line("  nums = document.all.Bt.length - 1");
    m_out.line("        for (var i = 0; i <= nums; i++) {");
    m_out.line("             if(i==ID){");
    m_out.line("                document.all.Bt[i].className='ButActive';");
    if (StyleFields::isSet(m_snapshot.style.buttonOnImage)) {
        m_out << "                document.all.Bi[i].src='Menu/";
        mediaLinkInScript(Field::of(m_snapshot.style.buttonOnImage));
        m_out.line("';");
    }
    m_out.line("            }");
    m_out.line("            else{");
    m_out.line("                  document.all.Bt[i].className='But';");
    if (StyleFields::isSet(m_snapshot.style.buttonOffImage)) {
        m_out << "                  document.all.Bi[i].src='Menu/";
        mediaLinkInScript(Field::of(m_snapshot.style.buttonOffImage));
        m_out.line("';");
    }
    m_out.line("            }");
    m_out.line("        }");
    m_out.line("    }");
}

void Page::bodyOpening()
{
    m_out.line("</script>");
    m_out.line("</head>");
    m_out.line("<body>");
    m_out.line("<table border='0' width='100%'>");
    m_out.line("  <tr>");
    m_out.line("    <td width='50%' align='center'>");
    m_out << "      <h2>";
    m_out.plainText(m_snapshot.title);
    m_out.line("</h2>");
    m_out.line("    </td>");
    m_out.line("  </tr>");
    m_out.line("</table>");
    if (StyleFields::isSet(m_snapshot.style.logoFile)) {
        m_out << "<div class='Logo' width='100px'> <img src='Menu/";
        mediaLinkInMarkup(Field::of(m_snapshot.style.logoFile));
        m_out.line("' border='0' ></div>");
    }
}

void Page::button(int index, int top, TextUnits label, const char *target)
{
    m_out.line("<div style='position:absolute;top:", top, "px; left:20px;width:100px'>");
    // The image line depends on the button-on field but shows the button-off image: the look of an inactive button.
    if (m_buttonImage) {
        m_out << "    <img  id='Bi' src='Menu/";
        m_out.markup(m_buttonOffLink);
        m_out.line("' >");
    }
    m_out.line("</div>");
    m_out.line("<div  style='position:absolute;top:", top + 5, "px ;left:30px;width:100px'>");
    m_out << "    <p id='Bt' class='But' onmouseover='switchButton(" << index << target << index << ")'>";
    m_out.plainText(label);
    m_out.line("</p>");
    m_out.line("</div>");
}

void Page::footer()
{
    m_out.line("<div style='position:absolute; bottom:10px;width:200px'>");
    if (m_snapshot.makerAddress.isEmpty()) {
        m_out.line("\xA9 Velmora");
    } else {
        m_out << "<a href='";
        m_out.markup(m_snapshot.makerAddress);
        m_out << "'>\xA9 ";
        m_out.markup(QUrl(m_snapshot.makerAddress).host());
        m_out.line("</a>");
    }
    m_out.line("</div>");
    m_out.line("</body></html>");
}

template <typename Content, typename Shot> void Page::entryTable(Row row, Content content, Shot shot)
{
    m_out.line("      <table border='0' width='100%'>");
    m_out.line("        <tr>");
    if (row == Row::Title)
        m_out.line("          <td style='padding-left:20px' width='70%' align='left' valign='top'>");
    else
        m_out.line("          <td style='padding-left:30px' width='70%' align='left' valign='top'>");
    content();
    m_out.line("          </td>");
    if (screenshots())
        shot();
    if (row == Row::StandardDescription)
        m_out.line("         </tr>");
    else
        m_out.line("        </tr>");
    m_out.line("      </table>");
}

void Page::standardArrays(qint64 entryCount)
{
    const int count = int(entryCount);
    m_out.line("var arT=new Array(", count, ")");
    m_out.line("var arD=new Array(", count, ")");
    m_out.line("var arS=new Array(", count, ")");
    EntryRows entry(m_reader.entries(menu()));
    for (int i = 0; entry.next(); ++i) {
        m_out << "arT[" << i << "]='<a href=";
        m_out.scriptString(pageLink(entry.fileLink(), false, m_link).view());
        m_out << ">";
        m_out.plainTextInScript(entry.fileName().view());
        m_out.line("</a>';");
        m_out << "arD[" << i << "]='";
        m_out.scriptString(entry.description().view());
        m_out.line("';");
        const Field screenshot = entry.screenshot();
        if (screenshot.isSet()) {
            m_out << "arS[" << i << "]= '<img src=";
            if (m_layout == Layout::StandardScreenshots)
                m_out << "Menu/";
            mediaLinkInScript(screenshot);
            m_out.line(">'");
        } else {
            m_out.line("arS[", i, "]='&nbsp;'");
        }
    }
    m_checked = entry.checked();
}

void Page::standardDisplayText()
{
    m_out.line("    function displayText(ID){");
    if (m_layout == Layout::StandardScreenshots)
        m_out.line("        document.all.LTitle.innerHTML=arT[ID]; document.all.Des.innerText=arD[ID];"
                   "document.all.SShot.innerHTML=arS[ID];");
    else
        m_out.line("        document.all.LTitle.innerHTML=arT[ID]; document.all.Des.innerText=arD[ID];");
    m_out.line("    }");
}

void Page::standardContent()
{
    m_out.line("<div style='position:absolute;left:200px;top:120px;border:1px groove''>");
    m_out.line("      <div>");
    entryTable(
        Row::Title, [this] { m_out.line("            <p id='LTitle'>TitleLink</p>"); },
        [this] { m_out.line(noShotBesideTitle); });
    m_out.line("    </div>");
    m_out.line("    <div >");
    entryTable(
        Row::StandardDescription, [this] { m_out.line("            <p id='Des'>Description</p>"); },
        [this] { m_out.line(noShot); });
    m_out.line("    </div>");
    m_out.line("</div>");
}

void Page::standard(qint64 entryCount)
{
    head();
    standardArrays(entryCount);
    if (!m_checked)
        return;
    switchScript();
    standardDisplayText();
    bodyOpening();
    int top = 120;
    int i = 0;
    EntryCursor titles = m_reader.entryTitles(menu());
    const int title = titles.column(QStringLiteral("FileName"));
    for (; titles.next(); ++i) {
        button(i, top, fieldOf(titles, title).view(), ")' onclick='displayText(");
        top += 35;
    }
    standardContent();
    footer();
}

void Page::extendedDisplayScripts(qint64 categoryCount)
{
    m_out.line("var ie = false;");
    m_out.line("var ns = false;");
    m_out.line("if (document.layers){ns = true;}");
    m_out.line("if (navigator.appName.indexOf ('Microsoft') == 0) {ie=true}");
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
            m_out.line(QByteArray(line).replace("document.all.Cat[CID]", "document.all.Cat").constData());
        else
            m_out.line(line);
    }
}

void Page::extendedContent()
{
    if (!m_checked)
        return;
    CategoryRows categories(m_reader.categories(menu()));
    for (int category = 0; categories.next(); ++category) {
        m_out.line("<div id='Cat' style='position:absolute;left:200px;top:120px;border:1px groove'>");
        EntryRows entry(m_reader.entriesInCategory(menu(), categories.category()));
        for (int sub = 0; entry.next(); ++sub) {
            m_out.line("<div id='LTitle' style='border:1px groove'>");
            entryTable(
                Row::Title,
                [&] {
                    m_out << "            <p class='TLink' onclick='displayText(" << category << "," << sub << ")'>";
                    m_out.plainText(entry.fileName().view());
                    m_out.line("</p>");
                },
                [this] { m_out.line(noShotBesideTitle); });
            m_out.line(" </div>");
            m_out.line(" <div id='Des' style='display:none'>");
            entryTable(
                Row::Description,
                [&] {
                    m_out << "            <p>";
                    m_out.markup(entry.description().view());
                    m_out << "</p><a align='right' href=";
                    m_out.markup(pageLink(entry.fileLink(), false, m_link).view());
                    m_out.line(">Open</a>");
                },
                [&] {
                    const Field screenshot = entry.screenshot();
                    if (screenshot.isSet()) {
                        m_out << " <td id='SShot' width='30%' align='right' valign='top'><img src=Menu/";
                        mediaLinkInMarkup(screenshot);
                        m_out.line("></td>");
                    } else {
                        m_out.line(noShot);
                    }
                });
            m_out.line(" </div>");
        }
        if (!(m_checked = entry.checked()))
            return;
        m_out.line("</div>");
    }
    m_out.line("<script language='JavaScript'>");
    m_out.line("     displayCat (0)");
    m_out.line("</script>");
}

void Page::extended(qint64 categoryCount)
{
    head();
    extendedDisplayScripts(categoryCount);
    bodyOpening();
    int top = 120;
    CategoryRows categories(m_reader.categories(menu()));
    for (int i = 0; categories.next(); ++i) {
        button(i, top, categories.category(), ")' onclick='displayCat(");
        top += 35;
    }
    extendedContent();
    footer();
}

} // namespace

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

StepResult write(const MenuSnapshot &snapshot, Layout layout, MenuReader &reader, AnsiText &out, qint64 count)
{
    Page page(snapshot, layout, reader, out);
    if (isStandard(layout))
        page.standard(count);
    else
        page.extended(count);
    return page.checked();
}

} // namespace ClassicPage
