// Shows the wizard on page N, as a user reaches it, and saves a picture of the window: velmora_shot N FILE.PNG
#include "WizardFixture.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const int page = QString::fromLocal8Bit(argv[1]).toInt();
    WizardFixture fixture;
    fixture.makeFile(QStringLiteral("cd/Tools/readme.txt"));
    fixture.makeFile(QStringLiteral("cd/Docs/manual.pdf"));
    fixture.window->show();
    if (page >= 1) {
        fixture.click(QStringLiteral("cmdNew"));
        fixture.combo(QStringLiteral("cmbTemplate"))->setCurrentText(QStringLiteral("Extended Screenshots"));
        fixture.edit(QStringLiteral("txtTitle"))->setText(QStringLiteral("Summer CD"));
        fixture.chooseRoot(fixture.cdRoot);
    } else {
        fixture.storeMenu(1, QStringLiteral("Standard"), QStringLiteral("Summer CD"), 0, fixture.cdRoot);
        fixture.storeMenu(2, QStringLiteral("Extended"), QStringLiteral("Tools 2026"), 0, fixture.cdRoot);
        fixture.click(QStringLiteral("cmdEdit"));
    }
    if (page >= 2) {
        fixture.click(QStringLiteral("cmdNext"));
        fixture.edit(QStringLiteral("txtStyleName"))->setText(QStringLiteral("Ocean"));
        fixture.edit(QStringLiteral("txtBackgroundColor"))->setText(QStringLiteral("RGB(0,64,128)"));
        fixture.window->imagesPage()->colBack->setColor(0x804000);
    }
    if (page >= 3)
        fixture.click(QStringLiteral("cmdNext"));
    if (page >= 4)
        fixture.click(QStringLiteral("cmdNext"));
    QApplication::processEvents();
    const bool saved = fixture.window->grab().save(QString::fromLocal8Bit(argv[2]));
    for (const QString &text : fixture.notices.texts())
        qWarning("notice: %s", qPrintable(text));
    return saved ? 0 : 1;
}
