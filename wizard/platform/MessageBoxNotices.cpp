#include "wizard/platform/MessageBoxNotices.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

// The texts carry CR LF line breaks; a message box wants plain line feeds.
QString displayed(const QString &text)
{
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return result;
}

} // namespace

void MessageBoxNotices::information(const QString &text)
{
    QMessageBox box(QMessageBox::Information, title(), displayed(text), QMessageBox::Ok, m_parent);
    box.exec();
}

bool MessageBoxNotices::question(const QString &text)
{
    QMessageBox box(QMessageBox::Question, title(), displayed(text), QMessageBox::Yes | QMessageBox::No, m_parent);
    return box.exec() == QMessageBox::Yes;
}

int MessageBoxNotices::choose(const QString &text, const QStringList &buttons)
{
    QMessageBox box(QMessageBox::Question, title(), displayed(text), QMessageBox::NoButton, m_parent);
    QList<QPushButton *> made;
    for (int i = 0; i < buttons.size(); ++i) {
        const bool last = i == buttons.size() - 1;
        made.append(box.addButton(buttons.at(i), last ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
        made.last()->setObjectName(QStringLiteral("cmdChoice%1").arg(i));
    }
    if (!made.isEmpty())
        box.setDefaultButton(made.first());
    box.exec();
    const int chosen = int(made.indexOf(qobject_cast<QPushButton *>(box.clickedButton())));
    return chosen < 0 ? int(buttons.size()) - 1 : chosen;
}

void MessageBoxNotices::plain(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title(), displayed(text), QMessageBox::Ok, m_parent);
    box.exec();
}

void MessageBoxNotices::plainTitled(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, programTitle(), displayed(text), QMessageBox::Ok, m_parent);
    box.exec();
}
