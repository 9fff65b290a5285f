#include "wizard/platform/MessageBoxNotices.h"

#include <QMessageBox>

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
