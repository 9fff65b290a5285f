#pragma once

#include "wizard/WizardPage.h"

class QLineEdit;
class Swatch;

// Page 2, "Styles / images": the style's name, background colour, media files and logo position.
class StyleImagesPage : public WizardPage
{
    Q_OBJECT

public:
    StyleImagesPage(FormButtons &buttons, QWidget *parent);

    QLineEdit *txtStyleName;
    QLineEdit *txtBackgroundColor;
    Swatch *colBack;
    QWidget *cmdPickColor;
    QLineEdit *txtBackImage;
    QWidget *cmdBImage;
    QLineEdit *txtBSound;
    QWidget *cmdBSound;
    QLineEdit *txtLogoImage;
    QWidget *cmdLImage;
    QLineEdit *txtTop;
    QLineEdit *txtLeft;
    QLineEdit *txtButtonOn;
    QWidget *cmdButtonOn;
    QLineEdit *txtButtonOff;
    QWidget *cmdButtonOff;
};
