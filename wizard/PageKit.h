#pragma once

#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

// Small helpers that place a page's controls at their twip positions.
namespace PageKit {

QLabel *label(QWidget *page, const QString &name, const QString &text, int left, int top, int width, int height);
QLineEdit *edit(QWidget *page, const QString &name, int left, int top, int width, int height);
QComboBox *combo(QWidget *page, const QString &name, int left, int top, int width, int height);
void place(QWidget *control, int left, int top, int width, int height);
// The label names the control for the keyboard and for assistive technology.
void pair(QLabel *label, QWidget *control);
// Shows or hides every control under root whose "tag" property is exactly tag.
void showControls(QWidget *root, const QString &tag, bool show);
// The ID of a list entry "ID: text": the whole number before its first ":"; ok is false when there is none.
qint32 listId(const QString &text, bool *ok);

} // namespace PageKit
