#include "core/generate/EntryRows.h"

#include "core/generate/BuildChecks.h"
#include "core/generate/LinkText.h"
#include "core/model/PathMapping.h"

#include <cstring>

namespace {

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

} // namespace

Field fieldOf(const EntryCursor &row, int column)
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

EntryRows::EntryRows(EntryCursor rows)
    : m_rows(std::move(rows)), m_fileName(m_rows.column(QStringLiteral("FileName"))),
      m_fileLink(m_rows.column(QStringLiteral("FileLink"))),
      m_description(m_rows.column(QStringLiteral("Description"))),
      m_screenshot(m_rows.column(QStringLiteral("Screenshot")))
{}

void EntryRows::checkLink(const Field &link)
{
    if (BuildChecks::isOutsideRoot(link.toString()))
        m_checked = StepResult::failure(BuildChecks::outsideRootText(fileName().toString(), link.toString()));
}
