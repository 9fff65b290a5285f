#include "core/generate/MenuBuild.h"

#include "core/data/DataError.h"
#include "core/data/MenuReader.h"
#include "core/data/MenuStore.h"
#include "core/generate/BuildChecks.h"
#include "core/generate/MenuFolder.h"
#include "core/generate/PageWriter.h"
#include "core/generate/StoredSnapshot.h"
#include "core/generate/StylesheetWriter.h"
#include "core/model/PathMapping.h"
#include "core/platform/ProgramParts.h"
#include "core/platform/ReplacingFile.h"
#include "core/platform/ReplacingFileDevice.h"
#include "core/platform/TemporaryFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A folder counts as read-only when its permissions deny the owner writing, or when nothing can be created in it
// (a read-only medium): the build never writes into a folder the user marked read-only.
bool isWritableFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isWritable() || !info.permission(QFileDevice::WriteOwner))
        return false;
    QFile probe(TemporaryFiles::nameFor(folder, QStringLiteral("probe")));
    const bool created = probe.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    probe.remove();
    return created;
}

} // namespace

MenuBuild::MenuBuild(MenuStore &data) : m_data(data) {}

QString MenuBuild::successText()
{
    return QCoreApplication::translate("Build", "Your Menu has been successfully created!");
}

bool MenuBuild::record(const StepResult &step)
{
    if (!step)
        m_failures.append(step.error);
    return step.ok;
}

StepResult MenuBuild::outcome() const
{
    if (m_failures.isEmpty())
        return StepResult::success();
    return StepResult::failure(m_failures.join(QStringLiteral("\r\n")));
}

StepResult MenuBuild::run(const MenuSnapshot &snapshot, int steps, OnFailure onFailure)
{
    m_written.clear();
    m_failures.clear();
    m_notes.clear();
    try {
        MenuReader reader(m_data);
        return runWith(reader, snapshot, steps, onFailure);
    } catch (const DataError &error) {
        record(StepResult::failure(error.message()));
        return outcome();
    }
}

StepResult MenuBuild::runStored(qint64 menuId, const QString &programFolder)
{
    m_written.clear();
    m_failures.clear();
    m_notes.clear();
    try {
        MenuReader reader(m_data);
        StepValue<StoredSnapshot> stored = StoredSnapshot::load(reader, menuId);
        if (!stored) {
            record(stored);
            return outcome();
        }
        m_notes = stored.value.notes;
        MenuSnapshot &snapshot = stored.value.snapshot;
        snapshot.programFolder = programFolder;
        return runWith(reader, snapshot, allSteps, OnFailure::Stop);
    } catch (const DataError &error) {
        record(StepResult::failure(error.message()));
        return outcome();
    }
}

int MenuBuild::check(PageWriter &writer, const MenuSnapshot &snapshot, int steps, OnFailure onFailure)
{
    const QString &root = snapshot.rootPath;
    const StepResult rootState =
        root.isEmpty()             ? MenuFolder::noRootFolder()
        : !QFileInfo(root).isDir() ? StepResult::failure(BuildChecks::notAFolderText(root))
        : !isWritableFolder(root)
            ? StepResult::failure(QCoreApplication::translate("Build", "The CD root folder %1 is read-only.")
                                      .arg(PathMapping::shown(root)))
            : StepResult::success();
    if (!record(rootState))
        return 0; // nothing can be written
    // Links in the way, colliding media or entries outside the root refuse the whole build: writing part of it
    // would leave a root that is neither the old menu nor the new one.
    const auto mediaState = (steps & Style) ? BuildChecks::Media::Copied : BuildChecks::Media::AlreadyCopied;
    if (!record(BuildChecks::beforeWriting(snapshot, mediaState)))
        return 0;

    int passed = steps;
    auto fails = [&](int step, const StepResult &result) {
        if (!record(result))
            passed &= ~step;
    };
    if (steps & Style)
        fails(Style, StylesheetWriter::check(snapshot.style)); // the media were checked with the links
    if (steps & Page)
        fails(Page, writer.check());
    if (steps & Autorun) {
        // The autorun files come from the program folder or the installed data folder; when neither holds both,
        // the one beside the program is still copied (a step of its own) and the failure names every folder.
        const ProgramParts parts(snapshot.programFolder);
        if (parts.autorunFolder().isEmpty())
            record(StepResult::failure(parts.autorunMissingMessage()));
    }
    // Only the first reason is given when nothing is written: it is what the user has to put right first.
    if (onFailure == OnFailure::Stop && !m_failures.isEmpty()) {
        m_failures = QStringList{m_failures.first()};
        return 0;
    }
    return passed;
}

