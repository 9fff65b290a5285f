#include "wizard/FinishFeedback.h"

#include "wizard/Notices.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProgressBar>
#include <QProgressDialog>

AfterFinish askAfterFinish(Notices &notices, const QString &successText)
{
    const int chosen = notices.choose(
        successText + QCoreApplication::translate("Finish", "\r\n\r\nOpen the menu in your browser now?"),
        {QCoreApplication::translate("Finish", "Open in Browser"),
         QCoreApplication::translate("DiscImage", "Make Disc Image…"), QCoreApplication::translate("Finish", "Close")});
    return chosen == 0 ? AfterFinish::OpenInBrowser : chosen == 1 ? AfterFinish::MakeImage : AfterFinish::Close;
}

ImageProgress::ImageProgress(QWidget *parent)
    : m_dialog(new QProgressDialog(QCoreApplication::translate("DiscImage", "Making the disc image…"),
                                   QCoreApplication::translate("DiscImage", "Cancel"), 0, 0, parent))
{
    m_dialog->setObjectName(QStringLiteral("dlgImageProgress"));
    m_dialog->setWindowTitle(Notices::programTitle());
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setAutoReset(false);
    m_dialog->setAutoClose(false);
    m_dialog->setMinimumDuration(0);
    // A title bar shows its title in the system's window font, which is larger than the dialog's own; room for it
    // and the title bar's buttons.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    m_dialog->setMinimumWidth(QFontMetrics(titleFont).horizontalAdvance(m_dialog->windowTitle()) + 200);
    connect(m_dialog, &QProgressDialog::canceled, this, &ImageProgress::canceled);
}

ImageProgress::~ImageProgress()
{
    delete m_dialog;
}

void ImageProgress::show()
{
    m_dialog->show();
}

void ImageProgress::setPercent(int percent)
{
    // The busy bar turns into a percentage with the first figure xorriso gives.
    if (m_dialog->maximum() == 0)
        m_dialog->setRange(0, 100);
    m_dialog->setValue(qBound(0, percent, 100));
}

void ImageProgress::close()
{
    m_dialog->hide();
    // The dialog is gone from the screen before anything else is shown.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
