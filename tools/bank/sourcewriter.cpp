#include "sourcewriter.h"

#include <QJsonArray>
#include <QJsonDocument>

using namespace Qt::Literals::StringLiterals;

namespace banktool {

namespace {

QByteArray json(const QJsonValue &value) {
    // A document holds only arrays and objects: encode the one-element array and unwrap it.
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QByteArray json(const QString &text) {
    return json(QJsonValue(text));
}

QByteArray type(const QString &type) {
    bool whole = false;
    const qint64 number = type.toLongLong(&whole);
    return whole && QString::number(number) == type ? QByteArray::number(number) : json(type);
}

QByteArray options(const Question &question) {
    int count = 4;
    while (count > 0 && !question.options[count - 1])
        --count;
    QByteArrayList items;
    for (int i = 0; i < count; ++i)
        items.append(question.options[i] ? json(*question.options[i]) : "null");
    return "[" + items.join(", ") + "]";
}

QByteArray mediaName(const QString &stored) {
    return json(stored.startsWith(u'\\') ? stored.mid(1) : stored);
}

QByteArray chapter(const Chapter &c) {
    return "    { \"id\": " + QByteArray::number(c.id) + ", \"name\": " + json(c.name) +
           ", \"state\": " + QByteArray::number(c.state) + " }";
}

QByteArray question(const Question &q) {
    QByteArray text = "    { \"id\": " + QByteArray::number(q.id) +
                      ", \"chapter\": " + QByteArray::number(q.chapter) +
                      ", \"type\": " + type(q.type) + ",\n      \"question\": " + json(q.question) +
                      ",\n      \"options\": " + options(q) + ", \"answer\": " + json(q.answer);
    if (q.picture)
        text += ",\n      \"picture\": " + mediaName(*q.picture);
    if (q.clip)
        text += ",\n      \"clip\": " + mediaName(*q.clip);
    if (q.explanation)
        text += ",\n      \"explanation\": " + json(*q.explanation);
    if (q.basis)
        text += ",\n      \"basis\": " + json(*q.basis);
    return text + " }";
}

template <class Row, class Write> QByteArray list(const QList<Row> &rows, Write write) {
    if (rows.isEmpty())
        return "[]";
    QByteArrayList lines;
    for (const Row &row : rows)
        lines.append(write(row));
    return "[\n" + lines.join(",\n") + "\n  ]";
}

} // namespace

QByteArray toSourceJson(const Bank &bank) {
    return "{\n  \"chapters\": " + list(bank.chapters, chapter) +
           ",\n  \"questions\": " + list(bank.questions, question) + "\n}\n";
}

} // namespace banktool
