#include "controls/plugin/KroText.h"

#include "controls/bag/PropertyBag.h"

#include <QEvent>

KroText::KroText(QWidget *parent) : KroBody(parent)
{
    setObjectName(QStringLiteral("KroText"));
    Shape1->backStyle = 1;
}

void KroText::changeEvent(QEvent *event)
{
    KroBody::changeEvent(event);
    // The container's colours reach the control as a palette change.
    if (event->type() == QEvent::PaletteChange) {
        m_surfaceColor = ambientBackColor();
        update();
    }
}

void KroText::layoutParts()
{
    int w = scaleWidth();
    int h = scaleHeight();
    if (m_shadow) {
        w -= 50;
        h -= 50;
    }
    const int captionTop = Twips::round(h / 2.0) - Twips::round(Label1->heightTwips() / 2.0);
    const int captionLeft = Twips::round(w / 2.0) - Twips::round(Label1->widthTwips() / 2.0);
    if (w < 1 || h < 1)
        return;
    Shape2->move(0, 0, w + 50, h + 50);
    Shape1->move(0, 0, w, h);
    Label1->moveTwips(captionLeft, captionTop);
    update();
}

void KroText::readProperties(const PropertyBag &bag)
{
    readPartKeys(bag);
    m_hoverEffect = bag.readBool(QStringLiteral("HoverEffect"), true);
    m_shadow = bag.readBool(QStringLiteral("Shadow"), false);
    readActiveKeys(bag);
    readNormalKeys(bag);
    m_hyperLink = bag.readString(QStringLiteral("HyperLink"));
}

void KroText::writeProperties(PropertyBag &bag) const
{
    writeBodyKeys(bag);
    writeLabelKeys(bag);
    bag.writeBool(QStringLiteral("HoverEffect"), m_hoverEffect, true);
    bag.writeBool(QStringLiteral("Shadow"), m_shadow, false);
    writeActiveKeys(bag);
    bag.writeString(QStringLiteral("HyperLink"), m_hyperLink, QString());
}
