#pragma once

#include "wizard/WizardContext.h"
#include "wizard/WizardPage.h"

#include <QList>
#include <QMainWindow>
#include <memory>

struct EditState;
class MediaOutput;
class MenuOutput;
class MenuStore;
class FormButtons;
class StyleEditor;
class QAction;

// The wizard's main window: the five pages, the moves between them and the bottom row of buttons. What is
// being edited lives in the edit state, which the pages load from and save into; a database or file failure
// of a move ends in a notice and the window stays where it was.
class frmVelmora : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmVelmora(const WizardContext &context, QWidget *parent = nullptr);
    ~frmVelmora() override;

    // A read-only view for whoever watches the wizard.
    Step currentStep() const { return m_step; }
    const EditState &state() const { return *m_state; }
    WizardPage *page(Step step) const { return m_pages.value(int(step)); }

private:
    // Next: the page shown saves its part and the next one loads; on a failure the wizard stays where it is.
    void goNext();
    void goBack();
    void showPage(int index);
    bool goForward(WizardPage *from, WizardPage *to);
    void finishMenu();
    void backToMenuList();
    void updateImageAction();
    void makeImage();
    void burnDisc();
    void copyToDrive();
    void showAbout();
    void buildMenuBar();
    void buildViewMenu();
    // Keeps the zoom chosen for the next start, and says when it applies.
    void chooseZoom(int percent);
    void buildBottomRow(FormButtons &buttons);

    WizardContext m_context;
    std::unique_ptr<MenuStore> m_ownStore; // when the context brings none
    std::unique_ptr<EditState> m_state;
    std::unique_ptr<MenuOutput> m_output;
    std::unique_ptr<MediaOutput> m_media;
    std::unique_ptr<StyleEditor> m_styles;
    QList<WizardPage *> m_pages;
    Step m_step = Step::Welcome;

    QWidget *cmdClose = nullptr;
    QWidget *cmdBack = nullptr;
    QWidget *cmdNext = nullptr;
    QWidget *Finish = nullptr;
    QAction *mnuMakeImage = nullptr;
    QAction *mnuBurn = nullptr;
    QAction *mnuCopy = nullptr;
    QAction *mnuQuit = nullptr;
    QAction *mnuAbout = nullptr;
    QList<QAction *> m_zoomSteps; // the View menu's zoom steps, in order
    int m_zoom = 100;             // the zoom chosen, shown checked
};
