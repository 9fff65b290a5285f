#pragma once

#include <QAccessibleWidget>

class KroFrame;

// What screen readers and UI automation see of a button control: a push button named by its caption, described
// by its tooltip, whose press action raises Click.
class KroAccessible : public QAccessibleWidget
{
public:
    explicit KroAccessible(KroFrame *control);

    // The caption part is the button's name, not a child of its own.
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
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
