#pragma once

#include <QGroupBox>

class FormButtons;

// One of the five pages of the wizard: a frame named "step" whose "index" property is its place in the wizard.
class WizardPage : public QGroupBox
{
    Q_OBJECT

public:
    WizardPage(int index, const QString &caption, QWidget *parent);
    int index() const { return m_index; }

private:
    int m_index;
};
