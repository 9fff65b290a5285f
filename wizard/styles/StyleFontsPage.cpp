#include "wizard/styles/StyleFontsPage.h"

#include "core/model/MenuSnapshot.h"
#include "core/model/ColorText.h"
#include "wizard/EditState.h"
#include "wizard/FormButtons.h"
#include "wizard/Guarded.h"
#include "wizard/PageKit.h"
#include "wizard/WizardContext.h"
#include "wizard/styles/StyleEditor.h"
#include "wizard/styles/StylePickers.h"
#include "wizard/styles/Swatch.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

using namespace PageKit;

namespace {

constexpr int rowLabelLeft = 450;
constexpr int boxLeft = 1755;
constexpr int swatchLeft = 4800;
constexpr int pickerLeft = 5460;

QLineEdit *box(QWidget *page, const QString &labelName, const QString &text, int labelTop, const QString &name, int top,
               int width)
{
    QLabel *caption = label(page, labelName, text, rowLabelLeft, labelTop, boxLeft - rowLabelLeft - 60, 255);
    QLineEdit *result = edit(page, name, boxLeft, top, width, 315);
    pair(caption, result);
    return result;
}

QWidget *picker(FormButtons &buttons, QWidget *page, const QString &name, int top)
{
    QWidget *button = buttons.make(name, page);
    place(button, pickerLeft, top, 855, 375);
    return button;
}

Swatch *swatch(QWidget *page, const QString &name, int top)
{
    auto *result = new Swatch(page);
    result->setObjectName(name);
    place(result, swatchLeft, top, 540, 315);
    return result;
}

} // namespace

StyleFontsPage::StyleFontsPage(FormButtons &buttons, StyleEditor &styles, EditState &state,
                               const WizardContext &context, QWidget *parent)
    : WizardPage(Step::StyleFonts, QCoreApplication::translate("Styles", "Styles / fonts"), state, context, parent),
      m_styles(styles)
{
    styles.onStyleChanged([this] { showStyle(); });
    label(this, QStringLiteral("lblFontsHead"),
          QCoreApplication::translate("Styles", "Please specify the font settings"), 225, 375, 5400, 255);
    const QString font = QCoreApplication::translate("Styles", "Font:");
    const QString colour = QCoreApplication::translate("Styles", "Colour:");

    label(this, QStringLiteral("lblGroupTitle"), QStringLiteral("Title"), 225, 675, 1500, 255);
    txtTitleFont = box(this, QStringLiteral("lblTitleFont"), font, 975, QStringLiteral("txtTitleFont"), 975, 3615);
    cmdTFont = picker(buttons, this, QStringLiteral("cmdTFont"), 945);
    txtTitleColor =
        box(this, QStringLiteral("lblTitleColor"), colour, 1275, QStringLiteral("txtTitleColor"), 1365, 2940);
    colTitle = swatch(this, QStringLiteral("colTitle"), 1350);
    cmdTColor = picker(buttons, this, QStringLiteral("cmdTColor"), 1365);

    label(this, QStringLiteral("lblGroupButtons"), QStringLiteral("Buttons"), 225, 1800, 1500, 255);
    txtButtonFont = box(this, QStringLiteral("lblButtonFont"), font, 2100, QStringLiteral("txtButtonFont"), 2025, 3615);
    cmdBFont = picker(buttons, this, QStringLiteral("cmdBFont"), 1995);
    txtBColor = box(this, QStringLiteral("lblButtonColor"), colour, 2475, QStringLiteral("txtBColor"), 2400, 2940);
    colButton = swatch(this, QStringLiteral("colButton"), 2400);
    cmdBColor = picker(buttons, this, QStringLiteral("cmdBColor"), 2415);

    label(this, QStringLiteral("lblGroupText"), QStringLiteral("Text"), 225, 2775, 1500, 255);
    txtDFont = box(this, QStringLiteral("lblTextFont"), font, 3150, QStringLiteral("txtDFont"), 3150, 3615);
    cmdDFont = picker(buttons, this, QStringLiteral("cmdDFont"), 3150);
    txtDColor = box(this, QStringLiteral("lblTextColor"), colour, 3525, QStringLiteral("txtDColor"), 3510, 2940);
    colText = swatch(this, QStringLiteral("colText"), 3525);
    cmdDColor = picker(buttons, this, QStringLiteral("cmdDColor"), 3570);

    label(this, QStringLiteral("lblGroupHyper"), QStringLiteral("Hyperlinks"), 225, 3885, 1500, 255);
    txtHFont = box(this, QStringLiteral("lblHyperFont"), font, 4200, QStringLiteral("txtHFont"), 4200, 3615);
    cmdHFont = picker(buttons, this, QStringLiteral("cmdHFont"), 4200);
    txtHColor = box(this, QStringLiteral("lblHyperColor"), colour, 4650, QStringLiteral("txtHColor"), 4650, 2940);
    colHyper = swatch(this, QStringLiteral("colHyper"), 4650);
    cmdHColor = picker(buttons, this, QStringLiteral("cmdHColor"), 4620);
    txtHColorActive =
        box(this, QStringLiteral("lblHyperColorActive"), QCoreApplication::translate("Styles", "Colour Active:"), 5025,
            QStringLiteral("txtHColorActive"), 5025, 2940);
    colHyperA = swatch(this, QStringLiteral("colHyperA"), 5025);
    cmdHColorActive = picker(buttons, this, QStringLiteral("cmdHColorActive"), 5040);

    // Placeholders until a style is put on the page; they are never read.
    txtTitleFont->setText(QStringLiteral("Arial,14pt,bold"));
    txtButtonFont->setText(QStringLiteral("Arial,11pt,normal"));
    txtDFont->setText(QStringLiteral("Arial,10pt,normal"));
    txtHFont->setText(QStringLiteral("Arial,10pt,normal"));
    connectPickers();
}

