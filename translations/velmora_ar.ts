<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>ModernPage</name>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Title, description, file or type</source>
        <translation>العنوان أو الوصف أو الملف أو النوع</translation>
    </message>
    <message>
        <source>1 entry</source>
        <translation>إدخال واحد</translation>
    </message>
    <message>
        <source>%1 entries</source>
        <translation>عدد الإدخالات: %1</translation>
    </message>
    <message>
        <source>%1 of %2 entries</source>
        <translation>النتائج: %1 من %2</translation>
    </message>
    <message>
        <source>No entry matches your search.</source>
        <translation>لا يوجد إدخال يطابق بحثك.</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>مسح البحث</translation>
    </message>
    <message>
        <source>Skip to the entries</source>
        <translation>انتقل إلى الإدخالات</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>الفئات</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>entries without a category</comment>
        <translation>أخرى</translation>
    </message>
    <message>
        <source>Document</source>
        <comment>kind of file</comment>
        <translation>مستند</translation>
    </message>
    <message>
        <source>Archive</source>
        <comment>kind of file</comment>
        <translation>أرشيف</translation>
    </message>
    <message>
        <source>Program</source>
        <comment>kind of file</comment>
        <translation>برنامج</translation>
    </message>
    <message>
        <source>Image</source>
        <comment>kind of file</comment>
        <translation>صورة</translation>
    </message>
    <message>
        <source>Audio</source>
        <comment>kind of file</comment>
        <translation>صوت</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>kind of file</comment>
        <translation>فيديو</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>kind of file</comment>
        <translation>ملف آخر</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>بايت واحد</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 بايت</translation>
    </message>
    <message>
        <source>KB</source>
        <comment>kibibytes</comment>
        <translation>كيلوبايت</translation>
    </message>
    <message>
        <source>MB</source>
        <comment>mebibytes</comment>
        <translation>ميغابايت</translation>
    </message>
    <message>
        <source>GB</source>
        <comment>gibibytes</comment>
        <translation>غيغابايت</translation>
    </message>
    <message>
        <source>TB</source>
        <comment>tebibytes</comment>
        <translation>تيرابايت</translation>
    </message>
    <message>
        <source>PB</source>
        <comment>pebibytes</comment>
        <translation>بيتابايت</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>تشغيل الصوت</translation>
    </message>
    <message>
        <source>Pause sound</source>
        <translation>إيقاف الصوت مؤقتًا</translation>
    </message>
    <message>
        <source>Open the sound</source>
        <translation>فتح الصوت</translation>
    </message>
    <message>
        <source>Full-size screenshot: %1</source>
        <translation>لقطة الشاشة بالحجم الكامل: %1</translation>
    </message>
    <message>
        <source>%1: a menu of %2</source>
        <translation>%1 — قائمة (%2)</translation>
    </message>
    <message>
        <source>Made with Velmora</source>
        <translation>صُنع باستخدام Velmora</translation>
    </message>
    <message>
        <source>Links are printed after each entry.</source>
        <translation>تُطبع الروابط بعد كل إدخال.</translation>
    </message>
</context>
</TS>
