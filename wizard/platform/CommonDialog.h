#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The one open-file, colour and font dialog of a window. Its settings stay between uses, so a filter or file name
// that one caller set is still there for the next caller that does not set it. Each show returns false when the
// user cancelled; the settings then stay as they were before the show.
class CommonDialog
{
public:
    virtual ~CommonDialog() = default;

    int Flags = 0;

    // Colour dialog: 0x00BBGGRR.
    qint32 Color = 0;

    // Font dialog.
    QString FontName;
    float FontSize = 0;
    bool FontBold = false;
    bool FontItalic = false;

    // Open-file dialog. Filter pairs a description and a pattern list with "|"
    // ("Pictures (*.jpg;*.gif)|*.jpg;*.gif"); patterns are separated by ";".
    QString FileName;
    QString Filter;
    QString DefaultExt;
    QString InitDir;

    virtual bool ShowColor() = 0;
    virtual bool ShowFont() = 0;
    virtual bool ShowOpen() = 0;

    // "desc|*.a;*.b|desc2|*.c" as name filters for a file dialog ("desc (*.a *.b)").
    static QStringList nameFilters(const QString &filter);
};
