#include "wizard/styles/Swatch.h"

#include "core/model/ColorText.h"

#include <QPainter>

Swatch::Swatch(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Swatch::setColor(qint32 oleColor)
{
    m_color = oleColor;
    update();
}

void Swatch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgb(ColorText::toRgb(m_color)));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
