#pragma once

#include "controls/bag/KroPicture.h"
#include "controls/plugin/KroParts.h"

#include <QFont>
#include <QWidget>

class CorvixServices;
class PropertyBag;
class QTimer;

// What the three button controls share: the caption part and the hover timer, the hover state machine,
// hyperlink opening, the property-changed notification, the container's ambient colour and font, the nine
// events with their by-reference parameters, keyboard use and focus. Each control adds its parts, its look
// and its persisted properties.
class KroFrame : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString HyperLink READ hyperLink WRITE setHyperLink)
    Q_PROPERTY(uint HyperColor READ hyperColor WRITE setHyperColor)
    Q_PROPERTY(bool HoverEffect READ hoverEffect WRITE setHoverEffect)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(float CurrentX READ currentX WRITE setCurrentX)
    Q_PROPERTY(float CurrentY READ currentY WRITE setCurrentY)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabledProperty)
    Q_PROPERTY(QFont Font READ captionFont WRITE setCaptionFont)
    Q_PROPERTY(uint ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(int hwnd READ hwnd)
    Q_PROPERTY(KroPicture MouseIcon READ mouseIcon WRITE setMouseIcon)
    Q_PROPERTY(int MousePointer READ mousePointer WRITE setMousePointer)
    Q_PROPERTY(QString ToolTipText READ toolTipText WRITE setToolTipText)
    Q_PROPERTY(int WhatsThisHelpID READ whatsThisHelpId WRITE setWhatsThisHelpId)

public:
    ~KroFrame() override;

    virtual QString progId() const = 0;
    // Host steps: a new instance's initial properties, and reading and writing the property bag.
    virtual void initProperties() = 0;
    virtual void readProperties(const PropertyBag &bag) = 0;
    virtual void writeProperties(PropertyBag &bag) const = 0;

    void setServices(CorvixServices *services);
    bool isHovering() const { return m_hovering; }

    QString hyperLink() const { return m_hyperLink; }
    void setHyperLink(const QString &link);
    uint hyperColor() const { return m_hyperColor; }
    void setHyperColor(uint color);
    bool hoverEffect() const { return m_hoverEffect; }
    void setHoverEffect(bool on);
    QString caption() const;
    void setCaption(const QString &text);
    float currentX() const { return m_currentX; }
    void setCurrentX(float x);
    float currentY() const { return m_currentY; }
    void setCurrentY(float y);
    void setEnabledProperty(bool on);
    QFont captionFont() const;
    void setCaptionFont(const QFont &font);
    uint foreColor() const;
    void setForeColor(uint color);
    int hwnd() const;
    KroPicture mouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const KroPicture &icon);
    int mousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);
    QString toolTipText() const;
    void setToolTipText(const QString &text);
    int whatsThisHelpId() const;
    void setWhatsThisHelpId(int id);

    // The keyboard's and the assistive technologies' press: raises Click.
    void press();

    Q_INVOKABLE void gotoHyperlink();

Q_SIGNALS:
    // The host's cue that a property was altered and the control should be saved again.
    void propertyChanged(const QString &name);

    void Click();
    void DblClick();
    void Hide();
    void KeyDown(short &KeyCode, short &Shift);
    void KeyPress(short &KeyAscii);
    void KeyUp(short &KeyCode, short &Shift);
    void MouseDown(short &Button, short &Shift, float &X, float &Y);
    void MouseMove(short &Button, short &Shift, float &X, float &Y);
    void MouseUp(short &Button, short &Shift, float &X, float &Y);

protected:
    explicit KroFrame(QWidget *parent);

    // The control's look for the current value of m_hovering.
    virtual void applyHoverLook() = 0;
    virtual void layoutParts() = 0;
    virtual QColor surfaceColor() const = 0;
    // The part that shows ToolTipText.
    virtual QWidget *toolTipHolder() const;
    // Whether a mouse move over this part starts the hover look (it always raises MouseMove).
    virtual bool moveStartsHover(QWidget *part) const;

    void notifyChanged(const QString &name);
    void watchPart(QWidget *part);
    QColor ambientBackColor() const;
    QFont ambientFont() const;
    QColor resolve(quint32 ole) const;
    int scaleWidth() const { return width() * Twips::PerPixel; }
    int scaleHeight() const { return height() * Twips::PerPixel; }
    void applyPointer();

    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void paintFocus(QPainter &painter, const QRect &area) const;
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

    KroLabel *Label1;
    QTimer *Timer1;
    bool m_hovering = false;
    QString m_hyperLink;
    quint32 m_hyperColor = 0;
    bool m_hoverEffect = false;
    quint32 m_normalForeColor = 0;
    float m_currentX = 0;
    float m_currentY = 0;
    int m_mousePointer = 0;
    KroPicture m_mouseIcon;

private:
    void tick();
    void handleMouse(QMouseEvent *event, QWidget *part, const QPointF &pos);

    CorvixServices *m_services = nullptr;
    bool m_pressed = false;
    bool m_doubleClicked = false;
    bool m_spacePressed = false;
};
