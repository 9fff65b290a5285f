#pragma once

#include "wizard/WizardContext.h"
#include "core/data/Recordset.h"
#include "core/generate/MenuSnapshot.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

class clsData;
class FilesPage;
class FormButtons;
class GeneralPage;
class StyleFontsPage;
class StyleImagesPage;
class WelcomePage;
class WizardPage;
class QAction;

// The wizard's main window: five pages, the moves between them with their checks, the menu records, the CD root
// and the style on the style pages. Database and file failures of a command end in a notice; the window stays
// where it was.
class frmVelmora : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmVelmora(const WizardContext &context, QWidget *parent = nullptr);
    ~frmVelmora() override;

    // Window state, named as the rest of Velmora knows it.
    int currentStep = 0;
    qint32 currentMenuID = 0; // 0 while the menu on the pages was never stored
    bool menuLoaded = false;
    QString rootPath;         // CD root with its trailing separator; empty until a folder is chosen
    qint32 currentStyleID = 0;
    std::optional<Recordset> rsStyle; // the loaded style's row, from loading until saving
    QString currentEntry;
    clsData *myData;

    WizardPage *step(int index) const;
    WelcomePage *welcomePage() const { return m_welcome; }
    GeneralPage *generalPage() const { return m_general; }
    StyleImagesPage *imagesPage() const { return m_images; }
    StyleFontsPage *fontsPage() const { return m_fonts; }
    FilesPage *filesPage() const { return m_files; }
    const WizardContext &context() const { return m_context; }

    void switchSteps(const QString &direction);
    void showControls(const QString &strTag, bool strShow);

    // Menu records.
    void saveMenuRecord();
    void refreshData();
    void cmdNew_Click();
    void cmdEdit_Click();
    void cmdLoad_Click();
    void cmdDelete_Click();
    void cmdMDelete_Click();

    // CD root.
    void Drive1_Change();
    void Dir1_Change();
    static QString getFileName(const QString &path);

    // The style on the style pages.
    void setStandardStyles();
    bool setStyleData();
    void fillStyles();
    bool validateStyleImages();
    void saveStyle();
    QString copyStyleFile(const QString &source);
    QString styleFolder() const;
    StyleFields styleFields() const;

    void getFileData();
    MenuSnapshot snapshot() const;

    // Runs a command; a database or file failure becomes a notice with its message. False when it failed.
    bool guarded(const std::function<void()> &command);

private:
    bool leavePage(int page);
    bool loadMenuOntoGeneralPage();
    void finishMenu();
    void showAbout();
    void buildMenuBar();
    void buildBottomRow(FormButtons &buttons);
    void connectCommands();
    qint32 listId(const QString &text, bool *ok) const;
    QString menuListEntry(const Recordset &menus) const;
    void fillMenuList(class QComboBox *list, bool *any);

    WizardContext m_context;
    WelcomePage *m_welcome = nullptr;
    GeneralPage *m_general = nullptr;
    StyleImagesPage *m_images = nullptr;
    StyleFontsPage *m_fonts = nullptr;
    FilesPage *m_files = nullptr;
    QList<WizardPage *> m_steps;

public:
    QWidget *cmdClose = nullptr;
    QWidget *cmdBack = nullptr;
    QWidget *cmdNext = nullptr;
    QWidget *Finish = nullptr;
    QAction *mnuQuit = nullptr;
    QAction *mnuAbout = nullptr;
};
