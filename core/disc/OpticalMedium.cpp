#include "core/disc/OpticalMedium.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

QString megabytes(qint64 bytes)
{
    return QCoreApplication::translate("DiscBurn", "%1 MB").arg(double(bytes) / 1e6, 0, 'f', 1);
}

// xorriso's sizes: "3302k", "289m", "4.3g", or bytes.
qint64 sizeOf(const QString &text)
{
    static const QRegularExpression size(QStringLiteral("^([0-9.]+)([kmgt]?)$"));
    const QRegularExpressionMatch match = size.match(text.trimmed());
    if (!match.hasMatch())
        return 0;
    const double factor = QStringLiteral("kmgt").indexOf(match.captured(2)) + 1;
    double value = match.captured(1).toDouble();
    for (int i = 0; i < factor && !match.captured(2).isEmpty(); ++i)
        value *= 1024;
    return qint64(value);
}

} // namespace

QList<OpticalDrive> OpticalDrive::parseList(const QString &output)
{
    // 0  -dev '/dev/sr0' rwrw-- :  'HL-DT-ST' 'DVDRAM GH24NSD1'
    static const QRegularExpression line(QStringLiteral("-dev '([^']+)'\\s+\\S+\\s*:\\s*'([^']*)'\\s*'([^']*)'"));
    QList<OpticalDrive> drives;
    for (const QString &text : output.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = line.match(text);
        if (match.hasMatch())
            drives.append({match.captured(1),
                           (match.captured(2).trimmed() + QLatin1Char(' ') + match.captured(3).trimmed()).trimmed()});
    }
    return drives;
}

OpticalMedium OpticalMedium::parse(const QString &output)
{
    static const QRegularExpression field(QStringLiteral("^(Media current|Media status|Media summary|Media blocks|"
                                                         "Media space)\\s*:\\s*(.*)$"),
                                          QRegularExpression::MultilineOption);
    static const QRegularExpression summary(
        QStringLiteral("([0-9]+) sessions?, [0-9]+ data blocks?,\\s*([0-9.]+[kmgt]?) data"));
    static const QRegularExpression blocks(QStringLiteral("([0-9]+) overall"));
    static const QRegularExpression space(QStringLiteral("^([0-9]+)s"));
    OpticalMedium medium;
    bool present = false;
    for (auto it = field.globalMatch(output); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString name = match.captured(1);
        const QString value = match.captured(2).trimmed();
        if (name == QLatin1String("Media current")) {
            medium.type = value;
            present = !value.startsWith(QLatin1String("is not present")) && value != QLatin1String("none");
        } else if (name == QLatin1String("Media status")) {
            if (value.contains(QLatin1String("blank")))
                medium.state = State::Blank;
            else if (value.contains(QLatin1String("appendable")))
                medium.state = State::Appendable;
            else if (value.contains(QLatin1String("closed")) || value.contains(QLatin1String("written")))
                medium.state = State::Closed;
        } else if (name == QLatin1String("Media summary")) {
            const QRegularExpressionMatch found = summary.match(value);
            medium.sessions = found.captured(1).toInt();
            medium.dataBytes = sizeOf(found.captured(2));
        } else if (name == QLatin1String("Media blocks")) {
            medium.wholeSectors = blocks.match(value).captured(1).toLongLong();
        } else if (name == QLatin1String("Media space")) {
            medium.freeSectors = space.match(value).captured(1).toLongLong();
        }
    }
    if (!present)
        medium.state = State::Missing;
    if (medium.wholeSectors < medium.freeSectors)
        medium.wholeSectors = medium.freeSectors;
    return medium;
}

bool OpticalMedium::isRewritable() const
{
    static const QRegularExpression rewritable(QStringLiteral("RW|BD-RE|RAM|overwrit"));
    return rewritable.match(type).hasMatch();
}

QString OpticalMedium::shown() const
{
    QString state;
    switch (this->state) {
    case State::Missing:
        return QCoreApplication::translate("DiscBurn", "no disc");
    case State::Blank:
        state = QCoreApplication::translate("DiscBurn", "blank");
        break;
    case State::Appendable:
        state = QCoreApplication::translate("DiscBurn", "appendable");
        break;
    case State::Closed:
        state = QCoreApplication::translate("DiscBurn", "closed");
        break;
    }
    return QCoreApplication::translate("DiscBurn", "%1, %2, %3 free").arg(type, state, megabytes(freeSectors * 2048));
}

StepValue<OpticalMedium::Verdict> OpticalMedium::verdictFor(qint64 imageSectors) const
{
    const auto refuse = [](const QString &why) { return StepValue<Verdict>::failure(why); };
    if (state == State::Missing)
        return refuse(QCoreApplication::translate("DiscBurn", "There is no disc in the drive."));
    if (type.contains(QLatin1String("ROM")))
        return refuse(
            QCoreApplication::translate("DiscBurn", "The disc in the drive (%1) cannot be written.").arg(type));
    if (state == State::Closed && !isRewritable())
        return refuse(
            QCoreApplication::translate("DiscBurn", "The %1 in the drive is closed: nothing more can be written on it.")
                .arg(type));
    const bool blankFirst = mustBlankFirst();
    const qint64 room = blankFirst ? wholeSectors : freeSectors;
    if (imageSectors > room)
        return refuse(QCoreApplication::translate("DiscBurn", "The menu needs %1, but the %2 in the drive has only %3 "
                                                              "free.")
                          .arg(megabytes(imageSectors * 2048), type, megabytes(room * 2048)));
    return StepValue<Verdict>::made(blankFirst ? Verdict::BlankFirst : Verdict::Burn);
}

bool OpticalMedium::mustBlankFirst() const
{
    // A rewritable disc with data is written from its start: what it holds is lost either way.
    return state != State::Blank && isRewritable();
}

QString OpticalMedium::erasingQuestion() const
{
    return QCoreApplication::translate("DiscBurn", "The %1 in the drive holds %2 of data. Burning the menu "
                                                   "erases all of it. Erase the disc and burn?")
        .arg(type, megabytes(dataBytes));
}