void StyleFontsPage::connectPickers()
{
    CommonDialog &cdlg = *context().cdlg;
    Notices &notices = this->notices();
    const struct
    {
        QWidget *button;
        QLineEdit *box;
        Swatch *swatch;
    } colours[] = {
        {cmdTColor, txtTitleColor, colTitle},
        {cmdBColor, txtBColor, colButton},
        {cmdDColor, txtDColor, colText},
        {cmdHColor, txtHColor, colHyper},
        {cmdHColorActive, txtHColorActive, colHyperA},
    };
    for (const auto &picker : colours) {
        QLineEdit *box = picker.box;
        Swatch *swatch = picker.swatch;
        FormButtons::onClick(picker.button, this,
                             [&cdlg, &notices, box, swatch] { StylePickers::pickColor(cdlg, notices, box, swatch); });
    }
    const struct
    {
        QWidget *button;
        QLineEdit *box;
    } fontPickers[] = {
        {cmdTFont, txtTitleFont},
        {cmdBFont, txtButtonFont},
        {cmdDFont, txtDFont},
        {cmdHFont, txtHFont},
    };
    for (const auto &picker : fontPickers) {
        QLineEdit *box = picker.box;
        FormButtons::onClick(picker.button, this, [&cdlg, box] { StylePickers::pickFont(cdlg, box); });
    }
}

bool StyleFontsPage::leave()
{
    readStyleFields(fieldBoxes(), state().style);
    return reported(notices(), m_styles.saveStyle());
}

std::vector<StyleFieldBox> StyleFontsPage::fieldBoxes() const
{
    return {{txtTitleFont, &StyleFields::titleFont},     {txtTitleColor, &StyleFields::titleColor},
            {txtButtonFont, &StyleFields::buttonFont},   {txtBColor, &StyleFields::buttonColor},
            {txtDFont, &StyleFields::textFont},          {txtDColor, &StyleFields::textColor},
            {txtHFont, &StyleFields::hyperFont},         {txtHColor, &StyleFields::hyperColor},
            {txtHColorActive, &StyleFields::hyperColorA}};
}

void StyleFontsPage::showStyle()
{
    const StyleFields &style = state().style;
    showStyleFields(fieldBoxes(), style);
    colTitle->setColor(ColorText::getCol(style.titleColor));
    colButton->setColor(ColorText::getCol(style.buttonColor));
    colText->setColor(ColorText::getCol(style.textColor));
    colHyper->setColor(ColorText::getCol(style.hyperColor));
    colHyperA->setColor(ColorText::getCol(style.hyperColorA));
}
