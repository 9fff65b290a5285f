#include "core/platform/ReplacingFile.h"
#include "core/platform/ReplacingFileDevice.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// The file that replaces an earlier one only once complete, and the device that writes into it from a thread.
class TestReplacingFile : public QObject
{
    Q_OBJECT

private slots:
    void abandonedReplacementKeepsTheEarlierFile();
    void deviceWritesEveryPieceInOrder();
    void deviceReportsAFailedFile();

private:
    static QByteArray readAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot read)");
    }
    static QStringList filesIn(const QString &folder)
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
};

void TestReplacingFile::abandonedReplacementKeepsTheEarlierFile()
{
    QTemporaryDir cd;
    const QString target = cd.filePath(QStringLiteral("Index.htm"));
    {
        QFile earlier(target);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier page");
    }
    {
        ReplacingFile file(target);
        QVERIFY(file.open());
        QVERIFY(file.write("half a pa", 9));
        QCOMPARE(filesIn(cd.path()).size(), 2);
        // A step that fails returns without committing.
    }
    QCOMPARE(readAll(target), QByteArray("earlier page"));
    QCOMPARE(filesIn(cd.path()), QStringList{QStringLiteral("Index.htm")});

    // Once failed, nothing more is written and nothing is committed.
    ReplacingFile file(cd.filePath(QStringLiteral("missing folder/Index.htm")));
    const StepResult opened = file.open();
    QVERIFY(!opened);
    QVERIFY(!opened.error.isEmpty());
    QCOMPARE(file.write("x", 1).error, opened.error);
    QCOMPARE(file.commit().error, opened.error);
    QCOMPARE(filesIn(cd.path()), QStringList{QStringLiteral("Index.htm")});
}

void TestReplacingFile::deviceWritesEveryPieceInOrder()
{
    // Far more pieces than may wait at a time, of different sizes.
    QTemporaryDir cd;
    const QString target = cd.filePath(QStringLiteral("Index.htm"));
    ReplacingFile file(target);
    QVERIFY(file.open());
    QByteArray expected;
    {
        ReplacingFileDevice device(file);
        for (int i = 0; i < 500; ++i) {
            const QByteArray piece = QByteArray::number(i) + QByteArray(i % 97, char('a' + i % 26)) + "\r\n";
            QCOMPARE(device.write(piece), qint64(piece.size()));
            expected += piece;
        }
        QVERIFY(device.finish());
    }
    QVERIFY(file.commit());
    QCOMPARE(readAll(target), expected);
}

void TestReplacingFile::deviceReportsAFailedFile()
{
    QTemporaryDir cd;
    ReplacingFile file(cd.filePath(QStringLiteral("missing folder/Index.htm")));
    const StepResult opened = file.open();
    QVERIFY(!opened);
    ReplacingFileDevice device(file);
    // The first piece is taken before the writer finds the file failed; once it has, the device refuses more.
    QCOMPARE(device.write("piece", 5), qint64(5));
    QCOMPARE(device.finish().error, opened.error);
    QCOMPARE(device.write("piece", 5), qint64(-1));
}

QTEST_GUILESS_MAIN(TestReplacingFile)
#include "tst_replacingfile.moc"
