#include "wizard/styles/StyleEditor.h"

#include "core/data/DataError.h"
#include "core/data/DataHome.h"
#include "core/data/MenuStore.h"
#include "core/generate/BuildChecks.h"
#include "core/generate/MenuBuild.h"
#include "core/generate/MenuFolder.h"
#include "core/generate/PathMapping.h"
#include "core/generate/StylesheetWriter.h"
#include "core/platform/Notices.h"
#include "core/styles/ColorText.h"
#include "wizard/EditState.h"
#include "wizard/PageKit.h"
#include "wizard/WizardContext.h"
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
    const std::optional<QVariantList> stored = m_context.store->style(id);
    m_state.styleMissing = !stored;
    m_state.styleLoaded = stored.has_value();
    if (!stored) {
        setStandardStyles();
        return true;
    }
    QStringList values;
    for (int i = 0; i < stored->size(); ++i) {
        const QVariant &value = stored->at(i);
        if (value.isNull()) {
            m_context.notices->information(
                QCoreApplication::translate("Styles", "The style %1 cannot be used: its %2 is empty.")
                    .arg(listEntry, MenuStore::styleColumns().at(i)));
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
    const StepResult written = MenuBuild(*m_context.store).run(styleOnly, MenuBuild::Style, MenuBuild::OnFailure::Stop);
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
    m_state.style = fields();
}

void StyleEditor::storeStyle(const StyleFields &style)
{
    // A listed style whose row had vanished was put on the pages with the defaults: it is stored anew.
    const bool isNew = (m_newChosen || m_state.styleMissing) && m_state.styleId == 0;
    qint64 styleId = isNew ? 0 : m_state.styleId;
    MenuRecord menu = m_state.menuRecord();
    // The style and the menu that uses it are stored together or not at all. A style saved before and not loaded
    // again since keeps its row; only the menu is stored.
    std::optional<QStringList> values;
    if (isNew || m_state.styleLoaded)
        values = style.values();
    m_context.store->saveStyleAndMenu(styleId, values, menu);
    m_state.styleId = qint32(styleId);
    m_state.menuId = qint32(menu.id);
    m_state.styleMissing = false;
    m_state.styleLoaded = false;
    if (isNew && m_styleStored)
        m_styleStored();
}
