#pragma once

#include "core/model/StepResult.h"

#include "core/model/MenuSnapshot.h"

#include <QString>
#include <optional>

class AnsiText;
class MenuReader;

// The four classic templates: a page for Internet Explorer whose buttons show an entry (Standard) or a category
// (Extended) in a panel beside them, with or without screenshots.
namespace ClassicPage {

enum class Layout { Standard, StandardScreenshots, Extended, ExtendedScreenshots };

// Nothing for a template that is not one of the four.
std::optional<Layout> layoutOf(const QString &templateName);
bool isStandard(Layout layout);

// Writes the page into out from the menu's entries, read as they are written. count is the menu's entries for a
// Standard page, its categories (up to two) for an Extended one. Fails when the page may not be used: an entry
// links outside the CD root. A failing query throws DataError.
StepResult write(const MenuSnapshot &snapshot, Layout layout, MenuReader &reader, AnsiText &out, qint64 count);

} // namespace ClassicPage
