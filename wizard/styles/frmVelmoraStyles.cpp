// The style on the two style pages: defaults, loading, the style list, the image-page checks and saving.
#include "wizard/frmVelmora.h"

#include "wizard/GeneralPage.h"
#include "wizard/styles/StyleFontsPage.h"
#include "wizard/styles/StyleImagesPage.h"
#include "wizard/styles/Swatch.h"
#include "wizard/WizardErrors.h"
#include "core/data/DataHome.h"
#include "core/data/clsData.h"
#include "core/generate/BuildChecks.h"
#include "core/generate/MenuFolder.h"
#include "core/generate/PathMapping.h"
#include "core/generate/StylesheetWriter.h"
#include "wizard/platform/Notices.h"
#include "core/styles/ColorText.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

namespace {

const QString none = QStringLiteral("none");
const QString newStyle = QStringLiteral("NEW");

struct MediaCheck
{
    QLineEdit *field;
    QString label;
};

} // namespace

StyleFields frmVelmora::styleFields() const
{
    StyleFields style;
    style.styleName = m_images->txtStyleName->text();
    style.backColor = m_images->txtBackgroundColor->text();
    style.backImage = m_images->txtBackImage->text();
    style.soundFile = m_images->txtBSound->text();
    style.logoFile = m_images->txtLogoImage->text();
    style.logoTop = m_images->txtTop->text();
    style.logoLeft = m_images->txtLeft->text();
    style.buttonOnImage = m_images->txtButtonOn->text();
    style.buttonOffImage = m_images->txtButtonOff->text();
    style.titleFont = m_fonts->txtTitleFont->text();
    style.titleColor = m_fonts->txtTitleColor->text();
    style.buttonFont = m_fonts->txtButtonFont->text();
    style.buttonColor = m_fonts->txtBColor->text();
    style.textFont = m_fonts->txtDFont->text();
    style.textColor = m_fonts->txtDColor->text();
    style.hyperFont = m_fonts->txtHFont->text();
    style.hyperColor = m_fonts->txtHColor->text();
    style.hyperColorA = m_fonts->txtHColorActive->text();
    return style;
}

// Everything but the name, in column order.
static void putStyle(StyleImagesPage *images, StyleFontsPage *fonts, const StyleFields &style)
{
    images->txtBackgroundColor->setText(style.backColor);
    images->txtBackImage->setText(style.backImage);
    images->txtBSound->setText(style.soundFile);
    images->txtLogoImage->setText(style.logoFile);
    images->txtTop->setText(style.logoTop);
    images->txtLeft->setText(style.logoLeft);
    images->txtButtonOn->setText(style.buttonOnImage);
    images->txtButtonOff->setText(style.buttonOffImage);
    fonts->txtTitleFont->setText(style.titleFont);
    fonts->txtTitleColor->setText(style.titleColor);
    fonts->txtButtonFont->setText(style.buttonFont);
    fonts->txtBColor->setText(style.buttonColor);
    fonts->txtDFont->setText(style.textFont);
    fonts->txtDColor->setText(style.textColor);
    fonts->txtHFont->setText(style.hyperFont);
    fonts->txtHColor->setText(style.hyperColor);
    fonts->txtHColorActive->setText(style.hyperColorA);
}

void frmVelmora::setStandardStyles()
{
    currentStyleID = 0;
    putStyle(m_images, m_fonts, StyleFields::standard());
    const qint32 grey = 12632256;
    m_fonts->colTitle->setColor(grey);
    m_fonts->colButton->setColor(grey);
    m_fonts->colText->setColor(grey);
    m_fonts->colHyper->setColor(grey);
    m_fonts->colHyperA->setColor(16764689);
}

bool frmVelmora::setStyleData()
{
    const QString text = m_general->cmbStyles->currentText();
    if (text == newStyle) {
        setStandardStyles();
        return true;
    }
    bool ok = false;
    const qint32 id = listId(text, &ok);
    if (!ok) {
        m_context.notices->information(QStringLiteral("Please choose a style from the list!"));
        return false;
    }
    currentStyleID = id;
    rsStyle.reset();
    rsStyle = myData->GetRS(Sql::selectStyle(id), true);
    if (rsStyle->atEnd()) {
        setStandardStyles();
        return true;
    }
    QStringList values;
    for (const QString &column : Sql::styleColumns()) {
        const QVariant value = rsStyle->value(column);
        if (value.isNull()) {
            m_context.notices->information(
                QStringLiteral("The style %1 cannot be used: its %2 is empty.").arg(text, column));
            return false;
        }
        values.append(value.toString());
    }
    const StyleFields style = StyleFields::fromValues(values);
    m_images->txtStyleName->setText(style.styleName);
    putStyle(m_images, m_fonts, style);
    m_fonts->colTitle->setColor(ColorText::getCol(style.titleColor));
    m_fonts->colButton->setColor(ColorText::getCol(style.buttonColor));
    m_fonts->colText->setColor(ColorText::getCol(style.textColor));
    m_fonts->colHyper->setColor(ColorText::getCol(style.hyperColor));
    m_fonts->colHyperA->setColor(ColorText::getCol(style.hyperColorA));
    return true;
}

