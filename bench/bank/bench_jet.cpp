// Opening a Jet 4.0 bank: the first open, which reads the Jet file and builds its SQLCipher copy
// in the cache folder, and later opens, which find the copy, against the same mode switch on an
// SQLCipher bank of the same rows (open, "update shiti2012 set state=''", open the sequential
// set, read every field of every record). Prints one line: medians of interleaved runs.
#include "bank/connection.h"
#include "bank/connectionstring.h"
#include "bank/recordset.h"
#include "bank/schema.h"
#include "jetbank.h"
#include "samplebank.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kFields[] = {u"question"_s, u"ans1"_s, u"ans2"_s,  u"ans3"_s, u"ans4"_s,
                           u"ans"_s,      u"bmp"_s,  u"flash"_s, u"txbz"_s, u"state"_s};

qint64 g_sink = 0; // keeps the reads from being optimised away

double modeSwitchMs(const QString &folder, const QString &file) {
    QElapsedTimer timer;
    timer.start();
    bank::Connection connection;
    connection.setConnectionString(bank::BankConnectionString(folder, file));
    connection.open();
    connection.execute(u"update shiti2012 set state=''"_s);
    bank::RecordSet set;
    set.open(u"select question,ans1,ans2,ans3,ans4,ans,bmp,flash,txbz,state from shiti2012 "
             "where zhangjie<=7 order by id asc"_s,
             connection);
    for (; !set.eof(); set.moveNext()) {
        for (const QString &name : kFields)
            g_sink += set.field(name).toString().size();
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    constexpr int kQuestions = 1500;
    const bank::BankRows rows = sampleRows(kQuestions);
    jetfixture::writeJetFile(dir.filePath(u"aqc.dll"_s), jetfixture::questionBank(rows));
    bank::writeBankRows(rows, dir.filePath(u"sqlcipher.dll"_s), QLatin1String(bank::kBankPassword));
    const QString cache = dir.filePath(u"cache"_s);
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache));

    std::vector<double> first, later, sqlcipher;
    for (int i = 0; i < 9; ++i) {
        QDir(cache).removeRecursively();
        first.push_back(modeSwitchMs(dir.path(), u"\\aqc.dll"_s));
    }
    for (int i = 0; i < 101; ++i) {
        later.push_back(modeSwitchMs(dir.path(), u"\\aqc.dll"_s));
        sqlcipher.push_back(modeSwitchMs(dir.path(), u"\\sqlcipher.dll"_s));
    }
    std::printf("jet-open N=%d first_ms=%.1f later_ms=%.2f sqlcipher_ms=%.2f ratio=%.2f\n",
                kQuestions, median(first), median(later), median(sqlcipher),
                median(later) / median(sqlcipher));
    return g_sink < 0;
}
