#pragma once

#include "CorvixFactory.h"
#include "CorvixHost.h"
#include "PropertyBag.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
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
