#include "core/disc/DiscCheck.h"

#include "core/data/MenuStore.h"
#include "core/generate/BuildChecks.h"
#include "core/generate/MenuFolder.h"
#include "core/generate/PathMapping.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>

namespace {

constexpr qint64 sectorSize = 2048;
// Recordable capacities in sectors: an 80-minute CD, a single-layer and a dual-layer DVD.
constexpr qint64 cdSectors = 360000;
constexpr qint64 dvdSectors = 2295104;
constexpr qint64 dualLayerSectors = 4173824;
constexpr int jolietNameLength = 64;

QString megabytes(qint64 bytes)
{
    return QCoreApplication::translate("DiscCheck", "%1 MB").arg(double(bytes) / 1e6, 0, 'f', 1);
}

} // namespace

bool DiscSize::fitsCd() const
{
    return sectors <= cdSectors;
}

bool DiscSize::fitsDvd() const
{
    return sectors <= dvdSectors;
}

bool DiscSize::fitsDualLayerDvd() const
{
    return sectors <= dualLayerSectors;
}

QString DiscSize::line() const
{
    const QString disc[] = {QCoreApplication::translate("DiscCheck", "a CD (700 MB)"),
                            QCoreApplication::translate("DiscCheck", "a DVD (4.7 GB)"),
                            QCoreApplication::translate("DiscCheck", "a dual-layer DVD (8.5 GB)")};
    const bool fits[] = {fitsCd(), fitsDvd(), fitsDualLayerDvd()};
    QStringList yes;
    QStringList no;
    for (int i = 0; i < 3; ++i)
        (fits[i] ? yes : no).append(disc[i]);
    QString text = QCoreApplication::translate("DiscCheck", "Size: %1").arg(megabytes(bytes));
    if (!yes.isEmpty())
        text += QCoreApplication::translate("DiscCheck", "; fits on ") + yes.join(QStringLiteral(", "));
    if (!no.isEmpty())
        text += QCoreApplication::translate("DiscCheck", "; too large for ") + no.join(QStringLiteral(", "));
    return text + QLatin1Char('.');
}

DiscCheck::DiscCheck(MenuStore &data, const MenuSnapshot &snapshot) : m_data(data), m_snapshot(snapshot) {}

std::optional<QString> DiscCheck::jolietProblem(const QString &name)
{
    if (name.size() > jolietNameLength)
        return QCoreApplication::translate("DiscCheck", "is longer than %1 characters").arg(jolietNameLength);
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return QCoreApplication::translate("DiscCheck", "holds a control character");
        if (QStringLiteral("*/:;?\\").contains(c))
            return QCoreApplication::translate("DiscCheck", "holds the character %1").arg(c);
    }
    return std::nullopt;
}

bool DiscCheck::run()
{
    m_problems.clear();
    m_size = {};
    checkEntries(checkMedia());
    if (!walkRoot())
        return false;
    if (!m_size.fitsDualLayerDvd())
        add(DiscProblem::Kind::TooLarge,
            QCoreApplication::translate("DiscCheck",
                                        "The CD root holds %1, more than a dual-layer DVD (8.5 GB) can hold.")
                .arg(megabytes(m_size.bytes)));
    return true;
}

// Every medium is copied into the Menu folder under its own name, so two of one name overwrite each other, and
// one named like the stylesheet overwrites that. A disc reads names without regard to case. Returns the media by
// their names in lower case.
QHash<QString, QString> DiscCheck::checkMedia()
{
    for (const BuildChecks::MediaProblem &problem : BuildChecks::mediaProblems(m_snapshot.style.mediaFiles(), true))
        add(problem.kind == BuildChecks::MediaProblem::Missing ? DiscProblem::Kind::MissingFile
                                                               : DiscProblem::Kind::MediaCollision,
            problem.text);
    QHash<QString, QString> byName;
    for (const QString &file : m_snapshot.style.mediaFiles()) {
        if (StyleFields::isSet(file))
            byName.insert(PathMapping::getFileName(file).toLower(), file);
    }
    return byName;
}

// An entry's file must lie inside the CD root; its screenshot, kept in the Menu folder, must not share its name with
// a medium that the build would copy over it.
void DiscCheck::checkEntries(const QHash<QString, QString> &mediaByName)
{
    const QString rootPath = PathMapping::rootPathFor(QDir::toNativeSeparators(QDir::cleanPath(m_snapshot.rootPath)));
    const QString menuFolder = rootPath + MenuFolder::menuFolderName() + PathMapping::separator();
    for (const EntryRecord &entry : m_data.entries(m_snapshot.currentMenuID)) {
        const QString &title = entry.fileName;
        const QString &link = entry.fileLink;
        const QString path = QDir::toNativeSeparators(QDir::cleanPath(rootPath + link));
        if (link.isEmpty() || !PathMapping::getFileLink(path, rootPath))
            add(DiscProblem::Kind::MissingFile,
                QCoreApplication::translate("DiscCheck", "The entry %1 links to %2, which is not inside the CD root.")
                    .arg(title, link));
        else if (!QFileInfo::exists(path))
            add(DiscProblem::Kind::MissingFile,
                QCoreApplication::translate("DiscCheck", "The file %1 of the entry %2 is missing.")
                    .arg(PathMapping::shown(path), title));

        const QString &screenshot = entry.screenshot;
        const QString medium = mediaByName.value(screenshot.toLower());
        if (StyleFields::isSet(screenshot) && !medium.isEmpty() &&
            QDir::cleanPath(medium) != QDir::cleanPath(menuFolder + screenshot))
            add(DiscProblem::Kind::MediaCollision,
                QCoreApplication::translate("DiscCheck",
                                            "The media file %1 would replace the screenshot %2 of the entry %3.")
                    .arg(PathMapping::shown(medium), screenshot, title));
    }
}

bool DiscCheck::walkRoot()
{
    const QString root = QDir::cleanPath(m_snapshot.rootPath);
    const int prefix = PathMapping::rootPathFor(root).size();
    int seen = 0;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (m_progress && ++seen % 256 == 0 && !m_progress(seen))
            return false;
        const QFileInfo info = it.fileInfo();
        if (const auto why = jolietProblem(info.fileName()))
            add(DiscProblem::Kind::JolietName,
                QCoreApplication::translate("DiscCheck", "The name %1 %2, which a Joliet disc cannot hold.")
                    .arg(PathMapping::shown(path.mid(prefix)), *why));
        if (info.isFile() && !info.isSymLink()) {
            m_size.bytes += info.size();
            m_size.sectors += (info.size() + sectorSize - 1) / sectorSize;
        }
    }
    return true;
}
