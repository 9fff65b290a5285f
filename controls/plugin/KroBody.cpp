#include "controls/plugin/KroBody.h"

#include "controls/bag/OleColor.h"
#include "controls/bag/PropertyBag.h"

#include <QPainter>
#include <QShowEvent>

namespace {

int validBackStyle(int style, int fallback)
{
    return style == 0 || style == 1 ? style : fallback;
}

int validBorderStyle(int style, int fallback)
{
    return style >= 0 && style < KroBorder::Count ? style : fallback;
}

int validShape(int shape, int fallback)
{
    return shape >= 0 && shape < KroShapeKind::Count ? shape : fallback;
}

} // namespace

KroBody::KroBody(QWidget *parent) : KroFrame(parent)
{
    // Shape2 lies under Shape1: painted first.
    Shape2 = new KroShape(QStringLiteral("Shape2"), this);
    Shape2->fillColor = 0x808080;
    Shape2->fillStyle = 0;
    Shape2->backStyle = 0;
    Shape2->borderStyle = KroBorder::Transparent;
    Shape1 = new KroShape(QStringLiteral("Shape1"), this);
    Label1->setAutoSize(true);
    m_surfaceColor = ambientBackColor();
}

void KroBody::initProperties()
{
    followContainer();
}

void KroBody::followContainer()
{
    m_surfaceColor = ambientBackColor();
    Shape2->shape = Shape1->shape;
    applyShadow();
}

void KroBody::applyShadow()
{
    Shape2->setVisible(m_shadow);
    Shape2->fillStyle = m_shadow ? 0 : 1;
    layoutParts();
    update();
}

void KroBody::showEvent(QShowEvent *event)
{
    KroFrame::showEvent(event);
    if (!event->spontaneous())
        followContainer();
}

void KroBody::applyHoverLook()
{
    if (!m_hoverEffect)
        return;
    if (m_hovering) {
        Label1->setForeColor(m_hyperColor);
        Shape1->backColor = m_backColorActive;
        Shape1->borderColor = m_borderColorActive;
        Shape1->backStyle = m_backStyleActive;
        Shape1->borderStyle = m_borderStyleActive;
    } else {
        Label1->setForeColor(m_normalForeColor);
        Shape1->backColor = m_normalBackColor;
        Shape1->borderColor = m_normalBorderColor;
        Shape1->backStyle = m_normalBackStyle;
        Shape1->borderStyle = m_normalBorderStyle;
    }
    update();
}

void KroBody::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_surfaceColor);
    Shape2->paint(painter, palette());
    Shape1->paint(painter, palette());
    paintFocus(painter, QRect(0, 0, Twips::toWholePixels(Shape1->width()), Twips::toWholePixels(Shape1->height())));
}

void KroBody::setBorderStyleActive(int style)
{
    m_borderStyleActive = validBorderStyle(style, m_borderStyleActive);
    notifyChanged(QStringLiteral("BorderStyleActive"));
}

void KroBody::setBorderColorActive(uint color)
{
    m_borderColorActive = color;
    notifyChanged(QStringLiteral("BorderColorActive"));
}

void KroBody::setBackStyleActive(int style)
{
    m_backStyleActive = validBackStyle(style, m_backStyleActive);
    notifyChanged(QStringLiteral("BackStyleActive"));
}

void KroBody::setBackColorActive(uint color)
{
    m_backColorActive = color;
    notifyChanged(QStringLiteral("BackColorActive"));
}

void KroBody::setShadow(bool on)
{
    m_shadow = on;
    notifyChanged(QStringLiteral("Shadow"));
    applyShadow();
}

void KroBody::setBackColor(uint color)
{
    Shape1->backColor = color;
    update();
    notifyChanged(QStringLiteral("BackColor"));
}

void KroBody::setBackStyle(int style)
{
    Shape1->backStyle = validBackStyle(style, Shape1->backStyle);
    update();
    notifyChanged(QStringLiteral("BackStyle"));
}

void KroBody::setBorderColor(uint color)
{
    Shape1->borderColor = color;
    update();
    notifyChanged(QStringLiteral("BorderColor"));
}

void KroBody::setBorderStyle(int style)
{
    Shape1->borderStyle = validBorderStyle(style, Shape1->borderStyle);
    update();
    notifyChanged(QStringLiteral("BorderStyle"));
}

void KroBody::setBorderWidth(int width)
{
    if (width >= 1 && width <= 8192)
        Shape1->borderWidth = width;
    update();
    notifyChanged(QStringLiteral("BorderWidth"));
}

void KroBody::setShape(int shape)
{
    Shape1->shape = validShape(shape, Shape1->shape);
    if (shadowFollowsShape())
        Shape2->shape = Shape1->shape;
    update();
    notifyChanged(QStringLiteral("Shape"));
}

void KroBody::setWordWrap(bool on)
{
    Label1->setWordWrap(on);
    Label1->fitToText();
    notifyChanged(QStringLiteral("WordWrap"));
}

