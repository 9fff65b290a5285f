#pragma once

#include "wizard/platform/CommonDialog.h"

class QWidget;

// The common dialog through Qt's standard colour, font and file dialogs.
class QtCommonDialog : public CommonDialog
{
public:
    explicit QtCommonDialog(QWidget *parent = nullptr) : m_parent(parent) {}

    void setParent(QWidget *parent) { m_parent = parent; }

    bool ShowColor() override;
    bool ShowFont() override;
    bool ShowOpen() override;

private:
    QWidget *m_parent;
};
