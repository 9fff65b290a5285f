#include "core/generate/PageWriter.h"

#include "core/data/DataError.h"
#include "core/data/MenuReader.h"
#include "core/generate/AnsiText.h"
#include "core/generate/BuildChecks.h"
#include "core/generate/ClassicPage.h"
#include "core/generate/EntryRows.h"
#include "core/generate/ModernPage.h"

#include <QCoreApplication>
#include <QIODevice>

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
    const std::optional<ClassicPage::Layout> layout = ClassicPage::layoutOf(m_snapshot.templateName);
    if (!layout)
        return StepResult::failure(
            QCoreApplication::translate("Build", "The page was not written: \"%1\" is not a template.")
                .arg(m_snapshot.templateName));
    try {
        if (ClassicPage::isStandard(*layout))
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
    const ClassicPage::Layout layout = *ClassicPage::layoutOf(m_snapshot.templateName);
    if (!ClassicPage::isStandard(layout))
        m_reader.addCategoryIndex();
    AnsiText out;
    out.streamTo([&device](const char *data, qsizetype size) { return device.write(data, size) == size; });
    try {
        const StepResult checked = ClassicPage::write(m_snapshot, layout, m_reader, out, m_count);
        if (!checked)
            return StepResult::failure(
                QCoreApplication::translate("Build", "The page was not written: %1").arg(checked.error));
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
