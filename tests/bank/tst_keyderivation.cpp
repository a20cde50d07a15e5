// The bank key's PBKDF2 against the published test vectors of RFC 6070 (HMAC-SHA1) and of
// RFC 7914 (HMAC-SHA256), including a key longer than one hash and a salt with a zero byte.
#include "bank/keyderivation.h"

#include <QTest>

class TestKeyDerivation : public QObject {
    Q_OBJECT

private slots:
    void vectors_data();
    void vectors();
};

void TestKeyDerivation::vectors_data() {
    QTest::addColumn<int>("hash");
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QByteArray>("salt");
    QTest::addColumn<int>("iterations");
    QTest::addColumn<QByteArray>("expected"); // hex
    const int sha1 = QCryptographicHash::Sha1, sha256 = QCryptographicHash::Sha256;
    QTest::newRow("one iteration") << sha1 << QByteArray("password") << QByteArray("salt") << 1
                                   << QByteArray("0c60c80f961f0e71f3a9b524af6012062fe037a6");
    QTest::newRow("two iterations") << sha1 << QByteArray("password") << QByteArray("salt") << 2
                                    << QByteArray("ea6c014dc72d6f8ccd1ed92ace1d41f0d8de8957");
    QTest::newRow("4096 iterations") << sha1 << QByteArray("password") << QByteArray("salt") << 4096
                                     << QByteArray("4b007901b765489abead49d926f721d065a429c1");
    QTest::newRow("longer than one hash")
        << sha1 << QByteArray("passwordPASSWORDpassword")
        << QByteArray("saltSALTsaltSALTsaltSALTsaltSALTsalt") << 4096
        << QByteArray("3d2eec4fe41c849b80c8d83662c0e44a8b291a964cf2f07038");
    QTest::newRow("zero bytes") << sha1 << QByteArray("pass\0word", 9) << QByteArray("sa\0lt", 5)
                                << 4096 << QByteArray("56fa6aa75548099dcc37d7f03425e0c3");
    QTest::newRow("sha256, two blocks")
        << sha256 << QByteArray("passwd") << QByteArray("salt") << 1
        << QByteArray("55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc"
                      "49ca9cccf179b645991664b39d77ef317c71b845b1e30bd509112041d3a19783");
}

void TestKeyDerivation::vectors() {
    QFETCH(int, hash);
    QFETCH(QByteArray, password);
    QFETCH(QByteArray, salt);
    QFETCH(int, iterations);
    QFETCH(QByteArray, expected);
    const QByteArray key = bank::pbkdf2(QCryptographicHash::Algorithm(hash), password, salt,
                                        iterations, int(expected.size() / 2));
    QCOMPARE(key.toHex(), expected);
}

QTEST_GUILESS_MAIN(TestKeyDerivation)
#include "tst_keyderivation.moc"
