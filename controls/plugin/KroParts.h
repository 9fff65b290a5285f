#pragma once

#include "controls/bag/KroPicture.h"

#include <QLabel>
#include <QObject>
#include <QRectF>
#include <QWidget>

class QPainter;

// Twips (1/1440 inch) are the layout unit; 15 twips make one pixel at 96 dpi.
namespace Twips {
constexpr int PerPixel = 15;
// Nearest whole unit, halves to even.
int round(double value);
inline double toPixels(double twips)
{
    return twips / PerPixel;
}
inline int toWholePixels(double twips)
{
    return Twips::round(twips / PerPixel);
}
} // namespace Twips

// Shape values and border styles as the properties hold them.
namespace KroShapeKind {
enum { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare, Count };
}
namespace KroBorder {
enum { Transparent, Solid, Dash, Dot, DashDot, DashDotDot, InsideSolid, Count };
}

// A drawn shape part (the body Shape1 and the shadow Shape2): no window of its own, painted by its control.
// Its place is kept in twips, exactly as the layout computed it.
class KroShape : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Left READ left)
    Q_PROPERTY(int Top READ top)
    Q_PROPERTY(int Width READ width)
    Q_PROPERTY(int Height READ height)
    Q_PROPERTY(bool Visible READ isVisible)
    Q_PROPERTY(int Shape MEMBER shape)
    Q_PROPERTY(int FillStyle MEMBER fillStyle)
    Q_PROPERTY(uint BackColor MEMBER backColor)
    Q_PROPERTY(int BackStyle MEMBER backStyle)
    Q_PROPERTY(uint BorderColor MEMBER borderColor)
    Q_PROPERTY(int BorderStyle MEMBER borderStyle)

public:
    explicit KroShape(const QString &name, QObject *parent);

    int left() const { return m_left; }
    int top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }
    void move(int left, int top, int width, int height);

    void paint(QPainter &painter, const QPalette &palette) const;

    quint32 backColor = 0xFFFFFF;
    int backStyle = 1; // 0 transparent, 1 opaque
    quint32 borderColor = 0xFFFFFF;
    int borderStyle = KroBorder::Solid;
    int borderWidth = 1; // pixels
    int shape = KroShapeKind::RoundedRectangle;
    quint32 fillColor = 0;
    int fillStyle = 1; // 0 solid, 1 transparent

private:
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    bool m_visible = true;
};

// The caption part (Label1). It draws its text in an OLE colour resolved against the current palette, so system
// colours follow the platform, and can size itself to its text.
class KroLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(int Left READ leftTwips)
    Q_PROPERTY(int Top READ topTwips)
    Q_PROPERTY(int Width READ widthTwips)
    Q_PROPERTY(int Height READ heightTwips)
    Q_PROPERTY(uint ForeColor READ foreColor)

public:
    explicit KroLabel(QWidget *parent);

    int leftTwips() const { return m_left; }
    int topTwips() const { return m_top; }
    int widthTwips() const { return width() * Twips::PerPixel; }
    int heightTwips() const { return height() * Twips::PerPixel; }
    void moveTwips(int left, int top);
    void setGeometryTwips(int left, int top, int width, int height);

    quint32 foreColor() const { return m_foreColor; }
    void setForeColor(quint32 ole);
    int whatsThisHelpId = 0;

    // Sized to its text: grows downwards when word wrap is on, sideways otherwise.
    void setAutoSize(bool on);
    void fitToText();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    quint32 m_foreColor = 0x80000012;
    bool m_autoSize = false;
    int m_left = 0;
    int m_top = 0;
};

// The picture part (Image1): stretches its picture to its own size.
class KroImagePart : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Left READ leftTwips)
    Q_PROPERTY(int Top READ topTwips)
    Q_PROPERTY(int Width READ widthTwips)
    Q_PROPERTY(int Height READ heightTwips)
    Q_PROPERTY(KroPicture Picture READ picture)

public:
    explicit KroImagePart(QWidget *parent);

    int leftTwips() const { return m_left; }
    int topTwips() const { return m_top; }
    int widthTwips() const { return m_width; }
    int heightTwips() const { return m_height; }
    void setGeometryTwips(int left, int top, int width, int height);

    KroPicture picture() const { return m_picture; }
    void setPicture(const KroPicture &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    KroPicture m_picture;
    QImage m_image;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
};
