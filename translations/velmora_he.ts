<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>ModernPage</name>
    <message>
        <source>Search</source>
        <translation>חיפוש</translation>
    </message>
    <message>
        <source>Title, description, file or type</source>
        <translation>כותרת, תיאור, קובץ או סוג</translation>
    </message>
    <message>
        <source>1 entry</source>
        <translation>פריט אחד</translation>
    </message>
    <message>
        <source>%1 entries</source>
        <translation>%1 פריטים</translation>
    </message>
    <message>
        <source>%1 of %2 entries</source>
        <translation>%1 מתוך %2 פריטים</translation>
    </message>
    <message>
        <source>No entry matches your search.</source>
        <translation>אף פריט אינו תואם את החיפוש.</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>ניקוי החיפוש</translation>
    </message>
    <message>
        <source>Skip to the entries</source>
        <translation>דילוג לפריטים</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>קטגוריות</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>entries without a category</comment>
        <translation>אחר</translation>
    </message>
    <message>
        <source>Document</source>
        <comment>kind of file</comment>
        <translation>מסמך</translation>
    </message>
    <message>
        <source>Archive</source>
        <comment>kind of file</comment>
        <translation>ארכיון</translation>
    </message>
    <message>
        <source>Program</source>
        <comment>kind of file</comment>
        <translation>תוכנה</translation>
    </message>
    <message>
        <source>Image</source>
        <comment>kind of file</comment>
        <translation>תמונה</translation>
    </message>
    <message>
        <source>Audio</source>
        <comment>kind of file</comment>
        <translation>שמע</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>kind of file</comment>
        <translation>וידאו</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>kind of file</comment>
        <translation>אחר</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>בית אחד</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 בתים</translation>
    </message>
    <message>
        <source>KB</source>
        <comment>kibibytes</comment>
        <translation>ק״ב</translation>
    </message>
    <message>
        <source>MB</source>
        <comment>mebibytes</comment>
        <translation>מ״ב</translation>
    </message>
    <message>
        <source>GB</source>
        <comment>gibibytes</comment>
        <translation>ג״ב</translation>
    </message>
    <message>
        <source>TB</source>
        <comment>tebibytes</comment>
        <translation>ט״ב</translation>
    </message>
    <message>
        <source>PB</source>
        <comment>pebibytes</comment>
        <translation>פ״ב</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>הפעלת הצליל</translation>
    </message>
    <message>
        <source>Pause sound</source>
        <translation>השהיית הצליל</translation>
    </message>
    <message>
        <source>Open the sound</source>
        <translation>פתיחת הצליל</translation>
    </message>
    <message>
        <source>Full-size screenshot: %1</source>
        <translation>צילום מסך בגודל מלא: %1</translation>
    </message>
    <message>
        <source>%1: a menu of %2</source>
        <translation>%1: תפריט של %2</translation>
    </message>
    <message>
        <source>Made with Velmora</source>
        <translation>נוצר באמצעות Velmora</translation>
    </message>
    <message>
        <source>Links are printed after each entry.</source>
        <translation>הקישורים מודפסים אחרי כל פריט.</translation>
    </message>
</context>
</TS>
