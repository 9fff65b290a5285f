#pragma once

#include "wizard/WizardPage.h"
#include "wizard/styles/StyleFieldBoxes.h"

class QLineEdit;
class Swatch;
struct StyleFields;

// Page 2, "Styles / images": the style's name, background colour, media files and logo position.
class StyleImagesPage : public WizardPage
{
    Q_OBJECT

public:
    StyleImagesPage(FormButtons &buttons, EditState &state, const WizardContext &context, QWidget *parent);

    // Checks the style name and that every media file named is still there.
    bool leave() override;

    // The page's fields of a style: name, background colour, media and logo position.
    void showStyle(const StyleFields &style, bool withName);
    void readStyle(StyleFields &style) const;

private:
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
