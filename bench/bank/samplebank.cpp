#include "samplebank.h"

#include "bank/bankformat.h"
#include "bank/schema.h"

#include <QRandomGenerator>

using namespace Qt::Literals::StringLiterals;

namespace {

// A text of Chinese characters of a length between min and max.
QString chineseText(QRandomGenerator &random, int min, int max) {
    QString text;
    const int length = random.bounded(min, max + 1);
    text.reserve(length);
    for (int i = 0; i < length; ++i)
        text.append(QChar(char16_t(0x4E00 + random.bounded(0x2000))));
    return text;
}

} // namespace

bank::BankRows sampleRows(int questions) {
    QRandomGenerator random{quint32(questions)}; // the same bank for the same size
    bank::BankRows rows;
    for (int c = 1; c <= 8; ++c)
        rows.chapters.append({c, chineseText(random, 4, 12), c <= 7 ? 2 : 1});
    for (int id = 1; id <= questions; ++id) {
        const int kind = random.bounded(100);
        const QString type = kind < 70 ? u"1"_s : kind < 85 ? u"2"_s : u"3"_s;
        QVariantList row{id, chineseText(random, 20, 60)};
        for (int option = 0; option < 4; ++option)
            row.append(chineseText(random, 2, 24));
        row.append(type == u"2"_s ? u"134"_s : QString::number(1 + random.bounded(4)));
        const bool picture = random.bounded(10) < 3;
        row.append(picture ? QVariant(u"\\"_s + QString::number(id) + u".png"_s) : QVariant());
        const bool clip = type == u"3"_s;
        row.append(clip ? QVariant(u"\\"_s + QString::number(id) + u".webm"_s) : QVariant());
        row.append(type);
        row.append(QString());
        row.append(random.bounded(100) < 95 ? 1 + random.bounded(7) : 8);
        rows.questions.append(row);
    }
    return rows;
}

void writeSampleBank(const QString &path, int questions) {
    bank::writeBankRows(sampleRows(questions), path, QLatin1String(bank::kBankPassword));
}
