#include "wizard/frmVelmora.h"

#include "wizard/FilesPage.h"
#include "wizard/FormButtons.h"
#include "wizard/GeneralPage.h"
#include "wizard/Twips.h"
#include "wizard/WelcomePage.h"
#include "wizard/WizardErrors.h"
#include "core/about/SystemInfo.h"
#include "wizard/about/frmAbout.h"
#include "wizard/entries/FileEntries.h"
#include "core/data/DataError.h"
#include "core/data/clsData.h"
#include "core/data/DataHome.h"
#include "core/generate/MenuBuild.h"
#include "core/generate/PathMapping.h"
#include "wizard/platform/DriveList.h"
#include "wizard/platform/FolderList.h"
#include "wizard/platform/Notices.h"
#include "wizard/styles/StyleFontsPage.h"
#include "wizard/styles/StyleImagesPage.h"
#include "wizard/styles/StylePickers.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>

namespace {

const QString formResource = QStringLiteral(":/frmVelmora/frmVelmora.frm");

} // namespace

frmVelmora::frmVelmora(const WizardContext &context, QWidget *parent) : QMainWindow(parent), m_context(context)
{
    Q_ASSERT(context.notices && context.cdlg && context.controls);
    setObjectName(QStringLiteral("frmVelmora"));
    setWindowTitle(QStringLiteral("  Velmora Wizard"));
    myData = new clsData(DataHome::databasePath(context.dataHome), this);

    // The layouts are measured for the classic 8-point dialog font.
    QFont dialogFont = font();
    dialogFont.setPointSize(8);
    setFont(dialogFont);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twips(8865), twips(7035));
    setCentralWidget(client);

    FormButtons buttons(*context.controls, formResource);
    m_welcome = new WelcomePage(buttons, client);
    m_general = new GeneralPage(context.drives, client);
    m_images = new StyleImagesPage(buttons, client);
    m_fonts = new StyleFontsPage(buttons, client);
    m_files = new FilesPage(buttons, client);
    m_steps = {m_welcome, m_general, m_images, m_fonts, m_files};
    for (WizardPage *page : m_steps)
        page->setVisible(page == m_welcome);
    buildBottomRow(buttons);
    buildMenuBar();

    auto *imgPreview = new QLabel(client);
    imgPreview->setObjectName(QStringLiteral("imgPreview"));
    imgPreview->setGeometry(0, 0, 0, 0);

    // The folder list opens at the start folder without choosing it: lblRoot keeps its blank.
    const QString start = context.startFolder.isEmpty() ? QDir::homePath() : context.startFolder;
    m_general->Drive1->setDrive(DriveList::driveOf(start, m_general->Drive1->drives()));
    m_general->Dir1->setPath(start);

    connectCommands();
    adjustSize();
    setFixedSize(size());
}

frmVelmora::~frmVelmora() = default;

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

void frmVelmora::connectCommands()
{
    const QString up = QStringLiteral("up");
    const QString down = QStringLiteral("down");
    FormButtons::onClick(cmdNext, this, [this, up] { switchSteps(up); });
    FormButtons::onClick(cmdBack, this, [this, down] { switchSteps(down); });
    FormButtons::onClick(cmdClose, this, [this] { close(); });
    FormButtons::onClick(Finish, this, [this] { finishMenu(); });
    connect(mnuQuit, &QAction::triggered, this, &QWidget::close);
    connect(mnuAbout, &QAction::triggered, this, &frmVelmora::showAbout);

    FormButtons::onClick(m_welcome->cmdNew, this, [this] { cmdNew_Click(); });
    FormButtons::onClick(m_welcome->cmdEdit, this, [this] { cmdEdit_Click(); });
    FormButtons::onClick(m_welcome->cmdLoad, this, [this] { cmdLoad_Click(); });
    FormButtons::onClick(m_welcome->cmdDelete, this, [this] { cmdDelete_Click(); });
    FormButtons::onClick(m_welcome->cmdMDelete, this, [this] { cmdMDelete_Click(); });

    connect(m_general->Drive1, &DriveList::driveChanged, this, [this] { Drive1_Change(); });
    connect(m_general->Dir1, &FolderList::pathChanged, this, [this] { Dir1_Change(); });

    StylePickers::connect(*this);
    new FileEntries(*this, *m_files);
}

WizardPage *frmVelmora::step(int index) const
{
    return m_steps.value(index);
}

