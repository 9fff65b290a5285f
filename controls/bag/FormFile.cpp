#include "controls/bag/FormFile.h"

#include <QFile>
#include <QSaveFile>
#include <QSize>
#include <QStringList>

#include <cmath>

namespace {

const QString ProgIdKey = QStringLiteral("ProgID");

QString escapeValue(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (c == QLatin1Char('\t'))
            out += QLatin1String("\\t");
        else if (c == QLatin1Char(' ') && (i == 0 || i == value.size() - 1))
            out += QLatin1String("\\s");
        else if (c.isSpace() && (i == 0 || i == value.size() - 1))
            // Reading trims every kind of white space from a line's ends; these would be lost.
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

bool unescapeValue(const QString &text, QString *value)
{
    value->clear();
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\\')) {
            *value += c;
            continue;
        }
        if (++i >= text.size())
            return false;
        switch (text.at(i).unicode()) {
        case '\\':
            *value += QLatin1Char('\\');
            break;
        case 'n':
            *value += QLatin1Char('\n');
            break;
        case 'r':
            *value += QLatin1Char('\r');
            break;
        case 't':
            *value += QLatin1Char('\t');
            break;
        case 's':
            *value += QLatin1Char(' ');
            break;
        case 'u': {
            const QString hex = text.mid(i + 1, 4);
            bool ok = false;
            const ushort code = hex.toUShort(&ok, 16);
            if (hex.size() != 4 || !ok)
                return false;
            *value += QChar(code);
            i += 4;
            break;
        }
        default:
            return false;
        }
    }
    return true;
}

bool fail(QString *error, int line, const QString &what)
{
    if (error)
        *error = QStringLiteral("line %1: %2").arg(line).arg(what);
    return false;
}

} // namespace

const FormControl *FormFile::find(const QString &name) const
{
    for (const FormControl &c : controls) {
        if (c.name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

FormControl *FormFile::find(const QString &name)
{
    return const_cast<FormControl *>(static_cast<const FormFile *>(this)->find(name));
}

bool FormFile::parse(const QString &text, QString *error)
{
    QList<FormControl> parsed;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines.at(n).trimmed();
        const int lineNo = n + 1;
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']')))
                return fail(error, lineNo, QStringLiteral("a section name lacks its closing \"]\""));
            const QString name = line.mid(1, line.size() - 2).trimmed();
            if (name.isEmpty())
                return fail(error, lineNo, QStringLiteral("a section has no name"));
            for (const FormControl &c : parsed) {
                if (c.name.compare(name, Qt::CaseInsensitive) == 0)
                    return fail(error, lineNo, QStringLiteral("the control %1 is named twice").arg(name));
            }
            parsed.append(FormControl{name, QString(), PropertyBag()});
            continue;
        }
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            return fail(error, lineNo, QStringLiteral("expected key=value"));
        if (parsed.isEmpty())
            return fail(error, lineNo, QStringLiteral("a key outside any control section"));
        const QString key = line.left(eq).trimmed();
        QString value;
        if (!unescapeValue(line.mid(eq + 1).trimmed(), &value))
            return fail(error, lineNo, QStringLiteral("a bad escape in the value of %1").arg(key));
        if (key.compare(ProgIdKey, Qt::CaseInsensitive) == 0)
            parsed.last().progId = value;
        else
            parsed.last().bag.setValue(key, value);
    }
    for (const FormControl &c : parsed) {
        if (c.progId.isEmpty()) {
            if (error)
                *error = QStringLiteral("the control %1 has no ProgID").arg(c.name);
            return false;
        }
    }
    controls = parsed;
    return true;
}

QString FormFile::toText() const
{
    QString out;
    for (const FormControl &c : controls) {
        if (!out.isEmpty())
            out += QLatin1Char('\n');
        out += QLatin1Char('[') + c.name + QLatin1String("]\n");
        out += ProgIdKey + QLatin1Char('=') + c.progId + QLatin1Char('\n');
        for (const QString &key : c.bag.keys())
            out += key + QLatin1Char('=') + escapeValue(c.bag.value(key)) + QLatin1Char('\n');
    }
    return out;
}

bool FormFile::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QString parseError;
    if (!parse(QString::fromUtf8(file.readAll()), &parseError)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, parseError);
        return false;
    }
    return true;
}

bool FormFile::save(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toText().toUtf8()) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

QSize FormFile::extentPixels(const PropertyBag &bag)
{
    if (!bag.contains(QStringLiteral("_extentx")) || !bag.contains(QStringLiteral("_extenty")))
        return QSize();
    const double w = bag.readFloat(QStringLiteral("_extentx"), -1);
    const double h = bag.readFloat(QStringLiteral("_extenty"), -1);
    if (w < 0 || h < 0)
        return QSize();
    // 2540 HIMETRIC units are one inch, 96 pixels.
    return QSize(int(std::lround(w * 96.0 / 2540.0)), int(std::lround(h * 96.0 / 2540.0)));
}

void FormFile::setExtentPixels(PropertyBag &bag, const QSize &size)
{
    bag.writeInt(QStringLiteral("_extentx"), int(std::lround(size.width() * 2540.0 / 96.0)));
    bag.writeInt(QStringLiteral("_extenty"), int(std::lround(size.height() * 2540.0 / 96.0)));
}
