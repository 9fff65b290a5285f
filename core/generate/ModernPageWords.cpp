#include "core/generate/ModernPageWords.h"

#include "core/generate/MenuSnapshot.h"

#include <QRegularExpression>

namespace {

// UTF-8. English first: it is the fallback.
const ModernPageWords table[] = {
    {"en",
     "Search",
     "Title, description, file or type",
     "1 entry",
     "%1 entries",
     "%1 of %2 entries",
     "No entry matches your search.",
     "Clear the search",
     "Skip to the entries",
     "Categories",
     "Other",
     {"Document", "Archive", "Program", "Image", "Audio", "Video", "Other"},
     "1 byte",
     "%1 bytes",
     {"KB", "MB", "GB", "TB", "PB"},
     '.',
     ",",
     "Play sound",
     "Pause sound",
     "Open the sound",
     "Full-size screenshot: %1",
     "%1: a menu of %2",
     "Made with Velmora",
     "Links are printed after each entry."},
    {"de",
     "Suche",
     "Titel, Beschreibung, Datei oder Art",
     "1 Eintrag",
     "%1 Eintr\xC3\xA4ge",
     "%1 von %2 Eintr\xC3\xA4gen",
     "Kein Eintrag passt zu Ihrer Suche.",
     "Suche l\xC3\xB6schen",
     "Zu den Eintr\xC3\xA4gen springen",
     "Kategorien",
     "Sonstiges",
     {"Dokument", "Archiv", "Programm", "Bild", "Audio", "Video", "Sonstiges"},
     "1 Byte",
     "%1 Bytes",
     {"KB", "MB", "GB", "TB", "PB"},
     ',',
     ".",
     "Ton abspielen",
     "Ton anhalten",
     "Ton \xC3\xB6"
     "ffnen",
     "Bildschirmfoto in voller Gr\xC3\xB6\xC3\x9F"
     "e: %1",
     "%1: ein Men\xC3\xBC mit %2",
     "Erstellt mit Velmora",
     "Die Links stehen hinter jedem Eintrag."},
    {"fr",
     "Recherche",
     "Titre, description, fichier ou type",
     "1 entr\xC3\xA9"
     "e",
     "%1 entr\xC3\xA9"
     "es",
     "%1 sur %2 entr\xC3\xA9"
     "es",
     "Aucune entr\xC3\xA9"
     "e ne correspond \xC3\xA0 votre recherche.",
     "Effacer la recherche",
     "Aller aux entr\xC3\xA9"
     "es",
     "Cat\xC3\xA9gories",
     "Autres",
     {"Document", "Archive", "Programme", "Image", "Audio", "Vid\xC3\xA9o", "Autre"},
     "1 octet",
     "%1 octets",
     {"Ko", "Mo", "Go", "To", "Po"},
     ',',
     "\xE2\x80\xAF",
     "Lire le son",
     "Mettre le son en pause",
     "Ouvrir le son",
     "Capture d\xE2\x80\x99\xC3\xA9"
     "cran en taille r\xC3\xA9"
     "elle\xC2\xA0: %1",
     "%1\xC2\xA0: un menu de %2",
     "Cr\xC3\xA9\xC3\xA9 avec Velmora",
     "Les liens sont imprim\xC3\xA9s apr\xC3\xA8s chaque entr\xC3\xA9"
     "e."},
    {"es",
     "Buscar",
     "T\xC3\xADtulo, descripci\xC3\xB3n, archivo o tipo",
     "1 entrada",
     "%1 entradas",
     "%1 de %2 entradas",
     "Ninguna entrada coincide con su b\xC3\xBAsqueda.",
     "Borrar la b\xC3\xBAsqueda",
     "Ir a las entradas",
     "Categor\xC3\xAD"
     "as",
     "Otros",
     {"Documento", "Archivo comprimido", "Programa", "Imagen", "Audio",
      "V\xC3\xAD"
      "deo",
      "Otro"},
     "1 byte",
     "%1 bytes",
     {"KB", "MB", "GB", "TB", "PB"},
     ',',
     ".",
     "Reproducir el sonido",
     "Pausar el sonido",
     "Abrir el sonido",
     "Captura de pantalla a tama\xC3\xB1o completo: %1",
     "%1: un men\xC3\xBA de %2",
     "Hecho con Velmora",
     "Los enlaces se imprimen tras cada entrada."},
};

QString primary(const QString &language)
{
    return language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

} // namespace

const ModernPageWords &ModernPageWords::of(const QString &language)
{
    const QString wanted = primary(code(language));
    for (const ModernPageWords &words : table) {
        if (wanted == QLatin1String(words.language))
            return words;
    }
    return table[0];
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
