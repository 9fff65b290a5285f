#include "wizard/styles/StyleEditor.h"

#include "core/data/DataError.h"
#include "core/data/DataHome.h"
#include "core/data/clsData.h"
#include "core/generate/MenuFolder.h"
#include "core/generate/PathMapping.h"
#include "core/generate/BuildChecks.h"
#include "core/generate/MenuBuild.h"
#include "core/generate/StylesheetWriter.h"
#include "core/styles/ColorText.h"
#include "wizard/EditState.h"
#include "wizard/PageKit.h"
#include "wizard/WizardContext.h"
#include "wizard/platform/Notices.h"
#include "wizard/styles/StyleFontsPage.h"
#include "wizard/styles/StyleImagesPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString none = QStringLiteral("none");
const QString newStyle = QStringLiteral("NEW");

// The five media fields, in the order saving copies them.
const QList<QString StyleFields::*> mediaFields = {&StyleFields::buttonOnImage, &StyleFields::buttonOffImage,
                                                   &StyleFields::backImage, &StyleFields::logoFile,
                                                   &StyleFields::soundFile};

} // namespace

StyleEditor::StyleEditor(EditState &state, const WizardContext &context) : m_state(state), m_context(context) {}

void StyleEditor::setPages(StyleImagesPage &images, StyleFontsPage &fonts)
{
    m_images = &images;
    m_fonts = &fonts;
}

StyleFields StyleEditor::fields() const
{
    StyleFields style;
    m_images->readStyle(style);
    m_fonts->readStyle(style);
    return style;
}

void StyleEditor::setStandardStyles()
{
    m_state.styleId = 0;
    const StyleFields standard = StyleFields::standard();
    m_images->showStyle(standard, false);
    m_fonts->showStyle(standard);
    const qint32 grey = 12632256;
    m_fonts->setSwatches(grey, grey, grey, grey, 16764689);
}

bool StyleEditor::load(const QString &listEntry)
{
    m_newChosen = listEntry == newStyle;
    if (m_newChosen) {
        setStandardStyles();
        return true;
    }
    bool ok = false;
    const qint32 id = PageKit::listId(listEntry, &ok);
    if (!ok) {
        m_context.notices->information(QCoreApplication::translate("Styles", "Please choose a style from the list!"));
        return false;
    }
    m_state.styleId = id;
    m_state.styleRow.reset();
    m_state.styleRow = m_state.data().GetRS(Sql::selectStyle(id), true);
    if (m_state.styleRow->atEnd()) {
        setStandardStyles();
        return true;
    }
    QStringList values;
    for (const QString &column : Sql::styleColumns()) {
        const QVariant value = m_state.styleRow->value(column);
        if (value.isNull()) {
            m_context.notices->information(
                QCoreApplication::translate("Styles", "The style %1 cannot be used: its %2 is empty.")
                    .arg(listEntry, column));
            return false;
        }
        values.append(value.toString());
    }
    const StyleFields style = StyleFields::fromValues(values);
    m_images->showStyle(style, true);
    m_fonts->showStyle(style);
    m_fonts->setSwatches(ColorText::getCol(style.titleColor), ColorText::getCol(style.buttonColor),
                         ColorText::getCol(style.textColor), ColorText::getCol(style.hyperColor),
                         ColorText::getCol(style.hyperColorA));
    return true;
}

QString StyleEditor::styleFolder() const
{
    StyleFields style;
    m_images->readStyle(style);
    return DataHome::styleLibrary(m_context.dataHome) + QLatin1Char('/') + style.styleName;
}

QString StyleEditor::copyStyleFile(const QString &source)
{
    const QString library = DataHome::styleLibrary(m_context.dataHome);
    const QString folder = styleFolder();
    if (!QDir().mkpath(library) || !QDir().mkpath(folder))
        throw DataError(QCoreApplication::translate("Styles", "The style folder %1 cannot be created.")
                            .arg(QDir::toNativeSeparators(folder)));
    const QString target = folder + QLatin1Char('/') + PathMapping::getFileName(source);
    // A file already in the library is kept: the style points at it whatever its source.
    if (!QFileInfo::exists(target)) {
        QFile file(source);
        if (!file.copy(target))
            throw DataError(
                QCoreApplication::translate("Styles", "%1 cannot be copied to %2: %3")
                    .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(target), file.errorString()));
    }
    return QDir::toNativeSeparators(target);
}

void StyleEditor::writeStyleFiles(const StyleFields &style)
{
    MenuSnapshot styleOnly;
    styleOnly.style = style;
    styleOnly.rootPath = m_state.rootPath();
    const StepResult written = MenuBuild(m_state.data()).run(styleOnly, MenuBuild::Style, MenuBuild::OnFailure::Stop);
    if (!written)
        throw DataError(written.error);
}

void StyleEditor::saveStyle()
{
    StyleFields style = fields();
    // The stylesheet is checked before anything is copied or stored, so a bad font text changes nothing.
    const StepResult checked = StylesheetWriter::check(style);
    if (!checked)
        throw DataError(checked.error);

    // Media that would land on the stylesheet or on each other are refused before anything is copied.
    if (const StepResult distinct = BuildChecks::media(style.mediaFiles(), false); !distinct)
        throw DataError(distinct.error);

    // The pages show the library copies only once every file is in place; until then they keep what they showed.
    for (QString StyleFields::*media : mediaFields) {
        // An emptied media field means no file, as "none" does.
        QString &path = style.*media;
        if (path.isEmpty())
            path = none;
        if (path != none)
            path = copyStyleFile(path);
    }
    writeStyleFiles(style);
    m_images->showStyle(style, false);

    storeStyle(style);
    saveMenuRecord();
    m_state.style = fields();
}

void StyleEditor::storeStyle(const StyleFields &style)
{
    const bool isNew = m_newChosen && m_state.styleId == 0;
    // A listed style whose row has vanished was put on the pages with the defaults: it is stored anew.
    const bool vanished = m_state.styleRow && m_state.styleRow->atEnd() && m_state.styleId == 0;
    if (isNew || vanished) {
        m_state.data().ExecuteSQL(Sql::insertStyle(style.values()));
        Recordset last = m_state.data().GetRS(Sql::selectLastStyleId());
        m_state.styleId = qint32(last.value(QStringLiteral("lastid")).toLongLong());
        last.close();
        m_state.styleRow.reset();
        if (m_styleStored)
            m_styleStored();
    } else if (m_state.styleRow) {
        const QStringList values = style.values();
        const QStringList &columns = Sql::styleColumns();
        for (int i = 1; i < columns.size(); ++i)
            m_state.styleRow->setValue(columns.at(i), values.at(i));
        m_state.styleRow->updateBatch();
        m_state.styleRow->close();
        m_state.styleRow.reset();
    }
}

void StyleEditor::saveMenuRecord()
{
    clsData &data = m_state.data();
    if (m_state.menuId == 0) {
        data.ExecuteSQL(Sql::insertMenu(m_state.templateName, m_state.title, m_state.styleId, m_state.rootFolder,
                                        m_state.language));
        Recordset last = data.GetRS(Sql::selectLastMenuId());
        m_state.menuId = qint32(last.value(QStringLiteral("lastid")).toLongLong());
        last.close();
    } else {
        // Root is written as well, so that the menu keeps the CD root it was last built in.
        data.ExecuteSQL(Sql::updateMenu(m_state.menuId, m_state.templateName, m_state.title, m_state.styleId,
                                        m_state.rootFolder, m_state.language));
    }
}
