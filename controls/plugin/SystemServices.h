#pragma once

#include "controls/CorvixFactory.h"

// The real pointer position and the desktop's opener, used unless the host hands the factory others.
class SystemServices : public CorvixServices
{
public:
    QPoint cursorPosition() const override;
    void openLink(const QString &target) override;

    static CorvixServices *instance();
};
