#pragma once

#include "core/generate/MenuSnapshot.h"
#include "core/generate/StepResult.h"

#include <QByteArray>
#include <optional>

class clsData;

// A Modern page from the menu's entries in the database, for the Finish sequence and the command line.
namespace ModernBuild {

// The page's bytes; nothing, with the reason in error, for a menu without entries or a database failure.
std::optional<QByteArray> page(const MenuSnapshot &snapshot, clsData &data, QString *error = nullptr);

// Index.htm under the snapshot's CD root, replaced only once the new page is complete.
StepResult write(const MenuSnapshot &snapshot, clsData &data);

} // namespace ModernBuild
