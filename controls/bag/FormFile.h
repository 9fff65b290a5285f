#pragma once

#include "controls/bag/PropertyBag.h"

#include <QList>
#include <QString>

// One control of a window as its form file stores it.
struct FormControl
{
    QString name;   // the control's objectName
    QString progId; // "Corvixes.KroText" ...
    PropertyBag bag;
};

// The persisted controls of one window, as a UTF-8 text:
//
//     ; a comment (also "#")
//     [cmdNext]
//     ProgID=Corvixes.KroText
//     _extentx=2249
//     _extenty=635
//     tooltip=Go to the next page
//     caption=Next >
//
// One section per control, named by the control's objectName; "ProgID" (any case) names its class and is not
// part of the bag. Every other line is a bag key and its text. Keys and values are trimmed; in a value "\\",
// "\n", "\r", "\t", "\s" (a blank, for leading or trailing ones) and "\uXXXX" (other white space at either end)
// are escapes. Besides the control's own keys a section may hold the host's: "_extentx" and "_extenty" (the
// control's size in HIMETRIC, 0.01 mm), "tooltip", "tag"; the controls neither read nor write them.
class FormFile
{
public:
    QList<FormControl> controls;

    const FormControl *find(const QString &name) const; // names compared without regard to case
    FormControl *find(const QString &name);

    bool parse(const QString &text, QString *error = nullptr);
    QString toText() const;
    bool load(const QString &path, QString *error = nullptr);
    bool save(const QString &path, QString *error = nullptr) const;

    // Size in pixels (96 dpi) from "_extentx"/"_extenty"; an invalid size when either is missing.
    static QSize extentPixels(const PropertyBag &bag);
    static void setExtentPixels(PropertyBag &bag, const QSize &size);
};
