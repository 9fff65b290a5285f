#include "wizard/PageKit.h"

#include "wizard/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace PageKit {

QLabel *label(QWidget *page, const QString &name, const QString &text, int left, int top, int width, int height)
{
    auto *result = new QLabel(text, page);
    result->setObjectName(name);
    place(result, left, top, width, height);
    return result;
}

QLineEdit *edit(QWidget *page, const QString &name, int left, int top, int width, int height)
{
    auto *result = new QLineEdit(page);
    result->setObjectName(name);
    place(result, left, top, width, height);
    return result;
}

QComboBox *combo(QWidget *page, const QString &name, int left, int top, int width, int height)
{
    auto *result = new QComboBox(page);
    result->setObjectName(name);
    result->setEditable(true);
    result->setInsertPolicy(QComboBox::NoInsert);
    place(result, left, top, width, height);
    return result;
}

void place(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(twipsRect(left, top, width, height));
}

void pair(QLabel *label, QWidget *control)
{
    label->setBuddy(control);
    control->setAccessibleName(label->text());
}

void showControls(QWidget *root, const QString &tag, bool show)
{
    const QList<QWidget *> controls = root->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        const QVariant value = control->property("tag");
        if (value.isValid() && value.toString() == tag)
            control->setVisible(show);
    }
}

int chosenIndex(const QComboBox *box)
{
    return box->findText(box->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

std::optional<qint64> chosenId(const QComboBox *box)
{
    const QVariant id = box->itemData(chosenIndex(box));
    if (!id.isValid())
        return std::nullopt;
    return id.toLongLong();
}

} // namespace PageKit
