#include "controls/plugin/KroAccessible.h"

#include "controls/plugin/KroFrame.h"

KroAccessible::KroAccessible(KroFrame *control) : QAccessibleWidget(control, QAccessible::Button) {}

KroFrame *KroAccessible::control() const
{
    return static_cast<KroFrame *>(widget());
}

QString KroAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return control()->caption();
    case QAccessible::Description:
        // The caption's tooltip, or the host's tooltip over the whole control.
        return control()->toolTipText().isEmpty() ? control()->toolTip() : control()->toolTipText();
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State KroAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.focusable = control()->isEnabled();
    return s;
}

QStringList KroAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (control()->isEnabled())
        names.prepend(pressAction());
    return names;
}

void KroAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        control()->press();
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList KroAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (actionName == pressAction())
        return {QStringLiteral("Space"), QStringLiteral("Return")};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

QAccessibleInterface *KroAccessible::factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("KroFrame") && object && object->isWidgetType())
        return new KroAccessible(static_cast<KroFrame *>(object));
    return nullptr;
}
