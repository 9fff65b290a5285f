#include "wizard/styles/StylePickers.h"

#include "wizard/FormButtons.h"
#include "wizard/styles/StyleFontsPage.h"
#include "wizard/styles/StyleImagesPage.h"
#include "wizard/styles/Swatch.h"
#include "wizard/frmVelmora.h"
#include "wizard/platform/CommonDialog.h"
#include "core/styles/ColorText.h"
#include "core/styles/FontText.h"

#include <QLineEdit>

namespace StylePickers {

namespace {

constexpr int colorFlags = 1; // start at the given colour
constexpr int fontFlags = 3;  // screen and printer fonts

} // namespace

QString pictureFilter()
{
    return QStringLiteral("Pictures (*.jpg;*.gif)|*.jpg;*.gif");
}

QString soundFilter()
{
    return QStringLiteral("Sounds (*.wav)|*.wav");
}

bool pickColor(CommonDialog &cdlg, Notices &notices, QLineEdit *box, Swatch *swatch)
{
    cdlg.Flags = colorFlags;
    cdlg.Color = ColorText::getCol(box->text());
    if (!cdlg.ShowColor())
        return false;
    box->setText(ColorText::getRGBString(cdlg.Color, notices));
    swatch->setColor(cdlg.Color);
    return true;
}

bool pickFont(CommonDialog &cdlg, QLineEdit *box)
{
    // A text that cannot preset the dialog leaves it with its previous settings.
    if (const auto fields = FontText::split(box->text())) {
        cdlg.FontName = fields->family;
        if (const auto size = FontText::pointSize(fields->size))
            cdlg.FontSize = *size;
        cdlg.FontBold = FontText::isBold(fields->weight);
    }
    cdlg.Flags = fontFlags;
    if (!cdlg.ShowFont())
        return false;
    box->setText(FontText::compose(cdlg.FontName, cdlg.FontSize, cdlg.FontBold));
    return true;
}

bool pickFile(CommonDialog &cdlg, QLineEdit *box, const QString &defaultExt, const QString &filter)
{
    cdlg.DefaultExt = defaultExt;
    cdlg.Filter = filter;
    if (!cdlg.ShowOpen())
        return false;
    box->setText(cdlg.FileName);
    return true;
}

void connect(frmVelmora &window)
{
    CommonDialog &cdlg = *window.context().cdlg;
    Notices &notices = *window.context().notices;
    StyleImagesPage *images = window.imagesPage();
    StyleFontsPage *fonts = window.fontsPage();

    const struct
    {
        QWidget *button;
        QLineEdit *box;
        Swatch *swatch;
    } colours[] = {
        {fonts->cmdTColor, fonts->txtTitleColor, fonts->colTitle},
        {fonts->cmdBColor, fonts->txtBColor, fonts->colButton},
        {fonts->cmdDColor, fonts->txtDColor, fonts->colText},
        {fonts->cmdHColor, fonts->txtHColor, fonts->colHyper},
        {fonts->cmdHColorActive, fonts->txtHColorActive, fonts->colHyperA},
        {images->cmdPickColor, images->txtBackgroundColor, images->colBack},
    };
    for (const auto &picker : colours) {
        QLineEdit *box = picker.box;
        Swatch *swatch = picker.swatch;
        FormButtons::onClick(picker.button, &window,
                             [&cdlg, &notices, box, swatch] { pickColor(cdlg, notices, box, swatch); });
    }

    const struct
    {
        QWidget *button;
        QLineEdit *box;
    } fontPickers[] = {
        {fonts->cmdTFont, fonts->txtTitleFont},
        {fonts->cmdBFont, fonts->txtButtonFont},
        {fonts->cmdDFont, fonts->txtDFont},
        {fonts->cmdHFont, fonts->txtHFont},
    };
    for (const auto &picker : fontPickers) {
        QLineEdit *box = picker.box;
        FormButtons::onClick(picker.button, &window, [&cdlg, box] { pickFont(cdlg, box); });
    }

    const struct
    {
        QWidget *button;
        QLineEdit *box;
        QString extension;
        QString filter;
    } files[] = {
        {images->cmdBImage, images->txtBackImage, QStringLiteral("jpg"), pictureFilter()},
        {images->cmdLImage, images->txtLogoImage, QStringLiteral("jpg"), pictureFilter()},
        {images->cmdButtonOn, images->txtButtonOn, QStringLiteral("jpg"), pictureFilter()},
        {images->cmdButtonOff, images->txtButtonOff, QStringLiteral("jpg"), pictureFilter()},
        {images->cmdBSound, images->txtBSound, QStringLiteral("wav"), soundFilter()},
    };
    for (const auto &picker : files) {
        QLineEdit *box = picker.box;
        const QString extension = picker.extension;
        const QString filter = picker.filter;
        FormButtons::onClick(picker.button, &window,
                             [&cdlg, box, extension, filter] { pickFile(cdlg, box, extension, filter); });
    }
}

} // namespace StylePickers
