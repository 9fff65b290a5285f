#include "controls/plugin/KroParts.h"

#include "controls/bag/OleColor.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

int Twips::round(double value)
{
    return int(std::nearbyint(value)); // the default rounding mode rounds halves to even
}

namespace {

QRect pixelRect(int left, int top, int width, int height)
{
    const int x = Twips::toWholePixels(left);
    const int y = Twips::toWholePixels(top);
    return QRect(x, y, Twips::toWholePixels(left + width) - x, Twips::toWholePixels(top + height) - y);
}

Qt::PenStyle penStyle(int borderStyle)
{
    switch (borderStyle) {
    case KroBorder::Dash:
        return Qt::DashLine;
    case KroBorder::Dot:
        return Qt::DotLine;
    case KroBorder::DashDot:
        return Qt::DashDotLine;
    case KroBorder::DashDotDot:
        return Qt::DashDotDotLine;
    case KroBorder::Transparent:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

QPainterPath outline(int shape, QRectF r)
{
    const bool squared =
        shape == KroShapeKind::Square || shape == KroShapeKind::Circle || shape == KroShapeKind::RoundedSquare;
    if (squared) {
        const qreal side = qMin(r.width(), r.height());
        r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    QPainterPath path;
    switch (shape) {
    case KroShapeKind::Oval:
    case KroShapeKind::Circle:
        path.addEllipse(r);
        break;
    case KroShapeKind::RoundedRectangle:
    case KroShapeKind::RoundedSquare: {
        const qreal radius = qMin(r.width(), r.height()) / 6;
        path.addRoundedRect(r, radius, radius);
        break;
    }
    default:
        path.addRect(r);
    }
    return path;
}

} // namespace

KroShape::KroShape(const QString &name, QObject *parent) : QObject(parent)
{
    setObjectName(name);
}

void KroShape::move(int left, int top, int width, int height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
}

void KroShape::paint(QPainter &painter, const QPalette &palette) const
{
    if (!m_visible || m_width <= 0 || m_height <= 0)
        return;
    const QRectF bounds(Twips::toPixels(m_left), Twips::toPixels(m_top), Twips::toPixels(m_width),
                        Twips::toPixels(m_height));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath body = outline(shape, bounds);
    if (backStyle == 1)
        painter.fillPath(body, OleColor::toColor(backColor, palette));
    if (fillStyle == 0)
        painter.fillPath(body, OleColor::toColor(fillColor, palette));
    if (borderStyle != KroBorder::Transparent && borderWidth > 0) {
        // A solid border is centred on the outline; "inside solid" keeps the whole pen width within it.
        const qreal inset = borderStyle == KroBorder::InsideSolid ? borderWidth / 2.0 : 0.5;
        QPen pen(OleColor::toColor(borderColor, palette), borderWidth, penStyle(borderStyle));
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(outline(shape, bounds.adjusted(inset, inset, -inset, -inset)));
    }
    painter.restore();
}

KroLabel::KroLabel(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("Label1"));
    setText(QStringLiteral("Button"));
    setAlignment(Qt::AlignCenter);
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
}

void KroLabel::moveTwips(int left, int top)
{
    m_left = left;
    m_top = top;
    move(Twips::toWholePixels(left), Twips::toWholePixels(top));
}

void KroLabel::setGeometryTwips(int left, int top, int width, int height)
{
    m_left = left;
    m_top = top;
    setGeometry(pixelRect(left, top, width, height));
}

void KroLabel::setForeColor(quint32 ole)
{
    m_foreColor = ole;
    update();
}

void KroLabel::setAutoSize(bool on)
{
    m_autoSize = on;
    fitToText();
}

void KroLabel::fitToText()
{
    if (!m_autoSize)
        return;
    if (wordWrap())
        resize(width(), heightForWidth(width()));
    else
        resize(sizeHint());
}

void KroLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor color =
        isEnabled() ? OleColor::toColor(m_foreColor, palette()) : palette().color(QPalette::Disabled, QPalette::Text);
    painter.setPen(color);
    painter.setFont(font());
    painter.drawText(contentsRect(), int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0), text());
}

KroImagePart::KroImagePart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Image1"));
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
}

void KroImagePart::setGeometryTwips(int left, int top, int width, int height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    setGeometry(pixelRect(left, top, width, height));
}

void KroImagePart::setPicture(const KroPicture &picture)
{
    m_picture = picture;
    m_image = picture.image();
    update();
}

void KroImagePart::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_image);
}
