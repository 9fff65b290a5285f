#pragma once

#include <QString>

class CommonDialog;
class Notices;
class QLineEdit;
class Swatch;

// The fifteen pickers of the style pages: each fills its text box (and a colour its swatch) through the window's
// shared common dialog; each style page connects its own. A cancelled dialog changes nothing.
namespace StylePickers {

// True when the user confirmed the dialog and the box was rewritten.
bool pickColor(CommonDialog &cdlg, Notices &notices, QLineEdit *box, Swatch *swatch);
bool pickFont(CommonDialog &cdlg, QLineEdit *box);
bool pickFile(CommonDialog &cdlg, QLineEdit *box, const QString &defaultExt, const QString &filter);

QString pictureFilter(); // "Pictures (*.jpg;*.gif)|*.jpg;*.gif"
QString soundFilter();   // "Sounds (*.wav;*.mp3)|*.wav;*.mp3": the HTA host may not play a .wav

} // namespace StylePickers
