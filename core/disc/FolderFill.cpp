#include "core/disc/FolderFill.h"

#include "core/platform/FileOps.h"

#include "core/data/MenuStore.h"
#include "core/disc/OwnData.h"
#include "core/disc/RootWalk.h"
#include "core/generate/MenuFolder.h"
#include "core/model/PathMapping.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

bool isHiddenName(const QString &name)
{
    return name.startsWith(QLatin1Char('.'));
}

// Paths as PathMapping compares them: clean, with the platform's separators.
QString nativeClean(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

} // namespace

FolderFill::FolderFill(MenuStore &data, qint64 menuId, const QString &rootFolder)
    : m_data(data), m_menuId(menuId), m_rootPath(PathMapping::rootPathFor(nativeClean(rootFolder))),
      m_home(QFileInfo(data.databasePath()).absolutePath()), m_holdsHome(OwnData::isInside(m_home, m_rootPath))
{}

QString FolderFill::suggestedTitle(const QString &fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    QString title = dot > 0 ? fileName.left(dot) : fileName;
    title.replace(QLatin1Char('_'), QLatin1Char(' ')).replace(QLatin1Char('-'), QLatin1Char(' '));
    title = title.simplified();
    return title.isEmpty() ? fileName : title;
}

// The first folder below the root, as a heading: "docs" becomes "Docs".
QString FolderFill::suggestedCategory(const QString &link)
{
    const int slash = link.indexOf(QLatin1Char('/'));
    return slash > 0 ? link.left(1).toUpper() + link.mid(1, slash - 1) : QStringLiteral("General");
}

// What the build writes, and what a disc would not show, is never offered. A disc reads names without regard to
// case, so neither does this.
bool FolderFill::skipped(const QString &link) const
{
    const QStringList parts = link.split(QLatin1Char('/'));
    if (std::any_of(parts.cbegin(), parts.cend(), isHiddenName))
        return true;
    if (parts.size() > 1)
        return parts.first().compare(MenuFolder::menuFolderName(), Qt::CaseInsensitive) == 0;
    static const QStringList generated = {MenuFolder::pageFileName(), MenuFolder::applicationFileName(),
                                          QStringLiteral("AUTORUN.INF"), QStringLiteral("Start.exe")};
    return generated.contains(link, Qt::CaseInsensitive);
}

// Titles name entries in the list, and the list finds an entry by its title: a title already taken gets a number.
QString FolderFill::uniqueTitle(const QString &title)
{
    QString unique = title;
    for (int n = 2; m_titles.contains(unique.toLower()); ++n)
        unique = QStringLiteral("%1 (%2)").arg(title).arg(n);
    m_titles.insert(unique.toLower());
    return unique;
}

bool FolderFill::offer(const QString &path)
{
    if (m_progress && ++m_seen % 256 == 0 && !m_progress(m_seen))
        return false;
    const std::optional<QString> below = PathMapping::getFileLink(QDir::toNativeSeparators(path), m_rootPath);
    if (!below || below->isEmpty())
        return true;
    const QString link = PathMapping::toStoredLink(*below);
    if (skipped(link) || m_links.contains(link))
        return true;
    if (m_holdsHome && OwnData::holds(m_home, path)) {
        m_skipped.append(QCoreApplication::translate("FolderFill", "%1 is Velmora's own data; it is not added.")
                             .arg(RootWalk::escaped(link)));
        return true;
    }
    m_links.insert(link);
    const QString category = !m_category             ? suggestedCategory(link)
                             : m_category->isEmpty() ? QStringLiteral("none")
                                                     : *m_category;
    m_offered.append({path, link, suggestedTitle(PathMapping::getFileName(path)), category});
    return true;
}

StepResult FolderFill::collect(const QStringList &paths)
{
    m_offered.clear();
    m_links.clear();
    m_titles.clear();
    m_skipped.clear();
    m_seen = 0;

    QStringList starts;
    QStringList refused;
    for (const QString &given : paths.isEmpty() ? QStringList{m_rootPath} : paths) {
        const QString path = nativeClean(QFileInfo(given).absoluteFilePath());
        const QString folderPath = PathMapping::rootPathFor(path);
        // A link given by name is judged by where it leads.
        const QString real = QFileInfo(path).canonicalFilePath();
        const QString realRoot = PathMapping::rootPathFor(QFileInfo(m_rootPath).canonicalFilePath());
        const bool leadsOut =
            !real.isEmpty() && PathMapping::rootPathFor(real) != realRoot && !PathMapping::getFileLink(real, realRoot);
        if ((folderPath != m_rootPath && !PathMapping::getFileLink(path, m_rootPath)) || leadsOut)
            refused.append(PathMapping::outsideRootNotice(QDir::toNativeSeparators(given), m_rootPath));
        else if (!QFileInfo::exists(path))
            refused.append(QCoreApplication::translate("FolderFill", "The file %1 does not exist.")
                               .arg(QDir::toNativeSeparators(given)));
        else if (!QFileInfo(path).isFile() && !QFileInfo(path).isDir())
            refused.append(QCoreApplication::translate("FolderFill", "%1 is neither a file nor a folder.")
                               .arg(QDir::toNativeSeparators(given)));
        else
            starts.append(path);
    }
    if (!refused.isEmpty())
        return StepResult::failure(refused.join(QStringLiteral("\r\n")));

    for (const EntryRecord &entry : m_data.entries(m_menuId)) {
        m_links.insert(entry.fileLink);
        m_titles.insert(entry.fileName.toLower());
    }

    // The one who cancelled the walk needs no reason.
    const auto cancelled = [this] {
        m_offered.clear();
        return StepResult::failure({});
    };
    for (const QString &start : starts) {
        if (!QFileInfo(start).isDir()) {
            if (!offer(start))
                return cancelled();
            continue;
        }
        // The walk takes what the disc image takes: links inside the root, never what leads out of it.
        const bool walked = RootWalk(start, m_rootPath).run([this](const RootItem &item) {
            const QString shown = RootWalk::shown(item.path);
            if (item.link == RootItem::Link::Outside)
                m_skipped.append(
                    QCoreApplication::translate("FolderFill", "The link %1 leads outside the CD root; it is not added.")
                        .arg(shown));
            else if (!item.validName)
                m_skipped.append(
                    QCoreApplication::translate(
                        "FolderFill", "The name %1 cannot be shown on the menu or read on Windows: rename it.")
                        .arg(shown));
            else if (item.type == RootItem::Type::File && RootWalk::isValidUtf8(item.path))
                return offer(FileOps::decodeName(item.path));
            return true;
        });
        if (!walked)
            return cancelled();
    }
    std::sort(m_offered.begin(), m_offered.end(),
              [](const FillEntry &a, const FillEntry &b) { return a.link.compare(b.link, Qt::CaseInsensitive) < 0; });
    for (FillEntry &entry : m_offered)
        entry.title = uniqueTitle(entry.title);
    return StepResult::success();
}

int FolderFill::store(const QVector<FillEntry> &chosen)
{
    QVector<EntryRecord> entries;
    entries.reserve(chosen.size());
    for (const FillEntry &entry : chosen)
        entries.append({entry.category, entry.title, entry.link, QString(), QStringLiteral("none")});
    // The stored menu, so that a message names it by its title; a menu already gone is reported as lost by the store.
    MenuRecord menu = m_data.menu(m_menuId).value_or(MenuRecord());
    menu.id = m_menuId;
    // A file that another program stored since the offer was collected is not stored twice.
    return m_data.addNewEntries(menu, entries);
}
