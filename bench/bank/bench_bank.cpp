// The mode-switch path (open the bank, reset the answers, open the sequential set, read every
// field of every record) through our layer, against the same work in raw SQLCipher calls on one
// handle kept open (keyed the fastest way, raw key and salt, its pages decrypted once) running
// the same SQLite texts our layer runs. Our side derives its key on its first run, as the
// program does on its first mode button, and reopens the bank every time, as the program does.
// Prints one line per bank size: the medians of each side and the median of the per-pair
// ratios (ours / floor, the two runs of a pair back to back).
#include "bank/bankformat.h"
#include "bank/connection.h"
#include "bank/connectionstring.h"
#include "bank/jetdialect.h"
#include "bank/keyderivation.h"
#include "bank/recordset.h"
#include "bank/schema.h"
#include "samplebank.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sqlcipher/sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kReset = u"update shiti2012 set state=''"_s;
const QString kSequential = u"select question,ans1,ans2,ans3,ans4,ans,bmp,flash,txbz,state from "
                            "shiti2012 where zhangjie<=7 order by id asc"_s;
const QString kFields[] = {u"question"_s, u"ans1"_s, u"ans2"_s,  u"ans3"_s, u"ans4"_s,
                           u"ans"_s,      u"bmp"_s,  u"flash"_s, u"txbz"_s, u"state"_s};

qint64 g_sink = 0; // keeps the reads from being optimised away

void throughOurLayer(const QString &folder, const QString &file) {
    bank::Connection connection;
    connection.setConnectionString(bank::BankConnectionString(folder, file));
    connection.open();
    connection.execute(kReset);
    bank::RecordSet set;
    set.open(kSequential, connection);
    for (; !set.eof(); set.moveNext()) {
        for (const QString &name : kFields)
            g_sink += set.field(name).toString().size();
    }
}

void checked(int rc, sqlite3 *db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
        std::exit(1);
    }
}

// The floor's handle: opened and keyed once, with the page cache our connection asks for.
sqlite3 *openRaw(const QByteArray &path, const QByteArray &keySpec) {
    sqlite3 *db = nullptr;
    checked(sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE, nullptr), db);
    checked(sqlite3_key(db, keySpec.constData(), int(keySpec.size())), db);
    bank::applyBankFormat(db);
    checked(sqlite3_exec(db, "PRAGMA cache_size=-131072", nullptr, nullptr, nullptr), db);
    return db;
}

void throughRawCalls(sqlite3 *db, const QByteArray &reset, const QByteArray &select) {
    checked(sqlite3_exec(db, reset.constData(), nullptr, nullptr, nullptr), db);
    sqlite3_stmt *statement = nullptr;
    checked(sqlite3_prepare_v2(db, select.constData(), -1, &statement, nullptr), db);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        for (int column = 0; column < 10; ++column) {
            sqlite3_column_text(statement, column);
            g_sink += sqlite3_column_bytes(statement, column);
        }
    }
    sqlite3_finalize(statement);
}

template <class Work> double millis(Work &&work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void measure(const QString &folder, int questions, int pairs) {
    const QString file = u"\\bank"_s + QString::number(questions) + u".dll"_s;
    const QString path = folder + u"/bank"_s + QString::number(questions) + u".dll"_s;
    writeSampleBank(path, questions);

    QFile bankFile(path);
    bankFile.open(QIODevice::ReadOnly);
    const QByteArray keySpec = bank::rawKeySpec(QLatin1String(bank::kBankPassword),
                                                bankFile.read(bank::bankformat::kSaltBytes));
    // The floor runs the same SQLite text our layer runs.
    const QByteArray reset = bank::translateJetSql(kReset).toUtf8();
    const QByteArray select = bank::translateJetSql(kSequential).toUtf8();

    sqlite3 *raw = openRaw(path.toUtf8(), keySpec);
    std::vector<double> ours, floor, ratios;
    for (int i = 0; i < pairs; ++i) {
        ours.push_back(millis([&] { throughOurLayer(folder, file); }));
        floor.push_back(millis([&] { throughRawCalls(raw, reset, select); }));
        ratios.push_back(ours.back() / floor.back());
    }
    sqlite3_close(raw);
    std::printf("bank-load N=%d ours_ms=%.2f floor_ms=%.2f ratio=%.2f\n", questions, median(ours),
                median(floor), median(ratios));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    measure(dir.path(), 1500, 201);
    measure(dir.path(), 15000, 31);
    measure(dir.path(), 150000, 15);
    return g_sink < 0;
}
