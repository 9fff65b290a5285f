#pragma once

#include "core/model/MenuSnapshot.h"
#include "core/model/StepResult.h"

#include <QStringList>
#include <memory>

class MenuStore;
class MenuReader;
class PageWriter;
class ReplacingFile;

// The one way a menu's CD root is written, for Finish, the style pages and `velmora build`: the checks of the chosen
// steps first, then the steps in this order: the stylesheet and the style's media in the Menu folder, the page,
// Index.hta (a copy of the page) and the two autorun files from the program folder.
class MenuBuild
{
public:
    enum Step { Style = 1, Page = 2, Application = 4, Autorun = 8 };
    static constexpr int finishSteps = Page | Application | Autorun;
    static constexpr int allSteps = Style | Page | Application | Autorun;

    // Stop: a failed check writes nothing and the first failed write ends the build (the command line, the style
    // pages). Continue: a failed check or write skips that step only, and every failure is reported (Finish: an
    // earlier page is copied to Index.hta again and the autorun files are copied when no page can be written).
    // A missing or read-only CD root writes nothing either way.
    enum class OnFailure { Stop, Continue };

    explicit MenuBuild(MenuStore &data);

    // The result's error lists the failures in order, one a line (CR LF).
    StepResult run(const MenuSnapshot &snapshot, int steps, OnFailure onFailure);
    // Every step, with Stop, for the menu as it is stored: its template, title, root and style.
    StepResult runStored(qint64 menuId, const QString &programFolder);

    // What the last run did: the files written in order, and remarks that did not stop it.
    const QStringList &written() const { return m_written; }
    const QStringList &notes() const { return m_notes; }

    // "Your Menu has been successfully created!"; Finish shows it when the build succeeded.
    static QString successText();

private:
    StepResult runWith(MenuReader &reader, const MenuSnapshot &snapshot, int steps, OnFailure onFailure);
    int check(PageWriter &writer, const MenuSnapshot &snapshot, int steps, OnFailure onFailure);
    bool record(const StepResult &step);
    StepResult outcome() const;
    void writeStyle(const MenuSnapshot &snapshot);
    // The complete page under its temporary name, or nothing when it failed (recorded).
    std::unique_ptr<ReplacingFile> makePage(PageWriter &writer, const MenuSnapshot &snapshot);
    void commitPage(ReplacingFile &file, const MenuSnapshot &snapshot);
    static StepResult cannotWrite(const StepResult &failure, const MenuSnapshot &snapshot);
    void copy(const QString &source, const QString &destination);

    MenuStore &m_data;
    QStringList m_written;
    QStringList m_failures;
    QStringList m_notes;
};