void frmVelmora::fillStyles()
{
    QComboBox *styles = m_general->cmbStyles;
    styles->clear();
    styles->addItem(newStyle);
    Recordset rows = myData->GetRS(Sql::selectStyles());
    while (!rows.atEnd()) {
        styles->addItem(QStringLiteral("%1: %2")
                            .arg(rows.value(QStringLiteral("StyleID")).toLongLong())
                            .arg(rows.text(QStringLiteral("StyleName"))));
        rows.moveNext();
    }
    rows.close();
    styles->setCurrentIndex(0);
}

bool frmVelmora::validateStyleImages()
{
    const QString name = m_images->txtStyleName->text();
    if (name.isEmpty()) {
        m_context.notices->information(QStringLiteral("Please enter a style name!"));
        return false;
    }
    // The name becomes a folder of the style library; it must not lead out of it.
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name == QLatin1String(".") ||
        name == QLatin1String("..")) {
        m_context.notices->information(
            QStringLiteral("Please enter a style name without \"/\" or \"\\\" that is not \".\" or \"..\"!"));
        return false;
    }
    const QList<MediaCheck> checks = {
        {m_images->txtBackImage, QStringLiteral("Background image")},
        {m_images->txtLogoImage, QStringLiteral("Logo image")},
        {m_images->txtBSound, QStringLiteral("Background sound")},
        {m_images->txtButtonOff, QStringLiteral("Button Off image")},
        {m_images->txtButtonOn, QStringLiteral("Button On image")},
    };
    QString list;
    for (const MediaCheck &check : checks) {
        const QString path = check.field->text();
        if (path == none || path.isEmpty())
            continue;
        if (!QFileInfo(path).isFile()) {
            list += check.label + QStringLiteral("\r\n");
            check.field->setText(none);
        }
    }
    if (list.isEmpty())
        return true;
    m_context.notices->information(QStringLiteral("Following paths are no longer valid, please correct!\r\n") + list);
    return false;
}

QString frmVelmora::styleFolder() const
{
    return DataHome::styleLibrary(m_context.dataHome) + QLatin1Char('/') + m_images->txtStyleName->text();
}

QString frmVelmora::copyStyleFile(const QString &source)
{
    const QString library = DataHome::styleLibrary(m_context.dataHome);
    const QString folder = styleFolder();
    if (!QDir().mkpath(library) || !QDir().mkpath(folder))
        throw WizardError(QStringLiteral("The style folder %1 cannot be created.").arg(QDir::toNativeSeparators(folder)));
    const QString target = folder + QLatin1Char('/') + getFileName(source);
    // A file already in the library is kept: the style points at it whatever its source.
    if (!QFileInfo::exists(target)) {
        QFile file(source);
        if (!file.copy(target))
            throw WizardError(QStringLiteral("%1 cannot be copied to %2: %3")
                                  .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(target),
                                       file.errorString()));
    }
    return QDir::toNativeSeparators(target);
}

void frmVelmora::saveStyle()
{
    // The stylesheet is checked before anything is copied or stored, so a bad font text changes nothing.
    QString error;
    if (!StylesheetWriter::text(styleFields(), &error))
        throw WizardError(error);

    const QList<QLineEdit *> media = {m_images->txtButtonOn, m_images->txtButtonOff, m_images->txtBackImage,
                                      m_images->txtLogoImage, m_images->txtBSound};
    QStringList before;
    for (QLineEdit *field : media)
        before.append(field->text());
    // Media that would land on the stylesheet or on each other are refused before anything is copied.
    if (const StepResult distinct = BuildChecks::media(before, false); !distinct)
        throw WizardError(distinct.error);
    const auto restore = [&] {
        for (int i = 0; i < media.size(); ++i)
            media.at(i)->setText(before.at(i));
    };

    try {
        // An emptied media field means no file, as "none" does.
        for (QLineEdit *field : media) {
            if (field->text().isEmpty())
                field->setText(none);
        }
        QStringList copies;
        for (QLineEdit *field : media)
            copies.append(field->text() == none ? none : copyStyleFile(field->text()));
        for (int i = 0; i < media.size(); ++i)
            media.at(i)->setText(copies.at(i));
        for (QLineEdit *field : media) {
            if (field->text() == none)
                continue;
            const StepResult copied = MenuFolder::copyToMenuFolder(rootPath, field->text());
            if (!copied)
                throw WizardError(copied.error);
        }
    } catch (...) {
        restore();
        throw;
    }

    const bool isNew = m_general->cmbStyles->currentText() == newStyle && currentStyleID == 0;
    // A listed style whose row has vanished was put on the pages with the defaults: it is stored anew.
    const bool vanished = rsStyle && rsStyle->atEnd() && currentStyleID == 0;
    if (isNew || vanished) {
        myData->ExecuteSQL(Sql::insertStyle(styleFields().values()));
        Recordset last = myData->GetRS(Sql::selectLastStyleId());
        currentStyleID = qint32(last.value(QStringLiteral("lastid")).toLongLong());
        last.close();
        rsStyle.reset();
        refreshData();
    } else if (rsStyle) {
        const QStringList values = styleFields().values();
        const QStringList &columns = Sql::styleColumns();
        for (int i = 1; i < columns.size(); ++i)
            rsStyle->setValue(columns.at(i), values.at(i));
        rsStyle->updateBatch();
        rsStyle->close();
        rsStyle.reset();
    }

    const StepResult written = StylesheetWriter::write(rootPath, styleFields());
    if (!written)
        throw WizardError(written.error);
    saveMenuRecord();
}
