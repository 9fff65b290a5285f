#include "wizard/MenuOutput.h"

#include "core/data/MenuStore.h"
#include "core/disc/DiscCheck.h"
#include "core/disc/IsoImage.h"
#include "core/generate/MenuBuild.h"
#include "core/generate/MenuFolder.h"
#include "wizard/Notices.h"
#include "wizard/EditState.h"
#include "wizard/FinishFeedback.h"
#include "wizard/Guarded.h"
#include "wizard/WizardContext.h"
#include "wizard/platform/DiscPrompts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

bool MenuOutput::checkDisc(const MenuSnapshot &snapshot)
{
    // Without a CD root there is nothing to check; the build says what is missing.
    if (snapshot.rootPath.isEmpty())
        return true;
    DiscCheckResult found;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ran = guarded(*m_context.notices, [&] {
        DiscCheck check(*m_context.store, snapshot);
        check.run();
        found = check.result();
    });
    QApplication::restoreOverrideCursor();
    if (!ran)
        return false;
    // Notes alone (hidden files that go on the disc) are no reason to stop.
    if (found.problems.isEmpty())
        return true;
    QStringList lines;
    for (const DiscProblem &problem : std::as_const(found.problems))
        lines.append(problem.text);
    return m_context.discPrompts->continueDespite(lines, found.notes, found.size.line());
}

void MenuOutput::finish(const EditState &state, QWidget *parent)
{
    // The record is stored first: a menu that another program deleted is reported before any page is written.
    if (state.menuId > 0) {
        MenuRecord menu = state.menuRecord();
        if (!guarded(
                *m_context.notices, [&] { m_context.store->saveMenu(menu); }, m_context.menuLost))
            return;
    }
    const MenuSnapshot snapshot = state.snapshot(m_context.programFolder);
    if (!checkDisc(snapshot))
        return;
    StepResult built;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ran = guarded(*m_context.notices, [&] {
        built = MenuBuild(*m_context.store).run(snapshot, MenuBuild::finishSteps, MenuBuild::OnFailure::Continue);
    });
    QApplication::restoreOverrideCursor();
    if (!ran)
        return;
    if (!built) {
        m_context.notices->information(built.error);
        return;
    }
    switch (askAfterFinish(*m_context.notices, MenuBuild::successText())) {
    case AfterFinish::OpenInBrowser:
        m_context.discPrompts->open(MenuFolder::createMenuFile(snapshot.rootPath));
        break;
    case AfterFinish::MakeImage:
        makeImage(state, parent);
        break;
    case AfterFinish::Close:
        break;
    }
}

QString MenuOutput::builtRoot(const EditState &state)
{
    if (state.menuId <= 0 || state.rootPath().isEmpty())
        return {};
    return QFileInfo(MenuFolder::createMenuFile(state.rootPath())).isFile() ? state.rootPath() : QString();
}

void MenuOutput::makeImage(const EditState &state, QWidget *parent)
{
    const QString root = builtRoot(state);
    if (root.isEmpty())
        return;
    const QString target = m_context.discPrompts->imageFile(IsoImage::defaultImagePath(root, state.title));
    if (target.isEmpty())
        return;

    IsoImage image;
    image.setDataHome(m_context.dataHome);
    StepResult made;
    {
        ImageProgress progress(parent);
        // Queued: a modal progress dialog handles events when its value is set, which must not run inside xorriso's
        // output.
        QObject::connect(&image, &IsoImage::progress, &progress, &ImageProgress::setPercent, Qt::QueuedConnection);
        QObject::connect(&progress, &ImageProgress::canceled, &image, &IsoImage::cancel);
        progress.show();
        made = image.run(root, state.title, target);
        if (made)
            progress.setPercent(100);
        progress.close();
    }
    if (image.wasCancelled())
        return;
    m_context.notices->information(made ? QCoreApplication::translate("DiscImage", "The disc image %1 has been made.")
                                              .arg(QDir::toNativeSeparators(target))
                                        : made.error);
}
