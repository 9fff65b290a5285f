#include "wizard/styles/StylePickers.h"

#include "core/model/ColorText.h"
#include "core/model/FontText.h"
#include "wizard/Notices.h"
#include "wizard/platform/CommonDialog.h"
#include "wizard/styles/Swatch.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace StylePickers {

namespace {

constexpr int colorFlags = 1; // start at the given colour
constexpr int fontFlags = 3;  // screen and printer fonts

} // namespace

QString pictureFilter()
{
    return QCoreApplication::translate("Styles", "Pictures (*.jpg;*.gif)|*.jpg;*.gif");
}

QString soundFilter()
{
    return QCoreApplication::translate("Styles", "Sounds (*.wav;*.mp3)|*.wav;*.mp3");
}

bool pickColor(CommonDialog &cdlg, Notices &notices, QLineEdit *box, Swatch *swatch)
{
    cdlg.Flags = colorFlags;
    cdlg.Color = ColorText::getCol(box->text());
    if (!cdlg.ShowColor())
        return false;
    const ColorText::RGBString chosen = ColorText::getRGBString(cdlg.Color);
    for (const QString &notice : chosen.notices)
        notices.plainTitled(notice);
    box->setText(chosen.text);
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

} // namespace StylePickers
