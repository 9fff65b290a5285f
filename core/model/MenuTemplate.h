#pragma once

#include <QString>
#include <QStringList>

// The page templates: the four classic ones, then the two Modern ones, in the order of the template list.
namespace MenuTemplate {

inline QString standard()
{
    return QStringLiteral("Standard");
}
inline QString standardScreenshots()
{
    return QStringLiteral("Standard Screenshots");
}
inline QString extended()
{
    return QStringLiteral("Extended");
}
inline QString extendedScreenshots()
{
    return QStringLiteral("Extended Screenshots");
}
inline QStringList names()
{
    return {standard(), standardScreenshots(), extended(), extendedScreenshots()};
}
inline QString modern()
{
    return QStringLiteral("Modern");
}
inline QString modernScreenshots()
{
    return QStringLiteral("Modern Screenshots");
}
inline QStringList modernNames()
{
    return {modern(), modernScreenshots()};
}
inline QStringList allNames()
{
    return names() + modernNames();
}

} // namespace MenuTemplate
