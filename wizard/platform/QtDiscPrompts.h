#pragma once

#include "wizard/platform/DiscPrompts.h"

class Notices;
class QWidget;

// DiscPrompts as modal dialogs over the wizard window.
class QtDiscPrompts : public DiscPrompts
{
public:
    explicit QtDiscPrompts(QWidget *parent = nullptr) : m_parent(parent) {}

    void setParent(QWidget *parent) { m_parent = parent; }
    // Where a browser that cannot be started is reported.
    void setNotices(Notices *notices) { m_notices = notices; }

    bool chooseFiles(QList<FileRow> &rows) override;
    bool continueDespite(const QStringList &problems, const QStringList &notes, const QString &summary) override;
    QString imageFile(const QString &suggested) override;
    QString copyFolder(const QString &start) override;
    void open(const QString &file) override;

private:
    QWidget *m_parent;
    Notices *m_notices = nullptr;
};
