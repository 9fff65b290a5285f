#include "wizard/styles/StyleImagesPage.h"

#include "core/model/MenuSnapshot.h"
#include "wizard/Notices.h"
#include "wizard/EditState.h"
#include "wizard/FormButtons.h"
#include "wizard/PageKit.h"
#include "wizard/WizardContext.h"
#include "wizard/styles/StyleEditor.h"
#include "wizard/styles/StylePickers.h"
#include "wizard/styles/Swatch.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

using namespace PageKit;

namespace {

QLineEdit *row(QWidget *page, const QString &labelName, const QString &text, int labelLeft, int labelTop,
               const QString &editName, int editLeft, int editTop, int editWidth, int editHeight = 315)
{
    QLabel *caption = label(page, labelName, text, labelLeft, labelTop, editLeft - labelLeft - 60, 255);
    QLineEdit *box = edit(page, editName, editLeft, editTop, editWidth, editHeight);
    pair(caption, box);
    return box;
}

QWidget *picker(FormButtons &buttons, QWidget *page, const QString &name, int left, int top)
{
    QWidget *button = buttons.make(name, page);
    place(button, left, top, 855, 375);
    return button;
}

} // namespace

StyleImagesPage::StyleImagesPage(FormButtons &buttons, StyleEditor &styles, EditState &state,
                                 const WizardContext &context, QWidget *parent)
    : WizardPage(Step::StyleImages, QCoreApplication::translate("Styles", "Styles / images"), state, context, parent)
{
    styles.onStyleChanged([this] { showStyle(); });
    label(this, QStringLiteral("lblImagesHead"),
          QCoreApplication::translate("Styles", "Please specify the image and sound settings"), 300, 600, 5400, 255);

    txtStyleName = row(this, QStringLiteral("lblStyleName"), QCoreApplication::translate("Styles", "Style Name:"), 315,
                       1275, QStringLiteral("txtStyleName"), 2220, 1275, 3615);

    txtBackgroundColor =
        row(this, QStringLiteral("lblBackColor"), QCoreApplication::translate("Styles", "Background Colour:"), 315,
            1815, QStringLiteral("txtBackgroundColor"), 2220, 1815, 2940);
    colBack = new Swatch(this);
    colBack->setObjectName(QStringLiteral("colBack"));
    place(colBack, 5250, 1800, 540, 315);
    cmdPickColor = picker(buttons, this, QStringLiteral("cmdPickColor"), 5985, 1785);

    txtBackImage = row(this, QStringLiteral("lblBackImage"), QCoreApplication::translate("Styles", "Background Image:"),
                       315, 2220, QStringLiteral("txtBackImage"), 2220, 2220, 3615);
    cmdBImage = picker(buttons, this, QStringLiteral("cmdBImage"), 5985, 2205);

    txtBSound = row(this, QStringLiteral("lblBSound"), QCoreApplication::translate("Styles", "Background Sound:"), 315,
                    2610, QStringLiteral("txtBSound"), 2220, 2610, 3615);
    cmdBSound = picker(buttons, this, QStringLiteral("cmdBSound"), 5985, 2625);

    txtLogoImage = row(this, QStringLiteral("lblLogoImage"), QCoreApplication::translate("Styles", "Logo Image:"), 315,
                       3000, QStringLiteral("txtLogoImage"), 2220, 3000, 3615);
    cmdLImage = picker(buttons, this, QStringLiteral("cmdLImage"), 5985, 3045);

    txtTop = row(this, QStringLiteral("lblTop"), QCoreApplication::translate("Styles", "Logo position top:"), 315, 3405,
                 QStringLiteral("txtTop"), 2220, 3405, 855, 285);
    txtLeft = row(this, QStringLiteral("lblLeft"), QCoreApplication::translate("Styles", "Logo position left:"), 3300,
                  3450, QStringLiteral("txtLeft"), 4950, 3450, 855, 285);

    txtButtonOn = row(this, QStringLiteral("lblButtonOn"), QCoreApplication::translate("Styles", "Button Image On:"),
                      300, 3900, QStringLiteral("txtButtonOn"), 2220, 3900, 3615);
    cmdButtonOn = picker(buttons, this, QStringLiteral("cmdButtonOn"), 5985, 3885);

    txtButtonOff = row(this, QStringLiteral("lblButtonOff"), QCoreApplication::translate("Styles", "Button Image Off:"),
                       315, 4380, QStringLiteral("txtButtonOff"), 2220, 4380, 3615);
    cmdButtonOff = picker(buttons, this, QStringLiteral("cmdButtonOff"), 5985, 4350);

    // The five media fields, in the window's control order; saving walks them in this order.
    for (QLineEdit *media : {txtButtonOn, txtButtonOff, txtBackImage, txtLogoImage, txtBSound}) {
        media->setProperty("tag", QStringLiteral("file"));
        media->setText(QStringLiteral("none"));
    }
    txtTop->setText(QStringLiteral("0"));
    txtLeft->setText(QStringLiteral("0"));
    connectPickers();
}

