#pragma once

#include "controls/CorvixFactory.h"
#include "controls/bag/PropertyBag.h"
#include "controls/host/CorvixHost.h"

#include <QApplication>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>

// Scripted pointer and a recording opener for the controls.
class FakeServices : public CorvixServices
{
public:
    QPoint position{-1000, -1000};
    QStringList opened;

    QPoint cursorPosition() const override { return position; }
    void openLink(const QString &target) override { opened << target; }
};

inline CorvixFactory *corvixFactory()
{
    static CorvixHost host(QStringLiteral(CORVIX_PLUGIN_DIR));
    if (!host.loadPlugin())
        qFatal("%s", qPrintable(host.errorString()));
    return host.factory();
}

// A mouse move delivered to a control or one of its parts, at a position local to it.
inline void moveMouse(QWidget *target, QPoint pos)
{
    QMouseEvent event(QEvent::MouseMove, pos, target->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

inline void sendMouse(QWidget *target, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent event(type, pos, target->mapToGlobal(pos), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button), Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

inline QRect twipsRect(const QObject *part)
{
    return QRect(part->property("Left").toInt(), part->property("Top").toInt(), part->property("Width").toInt(),
                 part->property("Height").toInt());
}

// The window a test shows its controls in; deleting it deletes them.
inline QWidget *makeContainer(int w = 400, int h = 300)
{
    auto *container = new QWidget;
    container->resize(w, h);
    container->move(50, 50);
    return container;
}

// Records a control's events through their by-reference parameters; may change them as a host handler would.
class EventRecorder : public QObject
{
    Q_OBJECT
public:
    explicit EventRecorder(QWidget *control) : QObject(control)
    {
        // Every signal of the control's own classes, found by its signature.
        for (const QMetaObject *m = control->metaObject(); m && m != &QWidget::staticMetaObject; m = m->superClass()) {
            for (int i = m->methodOffset(); i < m->methodCount(); ++i) {
                const QMetaMethod signal = m->method(i);
                if (signal.methodType() != QMetaMethod::Signal)
                    continue;
                const int slot = metaObject()->indexOfSlot("on" + signal.methodSignature());
                if (slot >= 0)
                    connect(control, signal, this, metaObject()->method(slot));
            }
        }
    }

    QStringList events;
    QList<QVariantList> arguments;
    short replaceKeyCode = -1; // set by KeyDown/KeyUp when not -1

    void clear()
    {
        events.clear();
        arguments.clear();
    }

public slots:
    void onClick() { record(QStringLiteral("Click"), {}); }
    void onDblClick() { record(QStringLiteral("DblClick"), {}); }
    void onHide() { record(QStringLiteral("Hide"), {}); }
    void onKeyDown(short &code, short &shift)
    {
        record(QStringLiteral("KeyDown"), {code, shift});
        if (replaceKeyCode != -1)
            code = replaceKeyCode;
    }
    void onKeyPress(short &ascii) { record(QStringLiteral("KeyPress"), {ascii}); }
    void onKeyUp(short &code, short &shift)
    {
        record(QStringLiteral("KeyUp"), {code, shift});
        if (replaceKeyCode != -1)
            code = replaceKeyCode;
    }
    void onMouseDown(short &b, short &s, float &x, float &y) { record(QStringLiteral("MouseDown"), {b, s, x, y}); }
    void onMouseMove(short &b, short &s, float &x, float &y) { record(QStringLiteral("MouseMove"), {b, s, x, y}); }
    void onMouseUp(short &b, short &s, float &x, float &y) { record(QStringLiteral("MouseUp"), {b, s, x, y}); }

private:
    void record(const QString &event, const QVariantList &args)
    {
        events << event;
        arguments << args;
    }
};
