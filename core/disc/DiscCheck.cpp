#include "core/disc/DiscCheck.h"

#include "core/data/MenuStore.h"
#include "core/disc/IsoImage.h"
#include "core/disc/OwnData.h"
#include "core/disc/RootWalk.h"
#include "core/disc/WindowsNames.h"
#include "core/generate/BuildChecks.h"
#include "core/generate/MenuFolder.h"
#include "core/model/PathMapping.h"

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

QString quoted(const QString &title)
{
    return QLatin1Char('"') + RootWalk::escaped(title) + QLatin1Char('"');
}

bool isScreenshotTemplate(const QString &templateName)
{
    return templateName.compare(MenuTemplate::standardScreenshots(), Qt::CaseInsensitive) == 0 ||
           templateName.compare(MenuTemplate::extendedScreenshots(), Qt::CaseInsensitive) == 0 ||
           templateName.compare(MenuTemplate::modernScreenshots(), Qt::CaseInsensitive) == 0;
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
    QString text =
        QCoreApplication::translate("DiscCheck", "Image size: %1 sectors (%2)").arg(sectors).arg(megabytes(bytes()));
    if (estimated)
        text += whyEstimated.isEmpty() ? QCoreApplication::translate("DiscCheck", ", estimated")
                                       : QCoreApplication::translate("DiscCheck", ", estimated (%1)").arg(whyEstimated);
    if (!yes.isEmpty())
        text += QCoreApplication::translate("DiscCheck", "; fits on ") + yes.join(QStringLiteral(", "));
    if (!no.isEmpty())
        text += QCoreApplication::translate("DiscCheck", "; too large for ") + no.join(QStringLiteral(", "));
    return text + QLatin1Char('.');
}

DiscCheck::DiscCheck(MenuStore &data, const MenuSnapshot &snapshot) : m_data(data), m_snapshot(snapshot) {}

StepResult DiscCheck::checkJolietName(const QString &name)
{
    if (name.size() > jolietNameLength)
        return StepResult::failure(
            QCoreApplication::translate("DiscCheck", "is longer than %1 characters").arg(jolietNameLength));
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return StepResult::failure(QCoreApplication::translate("DiscCheck", "holds a control character"));
        if (QStringLiteral("*/:;?\\").contains(c))
            return StepResult::failure(QCoreApplication::translate("DiscCheck", "holds the character %1").arg(c));
        // Joliet names are UCS-2: a character beyond it becomes "_".
        if (c.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate())
            return StepResult::failure(QCoreApplication::translate("DiscCheck", "holds the character %1 (U+%2)")
                                           .arg(name.mid(i, 2))
                                           .arg(QChar::surrogateToUcs4(c, name.at(i + 1)), 4, 16, QLatin1Char('0')));
    }
    return StepResult::success();
}

qint64 DiscCheck::estimatedSectors(qint64 fileSectors, qint64 entries, qint64 folders, qint64 nameCharacters)
{
    // An empty image takes 183 sectors (system area, descriptors, path tables, padding); each entry has a record
    // in the ISO 9660 tree with its Rock Ridge fields (under 200 bytes) and one in the Joliet tree (two bytes a
    // character), and each folder at least one sector in either tree. Measured against xorriso, this never falls short.
    return 183 + fileSectors + (entries * 200 + 2 * nameCharacters + sectorSize - 1) / sectorSize + 2 * folders;
}

bool DiscCheck::run()
{
    m_result = {};
    m_fileSectors = m_entries = m_folders = m_nameCharacters = 0;
    m_seen = 0;
    const QString home = QFileInfo(m_data.databasePath()).absolutePath();
    if (const QString own = OwnData::rootProblem(home, m_snapshot.rootPath); !own.isEmpty())
        add(DiscProblem::Kind::OwnData, own);
    checkEntries(checkMedia());
    if (!walkRoot())
        return false;
    measure();
    if (m_result.size.sectors < 0)
        return false;
    if (!m_result.size.fitsDualLayerDvd())
        add(DiscProblem::Kind::TooLarge,
            QCoreApplication::translate(
                "DiscCheck", "The image would take %1 sectors (%2), more than a dual-layer DVD (8.5 GB) can hold.")
                .arg(m_result.size.sectors)
                .arg(megabytes(m_result.size.bytes())));
    return true;
}

