// Values a hostile bank could hold: numbers pasted into SQL and media names made into paths.
#include "core/mediapath.h"
#include "core/wholenumber.h"

#include <QDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestHostileValues : public QObject {
    Q_OBJECT

private slots:
    void wholeNumberText_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("expected"); // null: refused
        QTest::newRow("qint64") << QVariant(qint64(7)) << u"7"_s;
        QTest::newRow("int") << QVariant(12) << u"12"_s;
        QTest::newRow("negative") << QVariant(qint64(-3)) << u"-3"_s;
        QTest::newRow("largest") << QVariant(std::numeric_limits<qint64>::max())
                                 << u"9223372036854775807"_s;
        QTest::newRow("unsigned") << QVariant(quint64(5)) << u"5"_s;
        QTest::newRow("unsigned too big")
            << QVariant(quint64(std::numeric_limits<qint64>::max()) + 1) << QString();
        QTest::newRow("digit text") << QVariant(u"42"_s) << u"42"_s;
        QTest::newRow("leading zeros") << QVariant(u"007"_s) << u"7"_s;
        QTest::newRow("negative text") << QVariant(u"-8"_s) << u"-8"_s;
        QTest::newRow("null") << QVariant() << QString();
        QTest::newRow("empty text") << QVariant(QString()) << QString();
        QTest::newRow("minus only") << QVariant(u"-"_s) << QString();
        QTest::newRow("plus sign") << QVariant(u"+1"_s) << QString();
        QTest::newRow("blank") << QVariant(u" 1"_s) << QString();
        QTest::newRow("trailing blank") << QVariant(u"1 "_s) << QString();
        QTest::newRow("fraction text") << QVariant(u"1.5"_s) << QString();
        QTest::newRow("real") << QVariant(1.0) << QString();
        QTest::newRow("hex") << QVariant(u"0x10"_s) << QString();
        QTest::newRow("exponent") << QVariant(u"1e3"_s) << QString();
        QTest::newRow("injection") << QVariant(u"1) or (1=1"_s) << QString();
        QTest::newRow("statement") << QVariant(u"1; drop table shiti2012"_s) << QString();
        QTest::newRow("comment") << QVariant(u"1--"_s) << QString();
        QTest::newRow("quote") << QVariant(u"1'"_s) << QString();
        QTest::newRow("overflow text") << QVariant(u"99999999999999999999"_s) << QString();
        QTest::newRow("fullwidth digits") << QVariant(u"１２"_s) << QString();
        QTest::newRow("arabic digits") << QVariant(u"٣"_s) << QString();
        QTest::newRow("bool") << QVariant(true) << QString();
        QTest::newRow("bytes") << QVariant(QByteArray("1")) << QString();
    }
    void wholeNumberText() {
        QFETCH(QVariant, value);
        QFETCH(QString, expected);
        const std::optional<QString> text = core::wholeNumberText(value);
        QCOMPARE(text.has_value(), !expected.isNull());
        if (text)
            QCOMPARE(*text, expected);
        if (value.typeId() == QMetaType::QString)
            QCOMPARE(core::isWholeNumber(value.toString()), !expected.isNull());
    }

    void mediaFilePath_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected"); // below <program>/anquanimages; null: refused
        QTest::newRow("bank form") << u"\\12.png"_s << u"12.png"_s;
        QTest::newRow("without separator") << u"12.png"_s << u"12.png"_s;
        QTest::newRow("forward slash") << u"/12.png"_s << u"12.png"_s;
        QTest::newRow("subfolder") << u"\\clips\\a.webm"_s << u"clips/a.webm"_s;
        QTest::newRow("dots in name") << u"\\..a.png"_s << u"..a.png"_s;
        QTest::newRow("chinese") << u"\\标志.png"_s << u"标志.png"_s;
        QTest::newRow("blank inside") << u"\\a b.png"_s << u"a b.png"_s;
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("separator only") << u"\\"_s << QString();
        QTest::newRow("folder") << u"\\sub\\"_s << QString();
        QTest::newRow("parent") << u".."_s << QString();
        QTest::newRow("parent first") << u"\\..\\aqc.dll"_s << QString();
        QTest::newRow("parent slash") << u"../../etc/passwd"_s << QString();
        QTest::newRow("parent inside") << u"\\a\\..\\..\\x.png"_s << QString();
        QTest::newRow("parent last") << u"\\a\\.."_s << QString();
        QTest::newRow("dot") << u"\\.\\x.png"_s << QString();
        QTest::newRow("windows trimmed dots") << u"\\...\\x.png"_s << QString();
        QTest::newRow("dots and blank") << u"\\.. \\x.png"_s << QString();
        QTest::newRow("absolute unix") << u"//etc/passwd"_s << QString();
        QTest::newRow("unc") << u"\\\\server\\share\\x.png"_s << QString();
        QTest::newRow("drive") << u"C:\\Windows\\x.png"_s << QString();
        QTest::newRow("drive relative") << u"C:x.png"_s << QString();
        QTest::newRow("drive after separator") << u"\\d:\\x.png"_s << QString();
        QTest::newRow("stream") << u"\\x.png:secret"_s << QString();
        QTest::newRow("nul") << u"\\x.png"_s + QChar(0) + u".txt"_s << QString();
        QTest::newRow("newline") << u"\\x\n.png"_s << QString();
        QTest::newRow("double separator") << u"\\a\\\\b.png"_s << QString();
    }
    void mediaFilePath() {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        const std::optional<QString> path =
            core::mediaFilePath(u"/opt/safedrive"_s, u"\\anquanimages"_s, name);
        QCOMPARE(path.has_value(), !expected.isNull());
        if (!path)
            return;
        QCOMPARE(QDir::fromNativeSeparators(*path), u"/opt/safedrive/anquanimages/"_s + expected);
        const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(*path));
        QVERIFY(clean.startsWith(u"/opt/safedrive/anquanimages/"_s));
    }

    void mediaFolderFromWindowsStyleProgramFolder() {
        const std::optional<QString> path =
            core::mediaFilePath(u"C:\\Program Files\\sd"_s, u"\\anquanimages2"_s, u"\\1.png"_s);
        QVERIFY(path);
        QCOMPARE(QDir::fromNativeSeparators(*path), u"C:/Program Files/sd/anquanimages2/1.png"_s);
    }
};

QTEST_GUILESS_MAIN(TestHostileValues)
#include "tst_hostilevalues.moc"
