#include "controls/plugin/KroImage.h"

#include "controls/bag/OleColor.h"
#include "controls/bag/PropertyBag.h"

KroImage::KroImage(QWidget *parent) : KroFrame(parent)
{
    setObjectName(QStringLiteral("KroImage"));
    Image1 = new KroImagePart(this);
    Image1->stackUnder(Label1);
    watchPart(Image1);
    Label1->setForeColor(OleColor::WindowText);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void KroImage::initProperties()
{
    // An empty picture object: the picture swap is active from the start.
    m_pictureActive = KroPicture::emptyObject();
}

QWidget *KroImage::toolTipHolder() const
{
    return Image1;
}

bool KroImage::moveStartsHover(QWidget *part) const
{
    return part != Label1;
}

void KroImage::setBackColor(uint color)
{
    m_backColor = color;
    update();
    notifyChanged(QStringLiteral("BackColor"));
}

float KroImage::fontSize() const
{
    return float(Label1->font().pointSizeF());
}

void KroImage::setFontSize(float points)
{
    if (points > 0) {
        QFont font = Label1->font();
        font.setPointSizeF(points);
        Label1->setFont(font);
    }
    notifyChanged(QStringLiteral("FontSize"));
}

KroPicture KroImage::picture() const
{
    return Image1->picture();
}

void KroImage::setPicture(const KroPicture &picture)
{
    Image1->setPicture(picture);
    notifyChanged(QStringLiteral("Picture"));
}

void KroImage::setPictureActive(const KroPicture &picture)
{
    m_pictureActive = picture;
    notifyChanged(QStringLiteral("PictureActive"));
}

int KroImage::alignment() const
{
    const Qt::Alignment a = Label1->alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignLeft)
        return 0;
    if (a & Qt::AlignRight)
        return 1;
    return 2;
}

void KroImage::setAlignment(int alignment)
{
    static const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    if (alignment >= 0 && alignment <= 2)
        Label1->setAlignment(horizontal[alignment] | Qt::AlignTop);
    notifyChanged(QStringLiteral("Alignment"));
}

void KroImage::applyHoverLook()
{
    if (m_hoverEffect)
        Label1->setForeColor(m_hovering ? m_hyperColor : m_normalForeColor);
    if (!m_pictureActive.isNone())
        Image1->setPicture(m_hovering ? m_pictureActive : m_normalPicture);
}

void KroImage::layoutParts()
{
    const int w = scaleWidth();
    const int h = scaleHeight();
    if (w < 1 || h < 1)
        return;
    const int captionHeight = Twips::round(h * 75 / 100.0);
    const int captionTop = Twips::round(h * 30 / 100.0);
    Image1->setGeometryTwips(Image1->leftTwips(), 0, w, h);
    Label1->setGeometryTwips(Label1->leftTwips(), captionTop, w, captionHeight);
}

void KroImage::readProperties(const PropertyBag &bag)
{
    Label1->setForeColor(bag.readColor(QStringLiteral("ForeColor"), OleColor::ButtonText));
    setEnabled(bag.readBool(QStringLiteral("Enabled"), true));
    m_mousePointer = bag.readInt(QStringLiteral("MousePointer"), 0);
    QFont font = Label1->font();
    font.setPointSizeF(bag.readFloat(QStringLiteral("FontSize"), 10));
    Label1->setFont(font);
    Label1->setFont(bag.readFont(QStringLiteral("Font"), ambientFont()));
    Label1->setText(bag.readString(QStringLiteral("Caption"), QStringLiteral("Button")));
    Image1->setToolTip(bag.readString(QStringLiteral("ToolTipText")));
    m_hyperColor = bag.readColor(QStringLiteral("HyperColor"), Label1->foreColor());
    m_hoverEffect = bag.readBool(QStringLiteral("HoverEffect"), false);
    Image1->setPicture(bag.readPicture(QStringLiteral("Picture")));
    m_pictureActive = bag.readPicture(QStringLiteral("PictureActive"));
    m_normalPicture = bag.readPicture(QStringLiteral("Picture"));
    m_backColor = bag.readColor(QStringLiteral("BackColor"), OleColor::ButtonFace);
    m_normalForeColor = bag.readColor(QStringLiteral("ForeColor"), OleColor::ButtonText);
    m_currentX = bag.readFloat(QStringLiteral("CurrentX"), 0);
    m_currentY = bag.readFloat(QStringLiteral("CurrentY"), 0);
    m_mouseIcon = bag.readPicture(QStringLiteral("MouseIcon"));
    applyPointer();
    Label1->whatsThisHelpId = bag.readInt(QStringLiteral("WhatsThisHelpID"), 0);
    m_hyperLink = bag.readString(QStringLiteral("HyperLink"));
    update();
}

void KroImage::writeProperties(PropertyBag &bag) const
{
    bag.writeColor(QStringLiteral("ForeColor"), Label1->foreColor(), OleColor::ButtonText);
    bag.writeBool(QStringLiteral("Enabled"), isEnabled(), true);
    bag.writeInt(QStringLiteral("MousePointer"), m_mousePointer, 0);
    bag.writeFloat(QStringLiteral("FontSize"), fontSize(), 0);
    bag.writePicture(QStringLiteral("Picture"), Image1->picture());
    bag.writePicture(QStringLiteral("PictureActive"), m_pictureActive);
    bag.writeString(QStringLiteral("HyperLink"), m_hyperLink, QString());
    bag.writeFont(QStringLiteral("Font"), Label1->font(), ambientFont());
    bag.writeString(QStringLiteral("Caption"), Label1->text(), QStringLiteral("Button"));
    bag.writeString(QStringLiteral("ToolTipText"), Image1->toolTip(), QString());
    bag.writeColor(QStringLiteral("HyperColor"), m_hyperColor);
    bag.writeBool(QStringLiteral("HoverEffect"), m_hoverEffect);
    bag.writeColor(QStringLiteral("BackColor"), m_backColor, OleColor::ButtonFace);
    bag.writeFloat(QStringLiteral("CurrentX"), m_currentX, 0);
    bag.writeFloat(QStringLiteral("CurrentY"), m_currentY, 0);
    bag.writePicture(QStringLiteral("MouseIcon"), m_mouseIcon);
    bag.writeInt(QStringLiteral("WhatsThisHelpID"), Label1->whatsThisHelpId, 0);
}
