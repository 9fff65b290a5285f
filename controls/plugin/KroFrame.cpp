#include "controls/plugin/KroFrame.h"

#include "controls/bag/OleColor.h"
#include "controls/plugin/SystemServices.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>

namespace {

// Virtual key codes, as the key events hand them to a host.
short keyCode(const QKeyEvent *event)
{
    const int key = event->key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return short(key);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return short(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return short(0x70 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace:
        return 0x08;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0x09;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 0x0D;
    case Qt::Key_Shift:
        return 0x10;
    case Qt::Key_Control:
        return 0x11;
    case Qt::Key_Alt:
        return 0x12;
    case Qt::Key_Pause:
        return 0x13;
    case Qt::Key_CapsLock:
        return 0x14;
    case Qt::Key_Escape:
        return 0x1B;
    case Qt::Key_Space:
        return 0x20;
    case Qt::Key_PageUp:
        return 0x21;
    case Qt::Key_PageDown:
        return 0x22;
    case Qt::Key_End:
        return 0x23;
    case Qt::Key_Home:
        return 0x24;
    case Qt::Key_Left:
        return 0x25;
    case Qt::Key_Up:
        return 0x26;
    case Qt::Key_Right:
        return 0x27;
    case Qt::Key_Down:
        return 0x28;
    case Qt::Key_Insert:
        return 0x2D;
    case Qt::Key_Delete:
        return 0x2E;
    default:
        return short(event->nativeVirtualKey() & 0x7FFF);
    }
}

short shiftState(Qt::KeyboardModifiers modifiers)
{
    short state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= 1;
    if (modifiers & Qt::ControlModifier)
        state |= 2;
    if (modifiers & Qt::AltModifier)
        state |= 4;
    return state;
}

short buttonCode(Qt::MouseButtons buttons)
{
    short code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    if (buttons & Qt::MiddleButton)
        code |= 4;
    return code;
}

Qt::CursorShape cursorShape(int pointer)
{
    switch (pointer) {
    case 2:
        return Qt::CrossCursor;
    case 3:
        return Qt::IBeamCursor;
    case 5:
        return Qt::SizeAllCursor;
    case 6:
        return Qt::SizeBDiagCursor;
    case 7:
        return Qt::SizeVerCursor;
    case 8:
        return Qt::SizeFDiagCursor;
    case 9:
        return Qt::SizeHorCursor;
    case 10:
        return Qt::UpArrowCursor;
    case 11:
        return Qt::WaitCursor;
    case 12:
        return Qt::ForbiddenCursor;
    case 13:
        return Qt::BusyCursor;
    case 14:
        return Qt::WhatsThisCursor;
    case 15:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

KroFrame::KroFrame(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(1215 / Twips::PerPixel, 495 / Twips::PerPixel);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &KroFrame::tick);

    Label1 = new KroLabel(this);
    Label1->setFont(ambientFont());
    watchPart(Label1);
}

KroFrame::~KroFrame() = default;

void KroFrame::setServices(CorvixServices *services)
{
    m_services = services;
}

void KroFrame::notifyChanged(const QString &name)
{
    emit propertyChanged(name);
}

void KroFrame::watchPart(QWidget *part)
{
    part->installEventFilter(this);
}

QColor KroFrame::ambientBackColor() const
{
    if (const QWidget *container = parentWidget())
        return container->palette().color(container->backgroundRole());
    return QApplication::palette().color(QPalette::Window);
}

QFont KroFrame::ambientFont() const
{
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

QColor KroFrame::resolve(quint32 ole) const
{
    return OleColor::toColor(ole, palette());
}

QWidget *KroFrame::toolTipHolder() const
{
    return Label1;
}

bool KroFrame::moveStartsHover(QWidget *) const
{
    return true;
}

void KroFrame::gotoHyperlink()
{
    if (m_hyperLink.isEmpty())
        return;
    (m_services ? m_services : SystemServices::instance())->openLink(m_hyperLink);
}

void KroFrame::press()
{
    if (isEnabled())
        emit Click();
}

void KroFrame::tick()
{
    // The window's rectangle with exclusive right and bottom edges; the pointer must be strictly inside, so a
    // pointer on an edge counts as outside.
    const QPoint topLeft = mapToGlobal(QPoint(0, 0));
    const int left = topLeft.x();
    const int top = topLeft.y();
    const int right = left + width();
    const int bottom = top + height();
    const QPoint p = (m_services ? m_services : SystemServices::instance())->cursorPosition();
    if (left < p.x() && p.x() < right && top < p.y() && p.y() < bottom) {
        m_hovering = true;
        applyHoverLook();
    } else {
        m_hovering = false;
        applyHoverLook();
        Timer1->stop();
    }
}

void KroFrame::handleMouse(QMouseEvent *event, QWidget *part, const QPointF &pos)
{
    short button = buttonCode(event->type() == QEvent::MouseMove ? event->buttons() : event->button());
    short shift = shiftState(event->modifiers());
    float x = float(pos.x() * Twips::PerPixel);
    float y = float(pos.y() * Twips::PerPixel);
    switch (event->type()) {
    case QEvent::MouseMove:
        if (!m_hovering && (part == nullptr || moveStartsHover(part))) {
            m_hovering = true;
            applyHoverLook();
            Timer1->start();
        }
        emit MouseMove(button, shift, x, y);
        break;
    case QEvent::MouseButtonPress:
        m_pressed = event->button() == Qt::LeftButton;
        m_doubleClicked = false;
        emit MouseDown(button, shift, x, y);
        break;
    case QEvent::MouseButtonDblClick:
        m_pressed = false;
        m_doubleClicked = true;
        emit DblClick();
        break;
    case QEvent::MouseButtonRelease: {
        const bool click = m_pressed && event->button() == Qt::LeftButton &&
                           rect().contains(mapFromGlobal(event->globalPosition().toPoint()));
        m_pressed = false;
        emit MouseUp(button, shift, x, y);
        if (click && !m_doubleClicked)
            emit Click();
        m_doubleClicked = false;
        break;
    }
    default:
        break;
    }
}

bool KroFrame::eventFilter(QObject *watched, QEvent *event)
{
    auto *part = qobject_cast<QWidget *>(watched);
    if (part && part->parentWidget() == this) {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (event->type() == QEvent::MouseButtonPress && focusPolicy() != Qt::NoFocus)
                setFocus(Qt::MouseFocusReason);
            handleMouse(mouse, part, mouse->position());
            return true;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void KroFrame::mousePressEvent(QMouseEvent *event)
{
    handleMouse(event, nullptr, event->position());
}

void KroFrame::mouseReleaseEvent(QMouseEvent *event)
{
    handleMouse(event, nullptr, event->position());
}

void KroFrame::mouseDoubleClickEvent(QMouseEvent *event)
{
    handleMouse(event, nullptr, event->position());
}

void KroFrame::mouseMoveEvent(QMouseEvent *event)
{
    handleMouse(event, nullptr, event->position());
}

void KroFrame::keyPressEvent(QKeyEvent *event)
{
    short code = keyCode(event);
    short shift = shiftState(event->modifiers());
    emit KeyDown(code, shift);
    const QString text = event->text();
    short ascii = text.isEmpty() ? 0 : short(text.at(0).unicode());
    if (ascii != 0 && code != 0)
        emit KeyPress(ascii);
    // Like a push button: Enter clicks at once, Space when released. A handler that clears the key code
    // (or the character) cancels the click.
    if (event->isAutoRepeat() || code == 0)
        return;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && ascii != 0)
        press();
    else if (event->key() == Qt::Key_Space && ascii != 0)
        m_spacePressed = true;
}

void KroFrame::keyReleaseEvent(QKeyEvent *event)
{
    short code = keyCode(event);
    short shift = shiftState(event->modifiers());
    emit KeyUp(code, shift);
    if (event->isAutoRepeat())
        return;
    if (event->key() == Qt::Key_Space && m_spacePressed) {
        m_spacePressed = false;
        if (code != 0)
            press();
    }
}

void KroFrame::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void KroFrame::focusOutEvent(QFocusEvent *event)
{
    m_spacePressed = false;
    QWidget::focusOutEvent(event);
    update();
}

void KroFrame::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutParts();
}

void KroFrame::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        emit Hide();
}

void KroFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), surfaceColor());
    paintFocus(painter, rect());
}

