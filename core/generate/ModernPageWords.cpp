#include "core/generate/ModernPageWords.h"

#include "core/model/MenuSnapshot.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>

// The compiled-in translations (translations/CMakeLists.txt); outside any namespace, as Qt's macro needs.
static void initPageWords()
{
    Q_INIT_RESOURCE(page_words);
}

namespace {

struct Phrase
{
    const char *source;
    const char *comment;
};

QString primary(const QString &language)
{
    return language.trimmed().section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

} // namespace

ModernPageWords::ModernPageWords(const QString &language)
{
    initPageWords();
    QTranslator translator;
    const QString wanted = primary(code(language));
    const bool translated = wanted != QLatin1String("en") && !wanted.isEmpty() &&
                            translator.load(QStringLiteral(":/words/velmora_%1.qm").arg(wanted)) &&
                            !translator.translate("ModernPage", "Search").isEmpty();
    m_locale = QLocale(translated ? wanted : QStringLiteral("en"));
    m_locale.setNumberOptions(QLocale::OmitGroupSeparator);
    // The English source where the language has no word for it.
    const auto t = [&](const char *source, const char *disambiguation = nullptr) {
        const QString word = translated ? translator.translate("ModernPage", source, disambiguation) : QString();
        return word.isEmpty() ? QString::fromUtf8(source) : word;
    };
    // A word whose English is the same as another's: "Other" kind, "Other" category.
    const auto word = [&t](const Phrase &phrase) { return t(phrase.source, phrase.comment); };
    search = t(QT_TRANSLATE_NOOP("ModernPage", "Search"));
    searchHint = t(QT_TRANSLATE_NOOP("ModernPage", "Title, description, file or type"));
    entry = t(QT_TRANSLATE_NOOP("ModernPage", "1 entry"));
    entries = t(QT_TRANSLATE_NOOP("ModernPage", "%1 entries"));
    shownOf = t(QT_TRANSLATE_NOOP("ModernPage", "%1 of %2 entries"));
    noResult = t(QT_TRANSLATE_NOOP("ModernPage", "No entry matches your search."));
    clear = t(QT_TRANSLATE_NOOP("ModernPage", "Clear the search"));
    skip = t(QT_TRANSLATE_NOOP("ModernPage", "Skip to the entries"));
    categories = t(QT_TRANSLATE_NOOP("ModernPage", "Categories"));
    otherCategory = word(Phrase QT_TRANSLATE_NOOP3("ModernPage", "Other", "entries without a category"));
    kinds = {word(Phrase QT_TRANSLATE_NOOP3("ModernPage", "Document", "kind of file")),
             word(Phrase QT_TRANSLATE_NOOP3("ModernPage", "Archive", "kind of file")),
             word(Phrase QT_TRANSLATE_NOOP3("ModernPage", "Program", "kind of file")),
             word(Phrase QT_TRANSLATE_NOOP3("ModernPage", "Image", "kind of file")),
             word(Phrase QT_TRANSLATE_NOOP3("ModernPage", "Audio", "kind of file")),
             word(Phrase QT_TRANSLATE_NOOP3("ModernPage", "Video", "kind of file")),
             word(Phrase QT_TRANSLATE_NOOP3("ModernPage", "Other", "kind of file"))};
    byte = t(QT_TRANSLATE_NOOP("ModernPage", "1 byte"));
    bytes = t(QT_TRANSLATE_NOOP("ModernPage", "%1 bytes"));
    units = {word(Phrase QT_TRANSLATE_NOOP3("ModernPage", "KB", "kibibytes")), word(Phrase QT_TRANSLATE_NOOP3("ModernPage", "MB", "mebibytes")),
             word(Phrase QT_TRANSLATE_NOOP3("ModernPage", "GB", "gibibytes")), word(Phrase QT_TRANSLATE_NOOP3("ModernPage", "TB", "tebibytes")),
             word(Phrase QT_TRANSLATE_NOOP3("ModernPage", "PB", "pebibytes"))};
    play = t(QT_TRANSLATE_NOOP("ModernPage", "Play sound"));
    pause = t(QT_TRANSLATE_NOOP("ModernPage", "Pause sound"));
    soundLink = t(QT_TRANSLATE_NOOP("ModernPage", "Open the sound"));
    screenshot = t(QT_TRANSLATE_NOOP("ModernPage", "Full-size screenshot: %1"));
    description = t(QT_TRANSLATE_NOOP("ModernPage", "%1: a menu of %2"));
    madeWith = t(QT_TRANSLATE_NOOP("ModernPage", "Made with Velmora"));
    printed = t(QT_TRANSLATE_NOOP("ModernPage", "Links are printed after each entry."));
}

QString ModernPageWords::number(qint64 value) const
{
    // Grouped by threes in every language, as the page's script groups the counts it writes.
    QString digits = this->digits(value);
    for (int at = int(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(at, m_locale.groupSeparator());
    return digits;
}

QString ModernPageWords::oneDecimal(double value) const
{
    return m_locale.toString(value, 'f', 1);
}

QString ModernPageWords::code(const QString &language)
{
    return MenuLanguage::pageCode(language);
}

bool ModernPageWords::isRightToLeft(const QString &language)
{
    static const QStringList rightToLeft = {QStringLiteral("ar"), QStringLiteral("he"), QStringLiteral("fa"),
                                            QStringLiteral("ur")};
    return rightToLeft.contains(primary(code(language)));
}
