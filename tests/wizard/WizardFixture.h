#pragma once

#include "tests/common/FakeCommonDialog.h"
#include "tests/common/FakeDiscPrompts.h"
#include "tests/common/FakeNotices.h"
#include "controls/host/CorvixHost.h"
#include "wizard/EditState.h"
#include "wizard/PageKit.h"
#include "core/data/DatabaseFile.h"
#include "core/data/DataHome.h"
#include "tests/common/clsData.h"
#include "core/data/DataHome.h"
#include "wizard/frmVelmora.h"
#include "wizard/platform/DriveList.h"
#include "wizard/platform/FolderList.h"
#include "wizard/styles/Swatch.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// A wizard window on a fresh data home, with recording notices, a scripted common dialog and disc prompts, and the
// real corvix plugin from the program folder.
class WizardFixture
{
public:
    // language: the window's language, which a new menu's page takes.
    explicit WizardFixture(const QString &language = QStringLiteral("en"))
    {
        home = m_home.path() + QStringLiteral("/home");
        cdRoot = m_home.path() + QStringLiteral("/cd");
        QDir().mkpath(home);
        QDir().mkpath(cdRoot);
        DatabaseFile::prepare(DataHome::databasePath(home));
        if (!host().loadPlugin())
            qFatal("%s", qPrintable(host().errorString()));
        context.dataHome = home;
        context.programFolder = QStringLiteral(VELMORA_PROGRAM_FOLDER);
        context.notices = &notices;
        context.cdlg = &cdlg;
        context.discPrompts = &prompts;
        context.controls = &host();
        context.startFolder = m_home.path();
        context.drives = {QStringLiteral("/")};
        context.language = language;
        window = std::make_unique<frmVelmora>(context);
        window->show();
    }

    ~WizardFixture() { window.reset(); }

    // One value of a query on the fixture's database.
    QVariant scalar(const QString &sql, const QVariantList &values = {}) const
    {
        Recordset rows = clsData(DataHome::databasePath(home)).GetRS(SqlStatement{sql, values});
        return rows.atEnd() ? QVariant() : rows.value(rows.columns().constFirst());
    }
    void execute(const QString &sql, const QVariantList &values = {}) const
    {
        clsData(DataHome::databasePath(home)).ExecuteSQL(SqlStatement{sql, values});
    }
    // A stored style with the defaults and the given name.
    void storeStyle(qint64 id, const QString &name) const
    {
        QStringList values = StyleFields::standard().values();
        values[0] = name;
        QVariantList bound{id};
        for (const QString &value : values)
            bound.append(value);
        execute(QStringLiteral("INSERT INTO tblStyles (StyleID,%1) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)")
                    .arg(Sql::styleColumns().join(QLatin1Char(','))),
                bound);
    }
    void storeMenu(qint64 id, const QString &templateName, const QString &title, qint64 styleNo,
                   const QString &root) const
    {
        execute(QStringLiteral("INSERT INTO tblMenus (MenuID,Template,Title,StyleNo,Root) VALUES (?,?,?,?,?)"),
                {id, templateName, title, styleNo, root});
    }

    // What Finish says once the menu is built: the success line, then the offer to open it.
    static QString finishedText()
    {
        return QStringLiteral("Your Menu has been successfully created!\r\n\r\nOpen the menu in your browser now?");
    }

    static CorvixHost &host()
    {
        static CorvixHost corvix(QStringLiteral(VELMORA_PROGRAM_FOLDER));
        return corvix;
    }

    QString tempPath() const { return m_home.path(); }

    // A file with some bytes, created with its folders.
    QString makeFile(const QString &relative, const QByteArray &bytes = "data") const
    {
        const QString path = m_home.path() + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return path;
    }

    QWidget *control(const QString &name) const { return window->findChild<QWidget *>(name); }
    QLineEdit *edit(const QString &name) const { return window->findChild<QLineEdit *>(name); }
    QComboBox *combo(const QString &name) const { return window->findChild<QComboBox *>(name); }

    // A click on a corvix button, as the mouse gives it.
    void click(const QString &name) const
    {
        QWidget *button = control(name);
        QVERIFY2(button, qPrintable(name));
        QVERIFY2(button->isVisible(), qPrintable(name + QStringLiteral(" is not on the page shown")));
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }

    bool shown(const QString &name) const
    {
        QWidget *widget = control(name);
        return widget && !widget->isHidden();
    }

    // The CD root chosen on the general page, as the folder list does it.
    void chooseRoot(const QString &folder) const
    {
        window->findChild<FolderList *>(QStringLiteral("Dir1"))->setPath(folder);
    }

    int step() const { return int(window->currentStep()); }

    // The eighteen style fields of the two style pages, in the order of the style columns.
    QStringList styleValues() const
    {
        QStringList values;
        for (const char *name : {"txtStyleName", "txtBackgroundColor", "txtBackImage", "txtBSound", "txtLogoImage",
                                 "txtTop", "txtLeft", "txtButtonOn", "txtButtonOff", "txtTitleFont", "txtTitleColor",
                                 "txtButtonFont", "txtBColor", "txtDFont", "txtDColor", "txtHFont", "txtHColor",
                                 "txtHColorActive"})
            values.append(edit(QLatin1String(name))->text());
        return values;
    }

    // From the welcome page to the style-fonts page with a new menu and a new style.
    void walkToFonts(const QString &title, const QString &styleName = QStringLiteral("Plain"),
                     const QString &templateName = QString())
    {
        click(QStringLiteral("cmdNew"));
        if (!templateName.isEmpty())
            combo(QStringLiteral("cmbTemplate"))->setCurrentText(templateName);
        edit(QStringLiteral("txtTitle"))->setText(title);
        chooseRoot(cdRoot);
        click(QStringLiteral("cmdNext"));
        edit(QStringLiteral("txtStyleName"))->setText(styleName);
        click(QStringLiteral("cmdNext"));
    }

    // On to the entry page, with the style "Plain" saved on the way.
    void walkToEntries(const QString &templateName, const QString &title)
    {
        walkToFonts(title, QStringLiteral("Plain"), templateName);
        click(QStringLiteral("cmdNext"));
    }

    QString home;
    QString cdRoot;
    FakeNotices notices;
    FakeCommonDialog cdlg;
    FakeDiscPrompts prompts;
    WizardContext context;
    std::unique_ptr<frmVelmora> window;

private:
    QTemporaryDir m_home;
};