// The size comes from xorriso itself, with the options the image is made with; an estimate where it cannot tell.
void DiscCheck::measure()
{
    bool stopped = false;
    const auto keepGoing = [this, &stopped] {
        stopped = m_progress && !m_progress(m_seen);
        return !stopped;
    };
    const StepValue<qint64> sectors = IsoImage::printSize(m_program, m_snapshot.rootPath, m_snapshot.title,
                                                          QFileInfo(m_data.databasePath()).absolutePath(), keepGoing);
    if (stopped) {
        m_result.size.sectors = -1;
        return;
    }
    m_result.size.sectors =
        sectors ? sectors.value : estimatedSectors(m_fileSectors, m_entries, m_folders, m_nameCharacters);
    m_result.size.estimated = !sectors;
    if (!sectors)
        m_result.size.whyEstimated = IsoImage::findProgram(m_program).isEmpty()
                                         ? QCoreApplication::translate("DiscCheck", "xorriso was not found")
                                         : RootWalk::escaped(sectors.error.simplified());
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
    const bool screenshots = isScreenshotTemplate(m_snapshot.templateName);
    for (const EntryRecord &entry : m_data.entries(m_snapshot.currentMenuID)) {
        const QString title = quoted(entry.fileName);
        const QString &link = entry.fileLink;
        const QString path = QDir::toNativeSeparators(QDir::cleanPath(rootPath + link));
        if (link.trimmed().isEmpty())
            add(DiscProblem::Kind::MissingFile,
                QCoreApplication::translate("DiscCheck", "The entry %1 has no file.").arg(title));
        else if (BuildChecks::isOutsideRoot(link) || !PathMapping::getFileLink(path, rootPath))
            add(DiscProblem::Kind::MissingFile,
                QCoreApplication::translate("DiscCheck", "The entry %1 links to %2, which is not inside the CD root.")
                    .arg(title, RootWalk::escaped(link)));
        else if (!QFileInfo::exists(path))
            add(DiscProblem::Kind::MissingFile,
                QCoreApplication::translate("DiscCheck", "The file %1 of the entry %2 is missing.")
                    .arg(RootWalk::escaped(link), title));

        const QString &screenshot = entry.screenshot;
        const QString medium = mediaByName.value(screenshot.toLower());
        if (StyleFields::isSet(screenshot) && !medium.isEmpty() &&
            QDir::cleanPath(medium) != QDir::cleanPath(menuFolder + screenshot))
            add(DiscProblem::Kind::MediaCollision,
                QCoreApplication::translate("DiscCheck",
                                            "The media file %1 would replace the screenshot %2 of the entry %3.")
                    .arg(PathMapping::shown(medium), RootWalk::escaped(screenshot), title));
        else if (screenshots && StyleFields::isSet(screenshot) && medium.isEmpty() &&
                 !QFileInfo(menuFolder + screenshot).isFile())
            add(DiscProblem::Kind::MissingFile,
                QCoreApplication::translate("DiscCheck", "The screenshot %1 of the entry %2 is missing.")
                    .arg(RootWalk::escaped(MenuFolder::menuFolderName() + QLatin1Char('/') + screenshot), title));
    }
}

bool DiscCheck::walkRoot()
{
    QHash<QString, QString> namesByFolded; // folder and name in folded case, to the name as it is
    QString hiddenFolder;                  // the hidden folder being walked, named once
    return RootWalk(m_snapshot.rootPath).run([&](const RootItem &item) {
        if (m_progress && ++m_seen % 256 == 0 && !m_progress(m_seen))
            return false;
        const QString &shown = item.relative;
        switch (item.link) {
        case RootItem::Link::Outside:
            add(DiscProblem::Kind::BrokenLink,
                QCoreApplication::translate("DiscCheck",
                                            "The link %1 leads outside the CD root; the disc image leaves it out.")
                    .arg(shown));
            return true;
        case RootItem::Link::Missing:
            add(DiscProblem::Kind::BrokenLink,
                QCoreApplication::translate("DiscCheck", "The link %1 leads to nothing; the disc image leaves it out.")
                    .arg(shown));
            return true;
        case RootItem::Link::Loop:
            add(DiscProblem::Kind::BrokenLink,
                QCoreApplication::translate(
                    "DiscCheck", "The link %1 leads back into a folder that holds it; the disc image leaves it out.")
                    .arg(shown));
            return true;
        case RootItem::Link::None:
        case RootItem::Link::Inside:
            break;
        }
        if (item.type == RootItem::Type::Special) {
            add(DiscProblem::Kind::Special,
                QCoreApplication::translate(
                    "DiscCheck", "%1 is a pipe, a device or a socket, not a file; the disc image leaves it out.")
                    .arg(shown));
            return true;
        }
        ++m_entries;
        m_nameCharacters += item.name.size();
        if (item.type == RootItem::Type::Folder)
            ++m_folders;
        else if (item.type == RootItem::Type::File)
            m_fileSectors += (item.size + sectorSize - 1) / sectorSize;

        const bool folder = item.type == RootItem::Type::Folder;
        if (!item.validName)
            add(DiscProblem::Kind::BadName,
                QCoreApplication::translate("DiscCheck",
                                            "The name %1 cannot be shown on the menu or read on Windows: rename it.")
                    .arg(shown));
        else if (const StepResult joliet = checkJolietName(item.name); !joliet)
            add(DiscProblem::Kind::JolietName,
                QCoreApplication::translate("DiscCheck", "The name %1 %2, which a Joliet disc cannot hold.")
                    .arg(shown, joliet.error));
        else if (const StepResult windows = WindowsNames::check(item.name); !windows)
            add(DiscProblem::Kind::WindowsName,
                QCoreApplication::translate("DiscCheck", "The name %1 %2, which Windows cannot open from a disc.")
                    .arg(shown, windows.error));
        const int slash = shown.lastIndexOf(QLatin1Char('/'));
        const QString key = shown.left(slash + 1) + item.name.toCaseFolded();
        const auto other = namesByFolded.constFind(key);
        if (other != namesByFolded.cend())
            add(DiscProblem::Kind::CaseClash,
                QCoreApplication::translate(
                    "DiscCheck", "The names %1 and %2 differ only in letter case; Windows reads only one of them.")
                    .arg(*other, shown));
        else
            namesByFolded.insert(key, shown);
        if (!item.readable)
            add(DiscProblem::Kind::Unreadable,
                (folder ? QCoreApplication::translate(
                              "DiscCheck", "The folder %1 cannot be read, so no disc image can be made of it.")
                        : QCoreApplication::translate(
                              "DiscCheck", "The file %1 cannot be read, so no disc image can be made of it."))
                    .arg(shown));

        if (!hiddenFolder.isEmpty() && shown.startsWith(hiddenFolder))
            return true;
        hiddenFolder.clear();
        if (item.hidden) {
            m_result.notes.append(
                (folder ? QCoreApplication::translate("DiscCheck", "The hidden folder %1 will go on the disc.")
                        : QCoreApplication::translate("DiscCheck", "The hidden file %1 will go on the disc."))
                    .arg(shown));
            if (folder)
                hiddenFolder = shown + QLatin1Char('/');
        }
        return true;
    });
}
