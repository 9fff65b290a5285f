#pragma once

#include "wizard/WizardPage.h"
#include "wizard/styles/StyleFieldBoxes.h"

class QLineEdit;
class StyleEditor;
class Swatch;
struct StyleFields;

// Page 3, "Styles / fonts": the fonts and colours of the title, the buttons, the text and the hyperlinks.
class StyleFontsPage : public WizardPage
{
    Q_OBJECT

public:
    StyleFontsPage(FormButtons &buttons, StyleEditor &styles, EditState &state, const WizardContext &context,
                   QWidget *parent);

    // Saves the style of both style pages (its files, its row and the menu's record).
    bool leave() override;

    // The page's fields of a style: fonts and colours.
    void showStyle(const StyleFields &style);
    void readStyle(StyleFields &style) const;
    // The colour swatches of title, buttons, text, hyperlinks and active hyperlinks.
    void setSwatches(qint32 title, qint32 button, qint32 text, qint32 hyper, qint32 hyperActive);

private:
    std::vector<StyleFieldBox> fieldBoxes() const;
    void connectPickers();

    StyleEditor &m_styles;
    QLineEdit *txtTitleFont;
    QWidget *cmdTFont;
    QLineEdit *txtTitleColor;
    Swatch *colTitle;
    QWidget *cmdTColor;
    QLineEdit *txtButtonFont;
    QWidget *cmdBFont;
    QLineEdit *txtBColor;
    Swatch *colButton;
    QWidget *cmdBColor;
    QLineEdit *txtDFont;
    QWidget *cmdDFont;
    QLineEdit *txtDColor;
    Swatch *colText;
    QWidget *cmdDColor;
    QLineEdit *txtHFont;
    QWidget *cmdHFont;
    QLineEdit *txtHColor;
    Swatch *colHyper;
    QWidget *cmdHColor;
    QLineEdit *txtHColorActive;
    Swatch *colHyperA;
    QWidget *cmdHColorActive;
};
