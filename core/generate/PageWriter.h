#pragma once

#include "core/model/MenuSnapshot.h"
#include "core/model/StepResult.h"

#include <optional>

class MenuReader;
class QIODevice;

// Writes the menu page in one of the templates from the snapshot's title and style fields and the menu's
// entries, which are read through the reader while the page is written: a menu of any size takes the memory of one
// row and one piece of output.
class PageWriter
{
public:
    PageWriter(const MenuSnapshot &snapshot, MenuReader &reader);

    // Fails, with the reason, for an unknown template or a menu without entries.
    StepResult check();
    // Checks unless check() already did (the menu is read in one transaction, so the count holds), then writes
    // the whole page into device. A failure part-way leaves part of a page in device.
    StepResult write(QIODevice &device);

    static QString noEntriesText(); // the reason given for a menu without entries

private:
    StepResult counted(); // what check() finds
    StepResult writeModern(QIODevice &device);

    const MenuSnapshot &m_snapshot;
    MenuReader &m_reader;
    std::optional<StepResult> m_checked;
    qint64 m_count = 0; // entries (Standard layouts), or categories up to two (Extended layouts), counted by check()
};
