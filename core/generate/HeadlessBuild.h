#pragma once

#include "core/generate/StepResult.h"

#include <QString>
#include <QStringList>

class clsData;

// Rebuilds a stored menu's CD root without the window: the style of the menu's StyleNo, its stylesheet and media,
// the page in the menu's template, Index.hta and the two autorun files. Everything that can be checked beforehand
// is checked before the first file is written, so that a refused build leaves the earlier files in place.
class HeadlessBuild
{
public:
    HeadlessBuild(clsData &data, const QString &programFolder);

    // The files written, in order, are in written(); notes() holds remarks that did not stop the build.
    StepResult run(qint64 menuId);

    const QStringList &written() const { return m_written; }
    const QStringList &notes() const { return m_notes; }

private:
    clsData &m_data;
    QString m_programFolder;
    QStringList m_written;
    QStringList m_notes;
};
