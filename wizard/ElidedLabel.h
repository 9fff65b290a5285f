#pragma once

#include <QLabel>

// A one-line label that keeps its whole text but draws it shortened in the middle when it does not fit, so both the
// start and the end of a long path stay in sight.
class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    // What is drawn in the label's width.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
