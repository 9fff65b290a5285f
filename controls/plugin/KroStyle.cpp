#include "controls/plugin/KroStyle.h"

#include "controls/bag/PropertyBag.h"

KroStyle::KroStyle(QWidget *parent) : KroBody(parent)
{
    setObjectName(QStringLiteral("KroStyle"));
    Shape1->backStyle = 0;
    Image1 = new KroImagePart(this);
    Image1->stackUnder(Label1);
    watchPart(Image1);
}

void KroStyle::setAlignment(int alignment)
{
    if (alignment == Left || alignment == Right)
        m_alignment = alignment;
    notifyChanged(QStringLiteral("Alignment"));
}

KroPicture KroStyle::picture() const
{
    return Image1->picture();
}

void KroStyle::setPicture(const KroPicture &picture)
{
    Image1->setPicture(picture);
    notifyChanged(QStringLiteral("Picture"));
}

void KroStyle::setPictureActive(const KroPicture &picture)
{
    m_pictureActive = picture;
    notifyChanged(QStringLiteral("PictureActive"));
}

void KroStyle::applyHoverLook()
{
    KroBody::applyHoverLook();
    if (m_pictureActive.isNone())
        return;
    Image1->setPicture(m_hovering ? m_pictureActive : m_normalPicture);
}

void KroStyle::layoutParts()
{
    int w = scaleWidth();
    int h = scaleHeight();
    if (m_shadow) {
        w -= 50;
        h -= 50;
    }
    if (w < 1 || h < 1)
        return;
    const int margin = Twips::round(h * 20 / 100.0 / 2);
    const int side = Twips::round(h * 80 / 100.0);
    const int captionTop = Twips::round(h / 2.0) - Twips::round(Label1->heightTwips() / 2.0);
    int captionLeft = 0;
    int pictureLeft = 0;
    if (m_alignment == Left) {
        captionLeft = (w - margin) - Label1->widthTwips();
        pictureLeft = margin;
    } else {
        captionLeft = margin;
        pictureLeft = w - margin - side;
    }
    Shape1->move(0, 0, w, h);
    Image1->setGeometryTwips(pictureLeft, margin, side, side);
    Label1->moveTwips(captionLeft, captionTop);
    Shape2->move(0, 0, w + 50, h + 50);
    update();
}

void KroStyle::readProperties(const PropertyBag &bag)
{
    const int alignment = bag.readInt(QStringLiteral("Alignment"), Left);
    m_alignment = alignment == Right ? Right : Left;
    readPartKeys(bag);
    m_hoverEffect = bag.readBool(QStringLiteral("HoverEffect"), true);
    readActiveKeys(bag);
    Image1->setPicture(bag.readPicture(QStringLiteral("Picture")));
    m_pictureActive = bag.readPicture(QStringLiteral("PictureActive"));
    m_normalPicture = bag.readPicture(QStringLiteral("Picture"));
    readNormalKeys(bag);
    m_shadow = bag.readBool(QStringLiteral("Shadow"), false);
    m_hyperLink = bag.readString(QStringLiteral("HyperLink"));
}

void KroStyle::writeProperties(PropertyBag &bag) const
{
    bag.writeInt(QStringLiteral("Alignment"), m_alignment, Left);
    writeBodyKeys(bag);
    bag.writePicture(QStringLiteral("Picture"), Image1->picture());
    bag.writePicture(QStringLiteral("PictureActive"), m_pictureActive);
    bag.writeBool(QStringLiteral("Shadow"), m_shadow, false);
    writeLabelKeys(bag);
    bag.writeBool(QStringLiteral("HoverEffect"), m_hoverEffect, true);
    writeActiveKeys(bag);
    bag.writeString(QStringLiteral("HyperLink"), m_hyperLink, QString());
}
