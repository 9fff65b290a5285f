#include "core/generate/ModernBuild.h"

#include "core/data/DataError.h"
#include "core/data/clsData.h"
#include "core/generate/MenuFolder.h"
#include "core/generate/ModernPage.h"
#include "core/generate/PageWriter.h"

#include <QBuffer>
#include <QDir>

namespace {

// The entries grouped by category, in the order they were added within each.
SqlStatement entriesByCategory(qint64 menuId)
{
    return {QStringLiteral("SELECT FileName, FileLink, Description, Category, Screenshot FROM tblDetails "
                           "WHERE MenuNo=? ORDER BY Category, rowid"),
            {menuId},
            {}};
}

// Hands a recordset's rows to the page one by one.
class RowSource
{
public:
    explicit RowSource(const Recordset &rows)
        : m_rows(rows), m_title(rows.columnIndex(QStringLiteral("FileName"))),
          m_link(rows.columnIndex(QStringLiteral("FileLink"))),
          m_description(rows.columnIndex(QStringLiteral("Description"))),
          m_category(rows.columnIndex(QStringLiteral("Category"))),
          m_screenshot(rows.columnIndex(QStringLiteral("Screenshot")))
    {}

    bool operator()(ModernEntry &entry)
    {
        if (m_rows.atEnd())
            return false;
        entry.title = m_rows.value(m_title).toString();
        entry.link = m_rows.value(m_link).toString();
        entry.description = m_rows.value(m_description).toString();
        entry.category = m_rows.value(m_category).toString();
        entry.screenshot = m_rows.value(m_screenshot).toString();
        m_rows.moveNext();
        return true;
    }

private:
    Recordset m_rows;
    int m_title, m_link, m_description, m_category, m_screenshot;
};

// A file that replaces the page once complete, as a device the page writer can write to.
class ReplacingDevice : public QIODevice
{
public:
    explicit ReplacingDevice(ReplacingFile &file) : m_file(file) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (m_file.write(data, size))
            return size;
        setErrorString(m_file.errorString());
        return -1;
    }

private:
    ReplacingFile &m_file;
};

std::optional<Recordset> readEntries(const MenuSnapshot &snapshot, clsData &data, QString *error)
{
    try {
        Recordset rows = data.GetRS(entriesByCategory(snapshot.currentMenuID));
        if (rows.atEnd()) {
            if (error)
                *error = PageWriter::noEntriesText();
            return std::nullopt;
        }
        return rows;
    } catch (const DataError &failure) {
        if (error)
            *error = QStringLiteral("The page was not written: %1").arg(failure.message());
        return std::nullopt;
    }
}

bool withScreenshots(const MenuSnapshot &snapshot)
{
    return snapshot.templateName == MenuTemplate::modernScreenshots();
}

} // namespace

namespace ModernBuild {

std::optional<QByteArray> page(const MenuSnapshot &snapshot, clsData &data, QString *error)
{
    const std::optional<Recordset> rows = readEntries(snapshot, data, error);
    if (!rows)
        return std::nullopt;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ModernPage page(snapshot, withScreenshots(snapshot));
    if (!page.write(&buffer, RowSource(*rows))) {
        if (error)
            *error = QStringLiteral("The page was not written: %1").arg(page.errorString());
        return std::nullopt;
    }
    return bytes;
}

StepResult write(const MenuSnapshot &snapshot, clsData &data)
{
    if (snapshot.rootPath.isEmpty())
        return MenuFolder::noRootFolder();
    QString error;
    const std::optional<Recordset> rows = readEntries(snapshot, data, &error);
    if (!rows)
        return StepResult::failure(error);
    const QString path = MenuFolder::createMenuFile(snapshot.rootPath);
    ReplacingFile file(path);
    if (file.open()) {
        ReplacingDevice device(file);
        ModernPage page(snapshot, withScreenshots(snapshot));
        if (page.write(&device, RowSource(*rows)) && file.commit())
            return StepResult::success();
    }
    return StepResult::failure(
        QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
}

} // namespace ModernBuild