void KroBody::readPartKeys(const PropertyBag &bag)
{
    Shape1->backColor = bag.readColor(QStringLiteral("BackColor"), OleColor::WindowBackground);
    Shape1->backStyle = validBackStyle(bag.readInt(QStringLiteral("BackStyle"), 0), 0);
    Shape1->borderColor = bag.readColor(QStringLiteral("BorderColor"), OleColor::WindowText);
    Shape1->borderStyle = validBorderStyle(bag.readInt(QStringLiteral("BorderStyle"), 1), 1);
    const int borderWidth = bag.readInt(QStringLiteral("BorderWidth"), 1);
    Shape1->borderWidth = borderWidth >= 1 && borderWidth <= 8192 ? borderWidth : 1;
    Label1->setText(bag.readString(QStringLiteral("Caption"), QStringLiteral("Button")));
    m_currentX = bag.readFloat(QStringLiteral("CurrentX"), 0);
    m_currentY = bag.readFloat(QStringLiteral("CurrentY"), 0);
    setEnabled(bag.readBool(QStringLiteral("Enabled"), true));
    Label1->setFont(bag.readFont(QStringLiteral("Font"), ambientFont()));
    Label1->setForeColor(bag.readColor(QStringLiteral("ForeColor"), OleColor::ButtonText));
    m_mouseIcon = bag.readPicture(QStringLiteral("MouseIcon"));
    m_mousePointer = bag.readInt(QStringLiteral("MousePointer"), 0);
    applyPointer();
    Shape1->shape = validShape(bag.readInt(QStringLiteral("Shape"), 0), 0);
    Label1->setToolTip(bag.readString(QStringLiteral("ToolTipText")));
    Label1->whatsThisHelpId = bag.readInt(QStringLiteral("WhatsThisHelpID"), 0);
    Label1->setWordWrap(bag.readBool(QStringLiteral("WordWrap"), false));
    Label1->fitToText();
}

void KroBody::readActiveKeys(const PropertyBag &bag)
{
    m_hyperColor = bag.readColor(QStringLiteral("HyperColor"), Label1->foreColor());
    m_normalForeColor = bag.readColor(QStringLiteral("ForeColor"), OleColor::ButtonText);
    m_backColorActive = bag.readColor(QStringLiteral("BackColorActive"), OleColor::WindowBackground);
    m_backStyleActive = validBackStyle(bag.readInt(QStringLiteral("BackStyleActive"), 0), 0);
    m_borderColorActive = bag.readColor(QStringLiteral("BorderColorActive"), OleColor::WindowText);
    m_borderStyleActive = validBorderStyle(bag.readInt(QStringLiteral("BorderStyleActive"), 1), 1);
}

void KroBody::readNormalKeys(const PropertyBag &bag)
{
    m_normalBackColor = bag.readColor(QStringLiteral("BackColor"), OleColor::WindowBackground);
    m_normalBackStyle = validBackStyle(bag.readInt(QStringLiteral("BackStyle"), 0), 0);
    m_normalBorderColor = bag.readColor(QStringLiteral("BorderColor"), OleColor::WindowText);
    m_normalBorderStyle = validBorderStyle(bag.readInt(QStringLiteral("BorderStyle"), 1), 1);
}

void KroBody::writeBodyKeys(PropertyBag &bag) const
{
    bag.writeColor(QStringLiteral("BackColor"), Shape1->backColor, OleColor::WindowBackground);
    bag.writeInt(QStringLiteral("BackStyle"), Shape1->backStyle, 0);
    bag.writeColor(QStringLiteral("BorderColor"), Shape1->borderColor, OleColor::WindowText);
    bag.writeInt(QStringLiteral("BorderStyle"), Shape1->borderStyle, 1);
    bag.writeInt(QStringLiteral("BorderWidth"), Shape1->borderWidth, 1);
    bag.writeString(QStringLiteral("Caption"), Label1->text(), QStringLiteral("Button"));
    bag.writeFloat(QStringLiteral("CurrentX"), currentX(), 0);
    bag.writeFloat(QStringLiteral("CurrentY"), currentY(), 0);
    bag.writeBool(QStringLiteral("Enabled"), isEnabled(), true);
    bag.writeFont(QStringLiteral("Font"), Label1->font(), ambientFont());
    bag.writeColor(QStringLiteral("ForeColor"), Label1->foreColor(), OleColor::ButtonText);
    bag.writePicture(QStringLiteral("MouseIcon"), mouseIcon());
    bag.writeInt(QStringLiteral("MousePointer"), mousePointer(), 0);
    bag.writeInt(QStringLiteral("Shape"), Shape1->shape, 0);
}

void KroBody::writeLabelKeys(PropertyBag &bag) const
{
    bag.writeString(QStringLiteral("ToolTipText"), Label1->toolTip(), QString());
    bag.writeInt(QStringLiteral("WhatsThisHelpID"), Label1->whatsThisHelpId, 0);
    bag.writeBool(QStringLiteral("WordWrap"), Label1->wordWrap(), false);
}

void KroBody::writeActiveKeys(PropertyBag &bag) const
{
    bag.writeColor(QStringLiteral("HyperColor"), m_hyperColor);
    bag.writeColor(QStringLiteral("BackColorActive"), m_backColorActive);
    bag.writeInt(QStringLiteral("BackStyleActive"), m_backStyleActive);
    bag.writeColor(QStringLiteral("BorderColorActive"), m_borderColorActive);
    bag.writeInt(QStringLiteral("BorderStyleActive"), m_borderStyleActive);
}
