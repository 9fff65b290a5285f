#include "core/disc/XorrisoMessages.h"

void XorrisoMessages::clear()
{
    m_pending.clear();
    m_reasons.clear();
    m_lastLines.clear();
}

QStringList XorrisoMessages::add(const QByteArray &bytes)
{
    m_pending += bytes;
    QStringList lines;
    for (qsizetype end; (end = m_pending.indexOf('\n')) >= 0;) {
        const QString line = QString::fromLocal8Bit(m_pending.left(end)).trimmed();
        m_pending.remove(0, end + 1);
        if (line.isEmpty())
            continue;
        if (isReason(line) && m_reasons.size() < 20)
            m_reasons.append(line);
        m_lastLines.append(line);
        if (m_lastLines.size() > 8)
            m_lastLines.removeFirst();
        lines.append(line);
    }
    return lines;
}

QString XorrisoMessages::why() const
{
    return (m_reasons.isEmpty() ? m_lastLines : m_reasons).join(QLatin1Char('\n'));
}

bool XorrisoMessages::isReason(const QString &line)
{
    return (line.contains(QLatin1String("FAILURE")) || line.contains(QLatin1String("SORRY")) ||
            line.contains(QLatin1String("FATAL"))) &&
           !line.contains(QLatin1String("-return_with"));
}
