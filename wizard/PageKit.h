#pragma once

#include <QString>
#include <optional>

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
// The entry an editable list box shows: the one whose text is exactly the box's text; -1 when a text typed names none.
int chosenIndex(const QComboBox *box);
// The id that the entry the box shows keeps as its data; none when the text names no entry or the entry keeps no id.
std::optional<qint64> chosenId(const QComboBox *box);

} // namespace PageKit
