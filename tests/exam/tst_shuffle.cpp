// The shuffles behind paper composition: permutations, uniformity, reseeding, id lists.
#include "core/error.h"
#include "trainer/idlist.h"

#include <QTest>

#include <algorithm>
#include <numeric>

using namespace Qt::Literals::StringLiterals;
using trainer::ShuffleRandom;

namespace {

// Seeds 'first', 'first + 1', ... : a fixed, repeatable run that still changes at every reseed.
ShuffleRandom countingRandom(quint64 first) {
    return ShuffleRandom([next = first]() mutable { return next++; });
}

QList<int> range(int n) {
    QList<int> values(n);
    std::iota(values.begin(), values.end(), 0);
    return values;
}

// Pearson's statistic of observed counts against one common expected count.
double chiSquare(const QList<int> &observed, double expected) {
    double sum = 0;
    for (int o : observed)
        sum += (o - expected) * (o - expected) / expected;
    return sum;
}

// How often each element lands at each position over many shuffles of 0..n-1, as one statistic
// with (n-1)^2 degrees of freedom.
template <class Shuffle> double positionChiSquare(int n, int trials, Shuffle shuffle) {
    QList<int> counts(n * n, 0);
    for (int t = 0; t < trials; ++t) {
        const QList<int> r = shuffle(range(n));
        for (int position = 0; position < n; ++position)
            ++counts[position * n + r[position]];
    }
    return chiSquare(counts, double(trials) / n);
}

// Upper 0.1% point of the chi-square distribution.
constexpr double kChiSquare16 = 39.25; // 16 degrees of freedom

} // namespace

class ShuffleTest : public QObject {
    Q_OBJECT

private slots:
    void shuffleArrayIsAPermutation_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<quint64>("seed");
        QTest::newRow("empty") << 0 << quint64(1);
        QTest::newRow("one") << 1 << quint64(2);
        QTest::newRow("two") << 2 << quint64(3);
        QTest::newRow("a chapter's quota") << 10 << quint64(4);
        QTest::newRow("the 45 chapter questions") << 45 << quint64(5);
        QTest::newRow("a large pool") << 5000 << quint64(6);
    }
    void shuffleArrayIsAPermutation() {
        QFETCH(int, size);
        QFETCH(quint64, seed);
        ShuffleRandom random = countingRandom(seed);
        QList<int> shuffled = trainer::ShuffleArray(range(size), random);
        std::sort(shuffled.begin(), shuffled.end());
        QCOMPARE(shuffled, range(size));
    }

    void everyPositionIsEquallyLikely() {
        ShuffleRandom random = countingRandom(100);
        const double statistic = positionChiSquare(
            5, 20000, [&](QList<int> a) { return trainer::ShuffleArray(std::move(a), random); });
        QVERIFY2(statistic < kChiSquare16, qPrintable(QString::number(statistic)));
    }

    // The bound above is sharp enough to reject a shuffle that never leaves an element in place
    // (the draw taken from 0..u-1 instead of 0..u).
    void theUniformityBoundRejectsABiasedShuffle() {
        ShuffleRandom random = countingRandom(100);
        const auto biased = [&](QList<int> a) {
            QList<int> r;
            while (a.size() > 1) {
                const qsizetype u = a.size() - 1;
                const auto k = qsizetype(random.next() * double(u));
                r.append(a[k]);
                a[k] = a[u];
                a.removeLast();
            }
            return r + a;
        };
        QVERIFY(positionChiSquare(5, 20000, biased) > kChiSquare16);
    }

    // The generator is reseeded at the start of every shuffle: the same seed gives the same
    // order whatever was drawn before it.
    void everyShuffleReseeds() {
        ShuffleRandom sameSeed([] { return quint64(42); });
        const QList<int> first = trainer::ShuffleArray(range(30), sameSeed);
        sameSeed.next();
        QCOMPARE(trainer::ShuffleArray(range(30), sameSeed), first);

        ShuffleRandom counting = countingRandom(42);
        const QList<int> second = trainer::ShuffleArray(range(30), counting);
        QVERIFY(trainer::ShuffleArray(range(30), counting) != second);
    }

    void clockSeededShufflesInQuickSuccessionDiffer() {
        QVERIFY(trainer::clockSeed() != trainer::clockSeed());
        ShuffleRandom first, second;
        QVERIFY(trainer::ShuffleArray(range(20), first) !=
                trainer::ShuffleArray(range(20), second));
    }

    void drawsStayInTheUnitInterval() {
        ShuffleRandom random = countingRandom(3);
        double sum = 0;
        const int draws = 100000;
        for (int i = 0; i < draws; ++i) {
            const double u = random.next();
            QVERIFY(u >= 0.0 && u < 1.0);
            sum += u;
        }
        QVERIFY(qAbs(sum / draws - 0.5) < 0.01);
    }

    void shuffleIdListKeepsEveryIdWhole_data() {
        QTest::addColumn<QString>("list");
        QTest::newRow("one id") << u"7"_s;
        QTest::newRow("ids that prefix each other") << u"1,12,123"_s;
        QTest::newRow("wide ids") << u"150000,9,149999,10"_s;
    }
    void shuffleIdListKeepsEveryIdWhole() {
        QFETCH(QString, list);
        ShuffleRandom random = countingRandom(11);
        const QString shuffled = trainer::ShuffleIdList(list, random);
        QVERIFY(shuffled.endsWith(u','));
        QStringList ids = shuffled.chopped(1).split(u',');
        QStringList expected = list.split(u',');
        ids.sort();
        expected.sort();
        QCOMPARE(ids, expected);
    }

    void shuffleIdListOfNothingIsNothing() {
        ShuffleRandom random = countingRandom(1);
        QCOMPARE(trainer::ShuffleIdList(QString(), random), QString());
    }

    void paperQueryTakesOnlyWholeNumbers_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("ids") << u"5,12,123"_s << true;
        QTest::newRow("one id") << u"9"_s << true;
        QTest::newRow("negative id") << u"-4,2"_s << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("trailing comma") << u"5,12,"_s << false;
        QTest::newRow("double comma") << u"5,,12"_s << false;
        QTest::newRow("space") << u"5, 12"_s << false;
        QTest::newRow("fraction") << u"5,1.5"_s << false;
        QTest::newRow("quote") << u"5') or ('1"_s << false;
        QTest::newRow("plus sign") << u"+5"_s << false;
        QTest::newRow("too large") << u"99999999999999999999"_s << false;
    }
    void paperQueryTakesOnlyWholeNumbers() {
        QFETCH(QString, list);
        QFETCH(bool, accepted);
        bool threw = false;
        try {
            trainer::examPaperSql(list);
        } catch (const core::Error &) {
            threw = true;
        }
        QCOMPARE(!threw, accepted);
    }
};

QTEST_GUILESS_MAIN(ShuffleTest)
#include "tst_shuffle.moc"
