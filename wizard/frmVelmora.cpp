#include "wizard/frmVelmora.h"

#include "wizard/EditState.h"
#include "wizard/FilesPage.h"
#include "wizard/FormButtons.h"
#include "wizard/GeneralPage.h"
#include "wizard/Guarded.h"
#include "wizard/PageKit.h"
#include "wizard/Twips.h"
#include "wizard/WelcomePage.h"
#include "core/about/SystemInfo.h"
#include "wizard/about/frmAbout.h"
#include "core/data/DataHome.h"
#include "core/data/clsData.h"
#include "core/generate/MenuBuild.h"
#include "wizard/platform/Notices.h"
#include "wizard/styles/StyleEditor.h"
#include "wizard/styles/StyleFontsPage.h"
#include "wizard/styles/StyleImagesPage.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>

namespace {

const QString formResource = QStringLiteral(":/frmVelmora/frmVelmora.frm");

} // namespace

frmVelmora::frmVelmora(const WizardContext &context, QWidget *parent)
    : QMainWindow(parent), m_context(context),
      m_state(std::make_unique<EditState>(DataHome::databasePath(context.dataHome)))
{
    Q_ASSERT(context.notices && context.cdlg && context.controls);
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
    auto *images = new StyleImagesPage(buttons, *m_state, m_context, client);
    auto *fonts = new StyleFontsPage(buttons, *m_styles, *m_state, m_context, client);
    auto *files = new FilesPage(buttons, *m_state, m_context, client);
    m_styles->setPages(*images, *fonts);
    m_pages = {welcome, general, images, fonts, files};
    for (WizardPage *page : m_pages)
        page->setVisible(page == welcome);
    buildBottomRow(buttons);
    buildMenuBar();

    auto *imgPreview = new QLabel(client);
    imgPreview->setObjectName(QStringLiteral("imgPreview"));
    imgPreview->setGeometry(0, 0, 0, 0);

    const QString up = QStringLiteral("up");
    const QString down = QStringLiteral("down");
    FormButtons::onClick(cmdNext, this, [this, up] { switchSteps(up); });
    FormButtons::onClick(cmdBack, this, [this, down] { switchSteps(down); });
    FormButtons::onClick(cmdClose, this, [this] { close(); });
    FormButtons::onClick(Finish, this, [this] { finishMenu(); });
    connect(mnuQuit, &QAction::triggered, this, &QWidget::close);
    connect(mnuAbout, &QAction::triggered, this, &frmVelmora::showAbout);
    connect(welcome, &WelcomePage::forwardRequested, this, [this, up] { switchSteps(up); });
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
    Finish->setProperty("tag", QStringLiteral("Fin"));
}

void frmVelmora::buildMenuBar()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuQuit = file->addAction(QStringLiteral("Quit"));
    mnuQuit->setObjectName(QStringLiteral("mnuQuit"));
    QMenu *help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    mnuAbout = help->addAction(QStringLiteral("About"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
}

void frmVelmora::switchSteps(const QString &direction)
{
    const int from = int(m_step);
    const bool forward = direction == QLatin1String("up");
    const int target = forward ? from + 1 : from - 1;
    if (forward && !goForward(m_pages.at(from), m_pages.value(target)))
        return;
    if (target >= 0 && target < m_pages.size()) {
        for (int i = 0; i < m_pages.size(); ++i)
            m_pages.at(i)->setVisible(i == target);
        m_step = Step(target);
    }
    const bool last = m_step == Step::Files;
    PageKit::showControls(this, QStringLiteral("Fin"), last);
    cmdNext->setVisible(!last);
}

// The page left saves its part, the page entered loads; false when the wizard stays where it is.
bool frmVelmora::goForward(WizardPage *from, WizardPage *to)
{
    bool goOn = true;
    const bool done = guarded(*m_context.notices, [&] { goOn = from->leave() && (!to || to->enter()); });
    return done && goOn;
}

StepResult frmVelmora::buildMenu()
{
    MenuSnapshot snapshot;
    snapshot.title = m_state->title;
    snapshot.templateName = m_state->templateName;
    snapshot.style = m_state->style;
    snapshot.rootPath = m_state->rootPath;
    snapshot.currentMenuID = m_state->menuId;
    snapshot.programFolder = m_context.programFolder;
    return MenuBuild(m_state->data()).run(snapshot, MenuBuild::finishSteps, MenuBuild::OnFailure::Continue);
}

void frmVelmora::finishMenu()
{
    StepResult built;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ran = guarded(*m_context.notices, [&] { built = buildMenu(); });
    QApplication::restoreOverrideCursor();
    if (!ran)
        return;
    m_context.notices->information(built ? MenuBuild::successText() : built.error);
}

void frmVelmora::showAbout()
{
    guarded(*m_context.notices, [this] {
        const SystemInfoLookup systemInfo;
        frmAbout about(*m_context.controls, *m_context.notices, systemInfo, this);
        about.exec();
    });
}
