#pragma once

#include "core/model/MenuSnapshot.h"

#include <QLineEdit>
#include <vector>

// A text box of a style page and the style field it holds: a page lists its boxes once, and showing and reading
// the style both follow that list.
struct StyleFieldBox
{
    QLineEdit *box;
    QString StyleFields::*field;
};

inline void showStyleFields(const std::vector<StyleFieldBox> &boxes, const StyleFields &style)
{
    for (const StyleFieldBox &box : boxes)
        box.box->setText(style.*box.field);
}

inline void readStyleFields(const std::vector<StyleFieldBox> &boxes, StyleFields &style)
{
    for (const StyleFieldBox &box : boxes)
        style.*box.field = box.box->text();
}
