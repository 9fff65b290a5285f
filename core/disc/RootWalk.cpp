#include "core/disc/RootWalk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QVector>
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/platform/FileOps.h"

namespace fs = std::filesystem;

namespace {

using FileOps::bytesOf;
using FileOps::pathOf;

QString hexByte(uint value)
{
    return QStringLiteral("\\x") + QString::number(value, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

using FileOps::isReadable;

// Whether folder is inside, or is, one of the real folders the walk came through.
bool leadsBack(const QByteArray &folder, const QVector<QByteArray> &chain)
{
    for (const QByteArray &passed : chain) {
        if (passed == folder || passed.startsWith(folder + '/'))
            return true;
    }
    return false;
}

bool isInside(const QByteArray &path, const QByteArray &root)
{
    return path == root || path.startsWith(root.endsWith('/') ? root : root + '/');
}

} // namespace

namespace {

QByteArray canonicalOf(const QString &folder)
{
    std::error_code error;
    const fs::path canonical = fs::canonical(pathOf(FileOps::encodeName(folder)), error);
    return error ? FileOps::encodeName(folder) : bytesOf(canonical);
}

} // namespace

RootWalk::RootWalk(const QString &rootFolder, const QString &boundary)
    : m_start(FileOps::encodeName(QDir::cleanPath(QFileInfo(rootFolder).absoluteFilePath()))),
      m_root(canonicalOf(rootFolder)), m_boundary(boundary.isEmpty() ? m_root : canonicalOf(boundary))
{}

bool RootWalk::isValidUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

QString RootWalk::escaped(const QString &text)
{
    QString shown;
    for (const QChar c : text) {
        // C1 controls too: a terminal may read U+009B as the start of an escape sequence.
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() <= 0x9f))
            shown += hexByte(c.unicode());
        else
            shown += c;
    }
    return shown;
}

QString RootWalk::shown(const QByteArray &bytes)
{
    QString text;
    qsizetype i = 0;
    while (i < bytes.size()) {
        // The longest run that decodes cleanly is kept as text; a byte that does not is shown by its value.
        qsizetype end = i;
        while (end < bytes.size() && uchar(bytes.at(end)) < 0x80)
            ++end;
        if (end > i) {
            text += QString::fromLatin1(bytes.mid(i, end - i));
            i = end;
            continue;
        }
        const uchar lead = uchar(bytes.at(i));
        const int length = lead >= 0xf0 && lead < 0xf5 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc2 && lead < 0xe0 ? 2 : 0;
        const QByteArray sequence = bytes.mid(i, length);
        if (length > 0 && sequence.size() == length && isValidUtf8(sequence)) {
            text += QString::fromUtf8(sequence);
            i += length;
        } else {
            text += hexByte(lead);
            ++i;
        }
    }
    return escaped(text);
}

bool RootWalk::run(const Visit &visit) const
{
    return walk(m_start, QString(), m_root, visit);
}

bool RootWalk::walk(const QByteArray &folder, const QString &relative, const QByteArray &real, const Visit &visit) const
{
    static thread_local QVector<QByteArray> chain;
    chain.append(real);
    // In name order, so that every walk of one root reports the same thing in the same order.
    std::error_code error;
    QVector<fs::directory_entry> entries;
    for (fs::directory_iterator it(pathOf(folder), error); !error && it != fs::directory_iterator();
         it.increment(error))
        entries.append(*it);
    std::sort(entries.begin(), entries.end(),
              [](const fs::directory_entry &a, const fs::directory_entry &b) { return a.path() < b.path(); });
    bool go = true;
    for (auto it = entries.cbegin(); go && it != entries.cend(); ++it) {
        const QByteArray nameBytes = bytesOf(it->path().filename());
        RootItem item;
        item.path = folder + '/' + nameBytes;
        item.validName = isValidUtf8(nameBytes);
        item.name = QString::fromUtf8(nameBytes);
        item.relative = relative.isEmpty() ? shown(nameBytes) : relative + QLatin1Char('/') + shown(nameBytes);
        item.hidden = nameBytes.startsWith('.');

        std::error_code statError;
        const fs::file_status own = it->symlink_status(statError);
        QByteArray target = real + '/' + nameBytes;
        fs::file_status status = own;
        if (fs::is_symlink(own)) {
            status = fs::status(pathOf(item.path), statError);
            const fs::path canonical = fs::canonical(pathOf(item.path), statError);
            if (statError || !fs::exists(status)) {
                item.link = RootItem::Link::Missing;
            } else {
                target = bytesOf(canonical);
                item.link = !isInside(target, m_boundary)                          ? RootItem::Link::Outside
                            : fs::is_directory(status) && leadsBack(target, chain) ? RootItem::Link::Loop
                                                                                   : RootItem::Link::Inside;
            }
        }
        const bool usable = item.link == RootItem::Link::None || item.link == RootItem::Link::Inside;
        if (usable && fs::is_regular_file(status)) {
            item.type = RootItem::Type::File;
            std::error_code sizeError;
            item.size = qint64(fs::file_size(pathOf(item.path), sizeError));
        } else if (usable && fs::is_directory(status)) {
            item.type = RootItem::Type::Folder;
        } else if (usable && fs::exists(status)) {
            item.type = RootItem::Type::Special;
        }
        item.readable =
            (item.type != RootItem::Type::File && item.type != RootItem::Type::Folder) || isReadable(item.path);
        go = visit(item);
        if (go && item.type == RootItem::Type::Folder && item.readable)
            go = walk(item.path, item.relative, target, visit);
    }
    chain.removeLast();
    return go;
}
