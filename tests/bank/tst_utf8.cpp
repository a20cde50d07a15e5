// The record set's UTF-8 decoding gives exactly what QString::fromUtf8 gives.
#include "bank/utf8.h"

#include <QRandomGenerator>
#include <QTest>

class TestUtf8 : public QObject {
    Q_OBJECT

private slots:
    void sameAsQt_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("ascii") << QByteArray("select 1, \\12.png");
        QTest::newRow("chinese") << QString::fromUtf16(u"机动车驾驶人考试").toUtf8();
        QTest::newRow("mixed") << QString::fromUtf16(u"A. 减速慢行 (50km/h)").toUtf8();
        QTest::newRow("two bytes") << QByteArray("caf\xC3\xA9 \xC2\xA9");
        QTest::newRow("last of three bytes") << QByteArray("\xEF\xBF\xBD\xEF\xBF\xBF");
        QTest::newRow("first of three bytes") << QByteArray("\xE0\xA0\x80");
        QTest::newRow("four bytes") << QByteArray("x\xF0\x9F\x9A\x97y");
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF"
                                                       "abc");
        QTest::newRow("nul inside") << QByteArray("a\0b", 3);
        QTest::newRow("overlong two") << QByteArray("\xC0\x80");
        QTest::newRow("overlong three") << QByteArray("\xE0\x80\xAF");
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80");
        QTest::newRow("cut two") << QByteArray("ab\xC3");
        QTest::newRow("cut three") << QByteArray("ab\xE6\x9C");
        QTest::newRow("lone continuation") << QByteArray("a\x80z");
        QTest::newRow("bad continuation") << QByteArray("\xE6\x41\x42");
        QTest::newRow("invalid lead") << QByteArray("\xFF\xFE");
        QTest::newRow("beyond unicode") << QByteArray("\xF4\x90\x80\x80");
    }
    void sameAsQt() {
        QFETCH(QByteArray, bytes);
        const QString decoded = bank::fromUtf8(bytes.constData(), bytes.size());
        QCOMPARE(decoded, QString::fromUtf8(bytes));
        QCOMPARE(decoded.size(), QString::fromUtf8(bytes).size());
    }

    // Random bytes, weighted towards the lead and continuation bytes of real text.
    void sameAsQtOnRandomBytes() {
        QRandomGenerator random(20261208);
        const uchar pieces[] = {'a',  0x7F, 0x80, 0xBF, 0xC2, 0xDF,
                                0xE0, 0xE6, 0xED, 0xEF, 0xF0, 0xF4};
        for (int round = 0; round < 20000; ++round) {
            QByteArray bytes;
            const int length = random.bounded(12);
            for (int i = 0; i < length; ++i) {
                bytes.append(random.bounded(2) ? char(pieces[random.bounded(int(sizeof pieces))])
                                               : char(random.bounded(256)));
            }
            QCOMPARE(bank::fromUtf8(bytes.constData(), bytes.size()), QString::fromUtf8(bytes));
        }
    }
};

QTEST_GUILESS_MAIN(TestUtf8)
#include "tst_utf8.moc"