void StyleImagesPage::connectPickers()
{
    CommonDialog &cdlg = *context().cdlg;
    Notices &notices = this->notices();
    QLineEdit *box = txtBackgroundColor;
    Swatch *swatch = colBack;
    FormButtons::onClick(cmdPickColor, this,
                         [&cdlg, &notices, box, swatch] { StylePickers::pickColor(cdlg, notices, box, swatch); });

    const struct
    {
        QWidget *button;
        QLineEdit *box;
        QString extension;
        QString filter;
    } files[] = {
        {cmdBImage, txtBackImage, QStringLiteral("jpg"), StylePickers::pictureFilter()},
        {cmdLImage, txtLogoImage, QStringLiteral("jpg"), StylePickers::pictureFilter()},
        {cmdButtonOn, txtButtonOn, QStringLiteral("jpg"), StylePickers::pictureFilter()},
        {cmdButtonOff, txtButtonOff, QStringLiteral("jpg"), StylePickers::pictureFilter()},
        {cmdBSound, txtBSound, QStringLiteral("wav"), StylePickers::soundFilter()},
    };
    for (const auto &picker : files) {
        QLineEdit *field = picker.box;
        const QString extension = picker.extension;
        const QString filter = picker.filter;
        FormButtons::onClick(picker.button, this, [&cdlg, field, extension, filter] {
            StylePickers::pickFile(cdlg, field, extension, filter);
        });
    }
}

std::vector<StyleFieldBox> StyleImagesPage::fieldBoxes() const
{
    return {{txtBackgroundColor, &StyleFields::backColor},
            {txtBackImage, &StyleFields::backImage},
            {txtBSound, &StyleFields::soundFile},
            {txtLogoImage, &StyleFields::logoFile},
            {txtTop, &StyleFields::logoTop},
            {txtLeft, &StyleFields::logoLeft},
            {txtButtonOn, &StyleFields::buttonOnImage},
            {txtButtonOff, &StyleFields::buttonOffImage}};
}

void StyleImagesPage::showStyle()
{
    if (state().styleLoaded)
        txtStyleName->setText(state().style.styleName);
    showStyleFields(fieldBoxes(), state().style);
}

bool StyleImagesPage::leave()
{
    const QString name = txtStyleName->text();
    if (name.isEmpty()) {
        notices().information(QCoreApplication::translate("Styles", "Please enter a style name!"));
        return false;
    }
    // The name becomes a folder of the style library; it must not lead out of it.
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name == QLatin1String(".") ||
        name == QLatin1String("..")) {
        notices().information(QCoreApplication::translate(
            "Styles", "Please enter a style name without \"/\" or \"\\\" that is not \".\" or \"..\"!"));
        return false;
    }
    const struct
    {
        QLineEdit *field;
        QString label;
    } checks[] = {
        {txtBackImage, QCoreApplication::translate("Styles", "Background image")},
        {txtLogoImage, QCoreApplication::translate("Styles", "Logo image")},
        {txtBSound, QCoreApplication::translate("Styles", "Background sound")},
        {txtButtonOff, QCoreApplication::translate("Styles", "Button Off image")},
        {txtButtonOn, QCoreApplication::translate("Styles", "Button On image")},
    };
    const QString none = QStringLiteral("none");
    QString list;
    for (const auto &check : checks) {
        const QString path = check.field->text();
        if (path == none || path.isEmpty())
            continue;
        if (!QFileInfo(path).isFile()) {
            list += check.label + QStringLiteral("\r\n");
            check.field->setText(none);
        }
    }
    if (!list.isEmpty()) {
        notices().information(
            QCoreApplication::translate("Styles", "Following paths are no longer valid, please correct!\r\n") + list);
        return false;
    }
    state().style.styleName = name;
    readStyleFields(fieldBoxes(), state().style);
    return true;
}