void KroFrame::paintFocus(QPainter &painter, const QRect &area) const
{
    if (!hasFocus())
        return;
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = area.adjusted(3, 3, -3, -3);
    option.backgroundColor = surfaceColor();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void KroFrame::applyPointer()
{
    if (m_mousePointer == 0) {
        unsetCursor();
    } else if (m_mousePointer == 99) {
        const QImage icon = m_mouseIcon.image();
        if (icon.isNull())
            unsetCursor();
        else
            setCursor(QCursor(QPixmap::fromImage(icon)));
    } else {
        setCursor(cursorShape(m_mousePointer));
    }
}

void KroFrame::setHyperLink(const QString &link)
{
    m_hyperLink = link;
    notifyChanged(QStringLiteral("HyperLink"));
}

void KroFrame::setHyperColor(uint color)
{
    m_hyperColor = color;
    notifyChanged(QStringLiteral("HyperColor"));
}

void KroFrame::setHoverEffect(bool on)
{
    m_hoverEffect = on;
    notifyChanged(QStringLiteral("HoverEffect"));
}

QString KroFrame::caption() const
{
    return Label1->text();
}

void KroFrame::setCaption(const QString &text)
{
    Label1->setText(text);
    Label1->fitToText();
    notifyChanged(QStringLiteral("Caption"));
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void KroFrame::setCurrentX(float x)
{
    m_currentX = x;
    notifyChanged(QStringLiteral("CurrentX"));
}

void KroFrame::setCurrentY(float y)
{
    m_currentY = y;
    notifyChanged(QStringLiteral("CurrentY"));
}

void KroFrame::setEnabledProperty(bool on)
{
    setEnabled(on);
    notifyChanged(QStringLiteral("Enabled"));
}

QFont KroFrame::captionFont() const
{
    return Label1->font();
}

void KroFrame::setCaptionFont(const QFont &font)
{
    Label1->setFont(font);
    Label1->fitToText();
    notifyChanged(QStringLiteral("Font"));
}

uint KroFrame::foreColor() const
{
    return Label1->foreColor();
}

void KroFrame::setForeColor(uint color)
{
    Label1->setForeColor(color);
    notifyChanged(QStringLiteral("ForeColor"));
}

int KroFrame::hwnd() const
{
    return int(effectiveWinId());
}

void KroFrame::setMouseIcon(const KroPicture &icon)
{
    m_mouseIcon = icon;
    applyPointer();
    notifyChanged(QStringLiteral("MouseIcon"));
}

void KroFrame::setMousePointer(int pointer)
{
    m_mousePointer = pointer;
    applyPointer();
    notifyChanged(QStringLiteral("MousePointer"));
}

QString KroFrame::toolTipText() const
{
    return toolTipHolder()->toolTip();
}

void KroFrame::setToolTipText(const QString &text)
{
    toolTipHolder()->setToolTip(text);
    notifyChanged(QStringLiteral("ToolTipText"));
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

int KroFrame::whatsThisHelpId() const
{
    return Label1->whatsThisHelpId;
}

void KroFrame::setWhatsThisHelpId(int id)
{
    Label1->whatsThisHelpId = id;
    notifyChanged(QStringLiteral("WhatsThisHelpID"));
}
