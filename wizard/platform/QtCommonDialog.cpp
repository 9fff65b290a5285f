#include "wizard/platform/QtCommonDialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>

namespace {

QColor toQColor(qint32 ole)
{
    const quint32 v = quint32(ole);
    return QColor(int(v & 0xff), int((v >> 8) & 0xff), int((v >> 16) & 0xff));
}

qint32 fromQColor(const QColor &color)
{
    return qint32(quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16));
}

} // namespace

bool QtCommonDialog::ShowColor()
{
    QColorDialog dialog(toQColor(Color), m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    Color = fromQColor(dialog.selectedColor());
    return true;
}

bool QtCommonDialog::ShowFont()
{
    QFont preset(FontName);
    if (FontSize > 0)
        preset.setPointSizeF(FontSize);
    preset.setBold(FontBold);
    preset.setItalic(FontItalic);
    // A family this system lacks (Arial on many) opens as the family that stands in for it, with its weights;
    // confirmed unchanged, the text keeps the family it named.
    const QString shownFamily = QFontInfo(preset).family();
    preset.setFamily(shownFamily);
    QFontDialog dialog(preset, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QFont chosen = dialog.selectedFont();
    if (FontName.isEmpty() || chosen.family() != shownFamily)
        FontName = chosen.family();
    FontSize = float(chosen.pointSizeF());
    FontBold = chosen.bold();
    FontItalic = chosen.italic();
    return true;
}

bool QtCommonDialog::ShowOpen()
{
    QFileDialog dialog(m_parent);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const QStringList filters = nameFilters(Filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(DefaultExt);
    QString startFolder = InitDir;
    if (startFolder.isEmpty() && !FileName.isEmpty())
        startFolder = QFileInfo(FileName).absolutePath();
    if (!startFolder.isEmpty())
        dialog.setDirectory(startFolder);
    if (!FileName.isEmpty())
        dialog.selectFile(QFileInfo(FileName).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    FileName = dialog.selectedFiles().constFirst();
    return true;
}
