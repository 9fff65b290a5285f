#include "wizard/MenuOutput.h"

#include "core/data/MenuStore.h"
#include "core/disc/DiscCheck.h"
#include "core/disc/IsoImage.h"
#include "core/generate/MenuBuild.h"
#include "core/generate/MenuFolder.h"
#include "core/platform/Notices.h"
#include "wizard/EditState.h"
#include "wizard/Guarded.h"
#include "wizard/WizardContext.h"
#include "wizard/platform/DiscPrompts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>

bool MenuOutput::checkDisc(const MenuSnapshot &snapshot)
{
    // Without a CD root there is nothing to check; the build says what is missing.
    if (snapshot.rootPath.isEmpty())
        return true;
    QStringList problems;
    DiscSize size;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ran = guarded(*m_context.notices, [&] {
        DiscCheck check(*m_context.store, snapshot);
        check.run();
        for (const DiscProblem &problem : check.problems())
            problems.append(problem.text);
        size = check.size();
    });
    QApplication::restoreOverrideCursor();
    if (!ran)
        return false;
    if (problems.isEmpty())
        return true;
    problems.append(size.line());
    return m_context.discPrompts->continueDespite(problems);
}

void MenuOutput::finish(const EditState &state)
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
    if (m_context.notices->question(
            MenuBuild::successText() +
            QCoreApplication::translate("Finish", "\r\n\r\nOpen the menu in your browser now?")))
        m_context.discPrompts->open(MenuFolder::createMenuFile(snapshot.rootPath));
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
    QProgressDialog progress(QCoreApplication::translate("DiscImage", "Making the disc image…"),
                             QCoreApplication::translate("DiscImage", "Cancel"), 0, 100, parent);
    progress.setObjectName(QStringLiteral("dlgImageProgress"));
    progress.setWindowTitle(Notices::programTitle());
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setMinimumDuration(0);
    // Queued: a modal progress dialog handles events in setValue, which must not run inside xorriso's output.
    QObject::connect(&image, &IsoImage::progress, &progress, &QProgressDialog::setValue, Qt::QueuedConnection);
    QObject::connect(&progress, &QProgressDialog::canceled, &image, &IsoImage::cancel);
    progress.setValue(0);
    progress.show();
    const bool made = image.run(root, state.title, target);
    if (made)
        progress.setValue(100);
    progress.close();
    if (image.wasCancelled())
        return;
    m_context.notices->information(made ? QCoreApplication::translate("DiscImage", "The disc image %1 has been made.")
                                              .arg(QDir::toNativeSeparators(target))
                                        : image.errorString());
}
