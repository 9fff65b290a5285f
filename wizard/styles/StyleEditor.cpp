#include "wizard/styles/StyleEditor.h"

#include "core/data/DataHome.h"
#include "core/data/MenuStore.h"
#include "core/generate/BuildChecks.h"
#include "core/generate/MenuBuild.h"
#include "core/generate/MenuFolder.h"
#include "core/model/PathMapping.h"
#include "core/generate/StylesheetWriter.h"
#include "wizard/Notices.h"
#include "wizard/EditState.h"
#include "wizard/WizardContext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString none = QStringLiteral("none");

// The five media fields, in the order saving copies them.
const QList<QString StyleFields::*> mediaFields = {&StyleFields::buttonOnImage, &StyleFields::buttonOffImage,
                                                   &StyleFields::backImage, &StyleFields::logoFile,
                                                   &StyleFields::soundFile};

} // namespace

StyleEditor::StyleEditor(EditState &state, const WizardContext &context) : m_state(state), m_context(context) {}

void StyleEditor::setStyle(const StyleFields &style)
{
    m_state.style = style;
    for (const auto &show : m_shows)
        show();
}

void StyleEditor::loadNew()
{
    m_newChosen = true;
    m_state.styleId = 0;
    m_state.styleLoaded = false;
    setStyle(StyleFields::standard());
}

bool StyleEditor::load(qint64 id, const QString &listEntry)
{
    m_newChosen = false;
    m_state.styleId = id;
    const std::optional<QVariantList> stored = m_context.store->style(id);
    m_state.styleMissing = !stored;
    m_state.styleLoaded = stored.has_value();
    if (!stored) {
        m_state.styleId = 0;
        setStyle(StyleFields::standard());
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
    setStyle(StyleFields::fromValues(values));
    return true;
}

QString StyleEditor::styleFolder() const
{
    return DataHome::styleLibrary(m_context.dataHome) + QLatin1Char('/') + m_state.style.styleName;
}

StepValue<QString> StyleEditor::copyStyleFile(const QString &source)
{
    const QString library = DataHome::styleLibrary(m_context.dataHome);
    const QString folder = styleFolder();
    if (!QDir().mkpath(library) || !QDir().mkpath(folder))
        return StepValue<QString>::failure(
            QCoreApplication::translate("Styles", "The style folder %1 cannot be created.")
                .arg(QDir::toNativeSeparators(folder)));
    const QString target = folder + QLatin1Char('/') + PathMapping::getFileName(source);
    // A file already in the library is kept: the style points at it whatever its source.
    if (!QFileInfo::exists(target)) {
        QFile file(source);
        if (!file.copy(target))
            return StepValue<QString>::failure(
                QCoreApplication::translate("Styles", "%1 cannot be copied to %2: %3")
                    .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(target), file.errorString()));
    }
    return StepValue<QString>::made(QDir::toNativeSeparators(target));
}

StepResult StyleEditor::saveStyle()
{
    StyleFields style = m_state.style;
    // The stylesheet is checked before anything is copied or stored, so a bad font text changes nothing.
    if (const StepResult checked = StylesheetWriter::check(style); !checked)
        return checked;
    // Media that would land on the stylesheet or on each other are refused before anything is copied.
    if (const StepResult distinct = BuildChecks::media(style.mediaFiles(), false); !distinct)
        return distinct;

    // The edit state takes the library copies only once every file is in place; until then it keeps its own.
    for (QString StyleFields::*media : mediaFields) {
        // An emptied media field means no file, as "none" does.
        QString &path = style.*media;
        if (path.isEmpty())
            path = none;
        if (path == none)
            continue;
        const StepValue<QString> copy = copyStyleFile(path);
        if (!copy)
            return copy;
        path = copy.value;
    }
    MenuSnapshot styleOnly;
    styleOnly.style = style;
    styleOnly.rootPath = m_state.rootPath();
    const StepResult written = MenuBuild(*m_context.store).run(styleOnly, MenuBuild::Style, MenuBuild::OnFailure::Stop);
    if (!written)
        return written;
    setStyle(style);

    storeStyle(style);
    return StepResult::success();
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
    m_state.styleId = styleId;
    m_state.menuId = menu.id;
    m_state.styleMissing = false;
    m_state.styleLoaded = false;
    if (isNew && m_styleStored)
        m_styleStored();
}
