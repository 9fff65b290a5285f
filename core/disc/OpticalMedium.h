#pragma once

#include "core/model/StepResult.h"

#include <QList>
#include <QString>

// An optical drive as xorriso lists it.
struct OpticalDrive
{
    QString device; // "/dev/sr0"
    QString name;   // maker and model, "HL-DT-ST DVDRAM GH24NSD1"

    // The drives in what "xorriso -devices" printed.
    static QList<OpticalDrive> parseList(const QString &output);
};

// The medium in a drive, as "xorriso -outdev DRIVE -toc -tell_media_space" describes it, and whether a menu of a
// given size can be burned onto it.
struct OpticalMedium
{
    enum class State { Missing, Blank, Appendable, Closed };
    // What burning this medium takes.
    enum class Verdict { Burn, BlankFirst };

    QString type; // "CD-R", "DVD+RW", "BD-R sequential recording", "stdio file, overwriteable"
    State state = State::Missing;
    int sessions = 0;
    qint64 dataBytes = 0;    // what the written sessions hold
    qint64 freeSectors = 0;  // what can still be written as it is
    qint64 wholeSectors = 0; // what a rewritable one holds once blanked

    static OpticalMedium parse(const QString &output);

    // Can be blanked or written over.
    bool isRewritable() const;
    // "DVD+RW, blank, 4,700.4 MB free"
    QString shown() const;

    // Whether an image of imageSectors can go on it (straight, or once blanked), and if not, why.
    StepValue<Verdict> verdictFor(qint64 imageSectors) const;
    // For BlankFirst: the question that says what would be lost.
    QString erasingQuestion() const;

private:
    bool mustBlankFirst() const;
};
