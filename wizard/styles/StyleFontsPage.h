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

    // Takes its fonts and colours into the edit state's style and saves the style (its files, its row and the
    // menu's record).
    bool leave() override;

private:
    // Shows the fonts and colours of the edit state's style, with their swatches.
    void showStyle();
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
