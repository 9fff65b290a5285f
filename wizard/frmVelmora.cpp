#include "wizard/frmVelmora.h"

#include "core/about/SystemInfo.h"
#include "core/data/DataHome.h"
#include "core/data/MenuStore.h"
#include "wizard/Notices.h"
#include "wizard/EditState.h"
#include "wizard/FilesPage.h"
#include "wizard/FormButtons.h"
#include "wizard/GeneralPage.h"
#include "wizard/Guarded.h"
#include "wizard/MediaOutput.h"
#include "wizard/MenuOutput.h"
#include "wizard/Twips.h"
#include "wizard/WelcomePage.h"
#include "wizard/Zoom.h"
#include "wizard/about/frmAbout.h"
#include "wizard/platform/DiscPrompts.h"
#include "wizard/styles/StyleEditor.h"
#include "wizard/styles/StyleFontsPage.h"
#include "wizard/styles/StyleImagesPage.h"

#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>

namespace {

const QString formResource = QStringLiteral(":/frmVelmora/frmVelmora.frm");

} // namespace

frmVelmora::frmVelmora(const WizardContext &context, QWidget *parent)
    : QMainWindow(parent), m_context(context), m_state(std::make_unique<EditState>())
{
    Q_ASSERT(context.notices && context.cdlg && context.controls && context.discPrompts);
    if (!m_context.store) {
        m_ownStore = std::make_unique<MenuStore>(DataHome::databasePath(context.dataHome));
        m_context.store = m_ownStore.get();
    }
    // Queued: the page that found the menu gone finishes its own handler first.
    m_context.menuLost = [this] { QMetaObject::invokeMethod(this, &frmVelmora::backToMenuList, Qt::QueuedConnection); };
    m_output = std::make_unique<MenuOutput>(m_context);
    m_media = std::make_unique<MediaOutput>(m_context, *m_output);
    setObjectName(QStringLiteral("frmVelmora"));
    setWindowTitle(QStringLiteral("  Velmora Wizard"));

    // The layouts are measured for the classic 8-point dialog font.
    QFont dialogFont = font();
    dialogFont.setPointSize(8);
    setFont(dialogFont);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twips(8865), twips(7035));
    setCentralWidget(client);

    FormButtons buttons(*context.controls, formResource);
    m_styles = std::make_unique<StyleEditor>(*m_state, m_context);
    auto *welcome = new WelcomePage(buttons, *m_state, m_context, client);
    auto *general = new GeneralPage(*m_styles, *m_state, m_context, client);
    auto *images = new StyleImagesPage(buttons, *m_styles, *m_state, m_context, client);
    auto *fonts = new StyleFontsPage(buttons, *m_styles, *m_state, m_context, client);
    auto *files = new FilesPage(buttons, *m_state, m_context, client);
    m_pages = {welcome, general, images, fonts, files};
    for (WizardPage *page : m_pages)
        page->setVisible(page == welcome);
    buildBottomRow(buttons);
    buildMenuBar();

    auto *imgPreview = new QLabel(client);
    imgPreview->setObjectName(QStringLiteral("imgPreview"));
    imgPreview->setGeometry(0, 0, 0, 0);

    FormButtons::onClick(cmdNext, this, [this] { goNext(); });
    FormButtons::onClick(cmdBack, this, [this] { goBack(); });
    FormButtons::onClick(cmdClose, this, [this] { close(); });
    FormButtons::onClick(Finish, this, [this] { finishMenu(); });
    connect(mnuMakeImage, &QAction::triggered, this, &frmVelmora::makeImage);
    connect(mnuBurn, &QAction::triggered, this, &frmVelmora::burnDisc);
    connect(mnuCopy, &QAction::triggered, this, &frmVelmora::copyToDrive);
    connect(mnuQuit, &QAction::triggered, this, &QWidget::close);
    connect(mnuAbout, &QAction::triggered, this, &frmVelmora::showAbout);
    connect(welcome, &WelcomePage::forwardRequested, this, &frmVelmora::goNext);
    connect(welcome, &WelcomePage::menusOffered, general, &GeneralPage::offerStyles);

    adjustSize();
    setFixedSize(size());
}

