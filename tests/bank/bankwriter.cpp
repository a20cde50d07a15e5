// Helper of tst_crashsafety: stores answers into a bank as the trainer does, until killed.
// Usage: bankwriter <program folder>; prints "stored" after every answer that was stored.
#include "bank/connection.h"
#include "bank/connectionstring.h"
#include "bank/recordset.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QString text =
        bank::BankConnectionString(QString::fromLocal8Bit(argv[1]), u"\\aqc.dll"_s);
    const QString letters[] = {u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"ACD"_s};
    for (;;) { // one round per mode button: reset every answer, then answer the whole set
        bank::Connection connection;
        connection.setConnectionString(text);
        connection.open();
        connection.execute(u"update shiti2012 set state=''"_s);
        bank::RecordSet set;
        set.open(u"select question,ans1,ans2,ans3,ans4,ans,bmp,flash,txbz,state from shiti2012 "
                 "where zhangjie<=7 order by id asc"_s,
                 connection);
        // A few answers per round, so that kills land in the resets as well.
        for (int answers = 0; answers < 3 && !set.eof(); ++answers) {
            set.setField(u"state"_s, letters[QRandomGenerator::global()->bounded(5)]);
            set.moveNext();
            std::puts("stored");
            std::fflush(stdout);
        }
    }
}
