#pragma once

#include "wizard/Notices.h"

class QWidget;

// Notices as modal message boxes over the wizard window, titled with a single blank.
class MessageBoxNotices : public Notices
{
public:
    explicit MessageBoxNotices(QWidget *parent = nullptr) : m_parent(parent) {}

    void setParent(QWidget *parent) { m_parent = parent; }

    void information(const QString &text) override;
    bool question(const QString &text) override;
    int choose(const QString &text, const QStringList &buttons) override;
    void plain(const QString &text) override;
    void plainTitled(const QString &text) override;

private:
    QWidget *m_parent;
};