StepResult MenuBuild::runWith(MenuReader &reader, const MenuSnapshot &snapshot, int steps, OnFailure onFailure)
{
    PageWriter writer(snapshot, reader); // checked once, then written
    const int ready = check(writer, snapshot, steps, onFailure);
    auto carryOn = [&] { return onFailure == OnFailure::Continue || m_failures.isEmpty(); };
    // The page is made first, under its temporary name, as making it is also where an entry linking outside the
    // root is found: with Stop, such a page leaves the root as it was. It takes its name after the stylesheet, so
    // the files still change in the order of the steps.
    std::unique_ptr<ReplacingFile> page;
    if (ready & Page)
        page = makePage(writer, snapshot);
    if (ready & Style && carryOn())
        writeStyle(snapshot);
    if (page && carryOn())
        commitPage(*page, snapshot);
    // An earlier page is copied again when this build wrote none, as it stays the menu of the CD.
    if ((ready & Application) && carryOn())
        copy(MenuFolder::createMenuFile(snapshot.rootPath), snapshot.rootPath + MenuFolder::applicationFileName());
    if (ready & Autorun) {
        const QString found = ProgramParts(snapshot.programFolder).autorunFolder();
        const QString programFolder = PathMapping::rootPathFor(found.isEmpty() ? snapshot.programFolder : found);
        for (const QString &name : ProgramParts::autorunFileNames()) {
            if (carryOn() && QFileInfo(programFolder + name).isFile())
                copy(programFolder + name, snapshot.rootPath + name);
        }
    }
    return outcome();
}

void MenuBuild::writeStyle(const MenuSnapshot &snapshot)
{
    if (!record(MenuFolder::ensureMenuFolder(snapshot.rootPath)))
        return;
    const QString stylesheet = StylesheetWriter::stylesheetPath(snapshot.rootPath);
    if (!record(MenuFolder::writeReplacing(stylesheet, StylesheetWriter::text(snapshot.style))))
        return;
    m_written.append(stylesheet);
    for (const QString &file : snapshot.style.mediaFiles()) {
        if (!StyleFields::isSet(file))
            continue;
        if (!record(MenuFolder::copyToMenuFolder(snapshot.rootPath, file)))
            return;
        m_written.append(snapshot.rootPath + MenuFolder::menuFolderName() + PathMapping::separator() +
                         PathMapping::getFileName(file));
    }
}

std::unique_ptr<ReplacingFile> MenuBuild::makePage(PageWriter &writer, const MenuSnapshot &snapshot)
{
    // The page goes to the file as it is made: a large menu is never held in memory whole, and the earlier page
    // is replaced only by a complete one.
    auto file = std::make_unique<ReplacingFile>(MenuFolder::createMenuFile(snapshot.rootPath));
    if (const StepResult opened = file->open(); !opened) {
        record(cannotWrite(opened, snapshot));
        return nullptr;
    }
    ReplacingFileDevice device(*file);
    const StepResult page = writer.write(device);
    const StepResult written = device.finish();
    if (!page || !written) {
        record(written ? page : cannotWrite(written, snapshot));
        return nullptr;
    }
    return file;
}

void MenuBuild::commitPage(ReplacingFile &file, const MenuSnapshot &snapshot)
{
    const StepResult committed = file.commit();
    if (record(committed ? committed : cannotWrite(committed, snapshot)))
        m_written.append(MenuFolder::createMenuFile(snapshot.rootPath));
}

StepResult MenuBuild::cannotWrite(const StepResult &failure, const MenuSnapshot &snapshot)
{
    return StepResult::failure(
        QCoreApplication::translate("Build", "Cannot write %1: %2")
            .arg(PathMapping::shown(MenuFolder::createMenuFile(snapshot.rootPath)), failure.error));
}

void MenuBuild::copy(const QString &source, const QString &destination)
{
    if (record(MenuFolder::copyReplacing(source, destination)))
        m_written.append(destination);
}
