#include "wizard/entries/frmFiles.h"

#include "core/data/DataError.h"
#include "wizard/FormButtons.h"
#include "wizard/PageKit.h"
#include "wizard/Twips.h"
#include "wizard/Notices.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>

frmFiles::frmFiles(const QString &databasePath, CorvixHost &controls, Notices &notices, QWidget *parent)
    : QWidget(parent, Qt::Dialog), m_data(databasePath), m_notices(notices)
{
    setObjectName(QStringLiteral("frmFiles"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QCoreApplication::translate("Entries", "  File Descriptions"));
    setFixedSize(twips(4890), twips(4410));

    QLabel *label = PageKit::label(this, QStringLiteral("Label1"), QCoreApplication::translate("Entries", "File title"),
                                   225, 150, 2715, 315);
    m_titles = PageKit::combo(this, QStringLiteral("cmbDesTitle"), 225, 525, 4440, 315);
    PageKit::pair(label, m_titles);
    m_description = new QPlainTextEdit(this);
    m_description->setObjectName(QStringLiteral("txtDesText"));
    m_description->setAccessibleName(QCoreApplication::translate("Entries", "Description"));
    m_description->setTabChangesFocus(true);
    PageKit::place(m_description, 225, 1050, 4440, 2565);

    FormButtons buttons(controls, QStringLiteral(":/frmFiles/frmFiles.frm"));
    QWidget *cancel = buttons.make(QStringLiteral("cmdCancel"), this);
    PageKit::place(cancel, 225, 3825, 1275, 360);
    QWidget *ok = buttons.make(QStringLiteral("cmdOK"), this);
    PageKit::place(ok, 3375, 3825, 1275, 360);
    FormButtons::onClick(cancel, this, [this] { close(); });
    FormButtons::onClick(ok, this, [this] { cmdOK_Click(); });
    setTabOrder(m_titles, m_description);
    setTabOrder(m_description, cancel);
    setTabOrder(cancel, ok);

    connect(m_titles, &QComboBox::activated, this, [this] { showDescription(); });
}

bool frmFiles::Form_Load()
{
    bool noMatch = false;
    if (!strSearch.isEmpty()) {
        try {
            const QStringList found = m_data.titlesLinkingTo(strSearch);
            m_titles->clear();
            noMatch = found.isEmpty();
            m_titles->addItems(found);
        } catch (const DataError &error) {
            m_notices.information(error.message());
            close();
            return false;
        }
    }
    if (m_titles->count() > 0) {
        m_titles->setCurrentIndex(0);
        showDescription();
    }
    if (noMatch) {
        m_notices.information(QCoreApplication::translate("Entries", "Sorry, no matching results"));
        close();
        return false;
    }
    return true;
}

void frmFiles::showDescription()
{
    try {
        const QStringList descriptions = m_data.descriptions(m_titles->currentText());
        if (!descriptions.isEmpty())
            m_description->setPlainText(descriptions.constFirst());
    } catch (const DataError &error) {
        m_notices.information(error.message());
    }
}

void frmFiles::cmdOK_Click()
{
    emit descriptionChosen(m_titles->currentText(), m_description->toPlainText());
    close();
}
