#pragma once

#include "wizard/WizardPage.h"
#include "wizard/styles/StyleFieldBoxes.h"

class QLineEdit;
class StyleEditor;
class Swatch;
struct StyleFields;

// Page 2, "Styles / images": the style's name, background colour, media files and logo position.
class StyleImagesPage : public WizardPage
{
    Q_OBJECT

public:
    StyleImagesPage(FormButtons &buttons, StyleEditor &styles, EditState &state, const WizardContext &context,
                    QWidget *parent);

    // Checks the style name and that every media file named is still there, and takes its fields into the edit
    // state's style.
    bool leave() override;

private:
    // Shows the name (of a style loaded from the list), background colour, media and logo position of the edit
    // state's style.
    void showStyle();
    std::vector<StyleFieldBox> fieldBoxes() const;
    void connectPickers();

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