bool frmVelmora::guarded(const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (const DataError &error) {
        m_context.notices->information(error.message());
    } catch (const WizardError &error) {
        m_context.notices->information(error.message());
    } catch (const std::exception &error) {
        m_context.notices->information(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

void frmVelmora::showControls(const QString &strTag, bool strShow)
{
    const QList<QWidget *> controls = findChildren<QWidget *>();
    for (QWidget *control : controls) {
        const QVariant tag = control->property("tag");
        if (tag.isValid() && tag.toString() == strTag)
            control->setVisible(strShow);
    }
}

void frmVelmora::switchSteps(const QString &direction)
{
    const int page = currentStep;
    int target = page - 1;
    if (direction == QLatin1String("up")) {
        target = page + 1;
        if (!leavePage(page))
            return;
    }
    if (target >= 0 && target <= 4) {
        for (int i = 0; i < m_steps.size(); ++i)
            m_steps.at(i)->setVisible(i == target);
        currentStep = target;
    }
    const bool last = currentStep == 4;
    showControls(QStringLiteral("Fin"), last);
    cmdNext->setVisible(!last);
}

// The forward action of a page; false when the wizard stays on it.
bool frmVelmora::leavePage(int page)
{
    Notices &notices = *m_context.notices;
    bool goOn = true;
    const bool done = guarded([&] {
        switch (page) {
        case 0:
            if (currentMenuID != 0 && menuLoaded)
                loadMenuOntoGeneralPage();
            break;
        case 1: {
            const QString title = m_general->txtTitle->text();
            if (title.isEmpty()) {
                notices.information(QStringLiteral("Please enter a menu title!"));
                goOn = false;
                return;
            }
            if (m_general->lblRoot->text() == QLatin1String(" ")) {
                notices.information(QStringLiteral("Please select a root directory for your CD files!"));
                goOn = false;
                return;
            }
            if (currentMenuID == 0) {
                Recordset taken = myData->GetRS(Sql::selectMenuTitle(title));
                if (!taken.atEnd()) {
                    notices.information(QStringLiteral("Menu title is already taken, please change your title!,"));
                    m_general->txtTitle->clear();
                    goOn = false;
                    return;
                }
                taken.close();
            }
            goOn = setStyleData();
            break;
        }
        case 2:
            goOn = validateStyleImages();
            break;
        case 3:
            saveStyle();
            m_files->setTemplate(m_general->cmbTemplate->currentText());
            if (currentMenuID > 0 && menuLoaded)
                getFileData();
            break;
        default:
            break;
        }
    });
    return done && goOn;
}

bool frmVelmora::loadMenuOntoGeneralPage()
{
    Recordset menu = myData->GetRS(Sql::selectMenu(currentMenuID));
    if (menu.atEnd()) {
        menu.close();
        return false;
    }
    m_general->cmbTemplate->setCurrentText(menu.text(QStringLiteral("Template")));
    m_general->txtTitle->setText(menu.text(QStringLiteral("Title")));

    const QString root = QDir::fromNativeSeparators(menu.text(QStringLiteral("Root")));
    const QString drive = DriveList::driveOf(root, m_general->Drive1->drives());
    if (!drive.isEmpty())
        m_general->Drive1->setDrive(drive);
    if (!root.isEmpty() && QFileInfo(root).isDir()) {
        m_general->Dir1->setPath(root);
        // The folder list raises no change when it already shows the folder; the root follows it all the same.
        Dir1_Change();
    } else {
        m_context.notices->information(
            QStringLiteral("Your root directory is no longer valid!\r\nPlease select a new root directory!"));
    }

    const qint64 styleNo = menu.value(QStringLiteral("StyleNo")).toLongLong();
    QComboBox *styles = m_general->cmbStyles;
    for (int i = 1; i < styles->count(); ++i) {
        bool ok = false;
        const QString entry = styles->itemText(i);
        if (entry != QLatin1String("NEW") && listId(entry, &ok) == styleNo && ok) {
            styles->setCurrentIndex(i);
            break;
        }
    }
    menu.close();
    return true;
}

void frmVelmora::getFileData()
{
    Recordset entries = myData->GetRS(Sql::selectEntries(currentMenuID));
    if (!entries.atEnd()) {
        m_files->lstFiles->clear();
        while (!entries.atEnd()) {
            m_files->lstFiles->addItem(entries.text(QStringLiteral("FileName")));
            entries.moveNext();
        }
    }
    entries.close();
}

MenuSnapshot frmVelmora::snapshot() const
{
    MenuSnapshot result;
    result.title = m_general->txtTitle->text();
    result.templateName = m_general->cmbTemplate->currentText();
    result.style = styleFields();
    result.rootPath = rootPath;
    result.currentMenuID = currentMenuID;
    result.programFolder = m_context.programFolder;
    return result;
}

void frmVelmora::finishMenu()
{
    StepResult built;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ran = guarded([&] {
        built = MenuBuild(*myData).run(snapshot(), MenuBuild::finishSteps, MenuBuild::OnFailure::Continue);
    });
    QApplication::restoreOverrideCursor();
    if (!ran)
        return;
    m_context.notices->information(built ? MenuBuild::successText() : built.error);
}

void frmVelmora::showAbout()
{
    guarded([this] {
        const SystemInfoLookup systemInfo;
        frmAbout about(*m_context.controls, *m_context.notices, systemInfo, this);
        about.exec();
    });
}
