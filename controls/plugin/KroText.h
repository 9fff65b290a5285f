#pragma once

#include "controls/plugin/KroBody.h"

// The text button: a drawn body with an optional drop shadow and a centred caption.
class KroText : public KroBody
{
    Q_OBJECT

public:
    explicit KroText(QWidget *parent = nullptr);

    QString progId() const override { return QStringLiteral("Corvixes.KroText"); }
    void readProperties(const PropertyBag &bag) override;
    void writeProperties(PropertyBag &bag) const override;

protected:
    bool shadowFollowsShape() const override { return true; }
    void layoutParts() override;
    void changeEvent(QEvent *event) override;
};
