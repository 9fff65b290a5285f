#pragma once

#include <QAccessibleWidget>

class KroFrame;

// What screen readers and UI automation see of a button control: a push button named by its caption, described
// by its tooltip, whose press action raises Click.
class KroAccessible : public QAccessibleWidget
{
public:
    explicit KroAccessible(KroFrame *control);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

    // For QAccessible::installFactory.
    static QAccessibleInterface *factory(const QString &className, QObject *object);

private:
    KroFrame *control() const;
};