frmVelmora::~frmVelmora()
{
    // The pages hold references to the edit state and the style editor: they go first.
    delete takeCentralWidget();
}

void frmVelmora::buildBottomRow(FormButtons &buttons)
{
    QWidget *client = centralWidget();
    const int top = 6300;
    cmdClose = buttons.make(QStringLiteral("cmdClose"), client);
    cmdClose->setGeometry(twipsRect(315, top, 1275, 435));
    cmdBack = buttons.make(QStringLiteral("cmdBack"), client);
    cmdBack->setGeometry(twipsRect(2730, top, 1275, 435));
    cmdNext = buttons.make(QStringLiteral("cmdNext"), client);
    cmdNext->setGeometry(twipsRect(4515, top, 1275, 435));
    Finish = buttons.make(QStringLiteral("Finish"), client);
    Finish->setGeometry(twipsRect(7245, top, 1275, 435));
}

void frmVelmora::buildMenuBar()
{
    QMenu *file = menuBar()->addMenu(QCoreApplication::translate("Window", "&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuMakeImage = file->addAction(QCoreApplication::translate("DiscImage", "Make Disc &Image…"));
    mnuMakeImage->setObjectName(QStringLiteral("mnuMakeImage"));
    mnuMakeImage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    mnuMakeImage->setEnabled(false);
    mnuBurn = file->addAction(QCoreApplication::translate("DiscBurn", "&Burn to Disc…"));
    mnuBurn->setObjectName(QStringLiteral("mnuBurn"));
    mnuBurn->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    mnuBurn->setEnabled(false);
    mnuCopy = file->addAction(QCoreApplication::translate("DriveCopy", "&Copy to Drive…"));
    mnuCopy->setObjectName(QStringLiteral("mnuCopy"));
    mnuCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    mnuCopy->setEnabled(false);
    connect(file, &QMenu::aboutToShow, this, &frmVelmora::updateImageAction);
    file->addSeparator();
    mnuQuit = file->addAction(QCoreApplication::translate("Window", "&Quit"));
    mnuQuit->setObjectName(QStringLiteral("mnuQuit"));
    mnuQuit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    buildViewMenu();
    QMenu *help = menuBar()->addMenu(QCoreApplication::translate("Window", "&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    mnuAbout = help->addAction(QCoreApplication::translate("Window", "&About"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));

    // F10 opens the menu bar at its first menu, as on other desktops.
    auto *menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    menuKey->setObjectName(QStringLiteral("keyMenuBar"));
    connect(menuKey, &QShortcut::activated, this, [this] {
        menuBar()->setFocus(Qt::ShortcutFocusReason);
        menuBar()->setActiveAction(menuBar()->actions().constFirst());
    });
}

void frmVelmora::buildViewMenu()
{
    QMenu *view = menuBar()->addMenu(QCoreApplication::translate("Window", "&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    QMenu *zoom = view->addMenu(QCoreApplication::translate("Window", "&Zoom"));
    zoom->setObjectName(QStringLiteral("mnuZoom"));
    m_zoom = Zoom::current();
    auto *steps = new QActionGroup(this);
    for (const int percent : Zoom::steps()) {
        QAction *step = zoom->addAction(QStringLiteral("%1 %").arg(percent));
        step->setObjectName(QStringLiteral("mnuZoom%1").arg(percent));
        step->setCheckable(true);
        step->setChecked(percent == m_zoom);
        steps->addAction(step);
        connect(step, &QAction::triggered, this, [this, percent] { chooseZoom(percent); });
        m_zoomSteps.append(step);
    }
    zoom->addSeparator();
    QAction *in = zoom->addAction(QCoreApplication::translate("Window", "Zoom &In"));
    in->setObjectName(QStringLiteral("mnuZoomIn"));
    // Ctrl++ is Ctrl+= on keyboards where "+" needs Shift.
    in->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(in, &QAction::triggered, this, [this] { chooseZoom(Zoom::nextStep(m_zoom, +1)); });
    QAction *out = zoom->addAction(QCoreApplication::translate("Window", "Zoom &Out"));
    out->setObjectName(QStringLiteral("mnuZoomOut"));
    out->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    connect(out, &QAction::triggered, this, [this] { chooseZoom(Zoom::nextStep(m_zoom, -1)); });
    QAction *reset = zoom->addAction(QCoreApplication::translate("Window", "&Normal Size"));
    reset->setObjectName(QStringLiteral("mnuZoomReset"));
    reset->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(reset, &QAction::triggered, this, [this] { chooseZoom(Zoom::normal); });
}

void frmVelmora::chooseZoom(int percent)
{
    for (QAction *step : std::as_const(m_zoomSteps))
        step->setChecked(step->objectName() == QStringLiteral("mnuZoom%1").arg(percent));
    if (percent == m_zoom)
        return;
    m_zoom = percent;
    // Qt takes its scale factor when the program starts: the choice applies from the next start.
    m_context.notices->information(
        Zoom::store(percent)
            ? QCoreApplication::translate("Window", "The window will be shown at %1 % from the next start of Velmora.")
                  .arg(percent)
            : QCoreApplication::translate("Window", "The zoom could not be kept in %1.")
                  .arg(QDir::toNativeSeparators(Zoom::settingsFile())));
}

void frmVelmora::goNext()
{
    const int next = int(m_step) + 1;
    if (goForward(m_pages.at(int(m_step)), m_pages.value(next)))
        showPage(next);
}

void frmVelmora::goBack()
{
    showPage(int(m_step) - 1);
}

// Shows the page at index, staying on the page shown when there is none, and the bottom row for the page shown:
// Finish on the last page, Next on the others.
void frmVelmora::showPage(int index)
{
    if (index >= 0 && index < m_pages.size()) {
        for (int i = 0; i < m_pages.size(); ++i)
            m_pages.at(i)->setVisible(i == index);
        m_step = Step(index);
    }
    const bool last = m_step == Step::Files;
    Finish->setVisible(last);
    cmdNext->setVisible(!last);
    updateImageAction();
}

// The page left saves its part, the page entered loads; false when the wizard stays where it is.
bool frmVelmora::goForward(WizardPage *from, WizardPage *to)
{
    bool goOn = true;
    const bool done = guarded(
        *m_context.notices, [&] { goOn = from->leave() && (!to || to->enter()); }, m_context.menuLost);
    return done && goOn;
}

void frmVelmora::finishMenu()
{
    m_output->finish(*m_state, this);
    updateImageAction();
}

// An image is offered for a stored menu whose CD root holds its built page: after Finish, or for a menu
// loaded that was built before.
void frmVelmora::updateImageAction()
{
    const bool built = !MenuOutput::builtRoot(*m_state).isEmpty();
    mnuMakeImage->setEnabled(built);
    mnuBurn->setEnabled(built);
    mnuCopy->setEnabled(built);
}

void frmVelmora::makeImage()
{
    m_output->makeImage(*m_state, this);
}

void frmVelmora::burnDisc()
{
    m_media->burn(*m_state, this);
}

void frmVelmora::copyToDrive()
{
    m_media->copy(*m_state, this);
}

// The menu being edited was deleted elsewhere: the user chooses again from the welcome page's list.
void frmVelmora::backToMenuList()
{
    // The general page still shows its fields and takes them again when it is left; the root it shows stays chosen.
    const std::optional<QString> root = m_state->rootFolder;
    *m_state = EditState();
    m_state->rootFolder = root;
    showPage(int(Step::Welcome));
    static_cast<WelcomePage *>(page(Step::Welcome))->offerMenus();
}

void frmVelmora::showAbout()
{
    guarded(*m_context.notices, [this] {
        const SystemInfoLookup systemInfo;
        frmAbout about(*m_context.controls, *m_context.notices, systemInfo, this);
        about.exec();
    });
}
