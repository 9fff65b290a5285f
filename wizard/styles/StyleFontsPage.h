#pragma once

#include "wizard/WizardPage.h"

class QLineEdit;
class Swatch;

// Page 3, "Styles / fonts": the fonts and colours of the title, the buttons, the text and the hyperlinks.
class StyleFontsPage : public WizardPage
{
    Q_OBJECT

public:
    StyleFontsPage(FormButtons &buttons, QWidget *parent);

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
