#include "jetcopy.h"

#include "jeterror.h"
#include "jetreader.h"
#include "schema.h"

using namespace Qt::Literals::StringLiterals;

namespace bank {

namespace {

template <size_t N>
QList<QVariantList> rowsOf(const JetReader &reader, const QString &jetPath, const QString &name,
                           const std::array<const char *, N> &columns) {
    const JetTable table = reader.table(name);
    std::array<qsizetype, N> at;
    for (size_t i = 0; i < N; ++i) {
        at[i] = table.column(QLatin1String(columns[i]));
        if (at[i] < 0)
            throw jetError(JetProblem::MissingColumn, jetPath,
                           name + u'.' + QLatin1String(columns[i]));
    }
    QList<QVariantList> rows;
    rows.reserve(table.rows.size());
    for (const QVariantList &stored : table.rows) {
        QVariantList row;
        row.reserve(qsizetype(N));
        for (const qsizetype column : at)
            row.append(stored[column]);
        rows.append(row);
    }
    return rows;
}

} // namespace

BankRows readJetBank(const QString &jetPath) {
    const JetReader reader(jetPath);
    BankRows rows;
    rows.questions = rowsOf(reader, jetPath, u"shiti2012"_s, kQuestionColumns);
    rows.chapters = rowsOf(reader, jetPath, u"zhangjie"_s, kChapterColumns);
    return rows;
}

void copyJetBank(const QString &jetPath, const QString &outPath, const QString &password) {
    writeBankRows(readJetBank(jetPath), outPath, password);
}

} // namespace bank
