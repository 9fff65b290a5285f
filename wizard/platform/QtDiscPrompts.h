#pragma once

#include "wizard/platform/DiscPrompts.h"

class QWidget;

// DiscPrompts as modal dialogs over the wizard window.
class QtDiscPrompts : public DiscPrompts
{
public:
    explicit QtDiscPrompts(QWidget *parent = nullptr) : m_parent(parent) {}

    void setParent(QWidget *parent) { m_parent = parent; }

    std::optional<QList<int>> chooseFiles(const QStringList &rows) override;
    bool continueDespite(const QStringList &problems) override;
    QString imageFile(const QString &suggested) override;
    void open(const QString &file) override;

private:
    QWidget *m_parent;
};
