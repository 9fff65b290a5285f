#pragma once

#include "controls/plugin/KroFrame.h"

// The drawn body shared by the text and the styled button: Shape1 with its border, the grey shadow Shape2, the
// active (hover) set of caption and body colours and styles, and the normal-look fields restored after a hover.
class KroBody : public KroFrame
{
    Q_OBJECT
    Q_PROPERTY(int BorderStyleActive READ borderStyleActive WRITE setBorderStyleActive)
    Q_PROPERTY(uint BorderColorActive READ borderColorActive WRITE setBorderColorActive)
    Q_PROPERTY(int BackStyleActive READ backStyleActive WRITE setBackStyleActive)
    Q_PROPERTY(uint BackColorActive READ backColorActive WRITE setBackColorActive)
    Q_PROPERTY(bool Shadow READ shadow WRITE setShadow)
    Q_PROPERTY(uint BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(int BackStyle READ backStyle WRITE setBackStyle)
    Q_PROPERTY(uint BorderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(int BorderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(int Shape READ shape WRITE setShape)
    Q_PROPERTY(bool WordWrap READ wordWrap WRITE setWordWrap)

public:
    int borderStyleActive() const { return m_borderStyleActive; }
    void setBorderStyleActive(int style);
    uint borderColorActive() const { return m_borderColorActive; }
    void setBorderColorActive(uint color);
    int backStyleActive() const { return m_backStyleActive; }
    void setBackStyleActive(int style);
    uint backColorActive() const { return m_backColorActive; }
    void setBackColorActive(uint color);
    bool shadow() const { return m_shadow; }
    void setShadow(bool on);
    uint backColor() const { return Shape1->backColor; }
    void setBackColor(uint color);
    int backStyle() const { return Shape1->backStyle; }
    void setBackStyle(int style);
    uint borderColor() const { return Shape1->borderColor; }
    void setBorderColor(uint color);
    int borderStyle() const { return Shape1->borderStyle; }
    void setBorderStyle(int style);
    int borderWidth() const { return Shape1->borderWidth; }
    void setBorderWidth(int width);
    int shape() const { return Shape1->shape; }
    void setShape(int shape);
    bool wordWrap() const { return Label1->wordWrap(); }
    void setWordWrap(bool on);

    void initProperties() override;

protected:
    explicit KroBody(QWidget *parent);

    QColor surfaceColor() const override { return m_surfaceColor; }
    // Whether a Shape put reshapes the shadow at once, or only at the next show.
    virtual bool shadowFollowsShape() const = 0;
    void applyHoverLook() override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

    // Initial properties and Show: the container's colour, the body's shape for the shadow, the shadow.
    void followContainer();
    void applyShadow();

    // Keys in the same order and with the same defaults in both controls.
    void readPartKeys(const PropertyBag &bag);    // BackColor ... WordWrap
    void readActiveKeys(const PropertyBag &bag);  // HyperColor, ForeColor (normal), the four active values
    void readNormalKeys(const PropertyBag &bag);  // the four normal body values
    void writeBodyKeys(PropertyBag &bag) const;   // BackColor ... Shape
    void writeLabelKeys(PropertyBag &bag) const;  // ToolTipText, WhatsThisHelpID, WordWrap
    void writeActiveKeys(PropertyBag &bag) const; // HyperColor and the four active values, always written

    KroShape *Shape1;
    KroShape *Shape2;
    QColor m_surfaceColor;
    bool m_shadow = false;
    quint32 m_backColorActive = 0;
    int m_backStyleActive = 0;
    quint32 m_borderColorActive = 0;
    int m_borderStyleActive = 0;
    quint32 m_normalBackColor = 0;
    int m_normalBackStyle = 0;
    quint32 m_normalBorderColor = 0;
    int m_normalBorderStyle = 0;
};
