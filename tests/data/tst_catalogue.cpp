// Reading the media catalogue: the entries it accepts and the lines it refuses.
#include "catalogue.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QString writeCatalogue(const QTemporaryDir &dir, const QByteArray &text) {
    const QString path = dir.filePath(u"catalogue.txt"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write the test catalogue");
    return path;
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void readsEntries() {
        QTemporaryDir dir;
        const QString path =
            writeCatalogue(dir, "# heading\n\n"
                                "picture sign_stop.png 停车让行\n"
                                "clip clip_fog.webm 雾天开雾灯、低速行驶\n"
                                "  picture mark_zebra.png  人行横道线 with spaces  \n");
        QString error;
        const auto entries = mediagen::readCatalogue(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(entries.size(), size_t(3));
        QCOMPARE(entries[0].kind, u"picture"_s);
        QCOMPARE(entries[0].caption, u"停车让行"_s);
        QCOMPARE(entries[1].name, u"clip_fog.webm"_s);
        QCOMPARE(entries[2].caption, u"人行横道线 with spaces"_s);
        QCOMPARE(mediagen::namesOfKind(entries, u"picture"_s),
                 (QStringList{u"sign_stop.png"_s, u"mark_zebra.png"_s}));
        QCOMPARE(mediagen::namesOfKind(entries, u"clip"_s), QStringList{u"clip_fog.webm"_s});
    }

    void refusesBadLines_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        QTest::newRow("picture with a clip's suffix") << QByteArray("picture a.webm A\n") << 1;
        QTest::newRow("clip with a picture's suffix") << QByteArray("# c\nclip a.png A\n") << 2;
        QTest::newRow("unknown kind") << QByteArray("movie a.webm A\n") << 1;
        QTest::newRow("no caption") << QByteArray("picture a.png\n") << 1;
        QTest::newRow("name twice")
            << QByteArray("picture a.png A\npicture b.png B\npicture a.png C\n") << 3;
        QTest::newRow("same name as picture and clip")
            << QByteArray("clip a.webm A\nclip a.webm B\n") << 2;
    }
    void refusesBadLines() {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        QTemporaryDir dir;
        QString error;
        QVERIFY(mediagen::readCatalogue(writeCatalogue(dir, text), &error).empty());
        QVERIFY2(error.contains(u":%1:"_s.arg(line)), qPrintable(error));
    }

    void missingFileIsAnError() {
        QTemporaryDir dir;
        QString error;
        QVERIFY(mediagen::readCatalogue(dir.filePath(u"none.txt"_s), &error).empty());
        QVERIFY(error.contains(u"none.txt"_s));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
