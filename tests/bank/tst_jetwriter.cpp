// The test-only Jet 4.0 writer, checked against mdbtools' own programs: the tables, their column
// definitions and every value they print are exactly what was written (Chinese texts, memos in
// the row and on long-value pages up to 65,535 characters, numbers, Nulls, a password).
#include "jetbank.h"
#include "jetwriter.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using jetfixture::Column;
using jetfixture::ColumnType;

namespace {

// What mdb-schema calls each column type.
QString schemaType(const Column &column) {
    switch (column.type) {
    case ColumnType::Integer:
        return u"Integer"_s;
    case ColumnType::Long:
        return u"Long Integer"_s;
    case ColumnType::Double:
        return u"Double"_s;
    case ColumnType::Text:
        return u"Text (%1)"_s.arg(column.maxChars);
    case ColumnType::Memo:
        return u"Memo/Hyperlink (255)"_s;
    case ColumnType::Ole:
        return u"OLE (255)"_s;
    }
    return {};
}

QString expectedSchema(const jetfixture::Table &table) {
    QStringList lines;
    for (const Column &column : table.columns)
        lines.append(u"\t[%1]\t\t\t%2"_s.arg(column.name, schemaType(column)));
    return u"CREATE TABLE [%1]\n (\n%2\n);\n"_s.arg(table.name, lines.join(u", \n"_s));
}

// mdb-export's CSV with Null shown as NULL: texts quoted (quotes doubled), an empty text printed
// as Null is (the program cannot tell them apart), numbers as they are.
QString expectedExport(const jetfixture::Table &table) {
    QStringList lines;
    QStringList header;
    for (const Column &column : table.columns)
        header.append(column.name);
    lines.append(header.join(u','));
    for (const QVariantList &row : table.rows) {
        QStringList fields;
        for (qsizetype i = 0; i < row.size(); ++i) {
            const QVariant &value = row[i];
            const ColumnType type = table.columns[i].type;
            const bool text = type == ColumnType::Text || type == ColumnType::Memo;
            if (!value.isValid() || (text && value.toString().isEmpty()))
                fields.append(u"NULL"_s);
            else if (text)
                fields.append(u'"' + value.toString().replace(u'"', u"\"\""_s) + u'"');
            else if (type == ColumnType::Double)
                fields.append(QString::number(value.toDouble(), 'g', 16));
            else
                fields.append(QString::number(value.toLongLong()));
        }
        lines.append(fields.join(u','));
    }
    return lines.join(u'\n') + u'\n';
}

} // namespace

class JetWriterTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_file;
    jetfixture::Database m_database;

    QString run(const QString &program, const QStringList &arguments) {
        const QString executable = QStandardPaths::findExecutable(program);
        if (executable.isEmpty())
            return u"<%1 is not installed>"_s.arg(program);
        QProcess process;
        process.start(executable, arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            return u"<%1 failed: %2>"_s.arg(program,
                                            QString::fromUtf8(process.readAllStandardError()));
        return QString::fromUtf8(process.readAllStandardOutput());
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        if (QStandardPaths::findExecutable(u"mdb-export"_s).isEmpty())
            QSKIP("mdbtools is not installed (scripts/deps.sh test installs it)");
        fixture::Question chinese = fixture::choice(1, 1);
        chinese.question = u"驾驶机动车在道路上行驶，驾驶人应当随身携带驾驶证。"_s;
        chinese.ans1 = u"正确"_s;
        chinese.ans2 = u"错误"_s;
        chinese.ans3 = QVariant();
        chinese.ans4 = QVariant();
        chinese.bmp = u"\\sign \"stop\", 1.png"_s;
        fixture::Question longValue = fixture::choice(2, 1, u"124"_s);
        longValue.type = u"2"_s;
        longValue.question = QString(5000, QChar(u'路'));
        longValue.flash = u"\\clip.webm"_s;
        fixture::Question longest = fixture::choice(3, 8, u"4"_s);
        longest.question = QString(65535, QChar(u'题'));
        longest.state = u"D"_s;
        m_database = jetfixture::questionBank(
            {{1, u"道路交通安全法律、法规和规章"_s, 2}, {8, u"（未开放）"_s, 0}},
            {chinese, longValue, longest, fixture::choice(4, 2)});
        m_database.tables.append({u"numbers"_s,
                                  {{u"small"_s, ColumnType::Integer},
                                   {u"whole"_s, ColumnType::Long},
                                   {u"real"_s, ColumnType::Double},
                                   {u"line"_s, ColumnType::Memo}},
                                  {{-32768, 2147483647, 2.5, u"l1\nl2"_s},
                                   {32767, -2147483647 - 1, -0.125, QVariant()},
                                   {QVariant(), QVariant(), QVariant(), QString()}}});
        m_file = m_dir.filePath(u"bank.mdb"_s);
        jetfixture::writeJetFile(m_file, m_database);
    }

    void tablesAreListed() {
        QCOMPARE(run(u"mdb-tables"_s, {u"-1"_s, m_file}), u"shiti2012\nzhangjie\nnumbers\n"_s);
    }

    void columnsAreDefinedAsWritten_data() {
        QTest::addColumn<int>("table");
        for (int i = 0; i < int(m_database.tables.size()); ++i)
            QTest::newRow(qPrintable(m_database.tables[i].name)) << i;
    }
    void columnsAreDefinedAsWritten() {
        QFETCH(int, table);
        const jetfixture::Table &written = m_database.tables[table];
        const QString schema = run(u"mdb-schema"_s, {u"-T"_s, written.name, m_file, u"access"_s});
        const qsizetype start = schema.indexOf(u"CREATE TABLE"_s);
        QVERIFY2(start >= 0, qPrintable(schema));
        QCOMPARE(schema.mid(start, schema.indexOf(u");\n"_s, start) + 3 - start),
                 expectedSchema(written));
    }

    void valuesAreExportedAsWritten_data() { columnsAreDefinedAsWritten_data(); }
    void valuesAreExportedAsWritten() {
        QFETCH(int, table);
        const jetfixture::Table &written = m_database.tables[table];
        QCOMPARE(run(u"mdb-export"_s, {u"-0"_s, u"NULL"_s, m_file, written.name}),
                 expectedExport(written));
    }
};

QTEST_GUILESS_MAIN(JetWriterTest)
#include "tst_jetwriter.moc"
