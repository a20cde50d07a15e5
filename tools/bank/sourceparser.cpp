#include "sourceparser.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace banktool {

namespace {

// Reads the fields of one JSON object, recording a problem for each field that is missing, of
// the wrong type, or unknown.
class FieldReader {
public:
    FieldReader(const QJsonObject &object, QList<Problem> &problems)
        : m_object(object), m_problems(problems) {}

    void setWhere(const QString &where) { m_where = where; }
    bool clean() const { return m_clean; }

    std::optional<qint64> wholeNumber(const QString &key) {
        const QJsonValue value = m_object.value(key);
        if (!present(key, value))
            return std::nullopt;
        // JSON numbers are doubles: whole and within the range a double holds exactly.
        const double number = value.toDouble();
        if (!value.isDouble() || std::trunc(number) != number || std::fabs(number) > 0x1p53) {
            fail(u"\"%1\" must be a whole number"_s.arg(key));
            return std::nullopt;
        }
        return qint64(number);
    }

    std::optional<QString> text(const QString &key, bool required = true) {
        const QJsonValue value = m_object.value(key);
        if (!required && value.isUndefined())
            return std::nullopt;
        if (!present(key, value))
            return std::nullopt;
        if (!value.isString()) {
            fail(u"\"%1\" must be a text"_s.arg(key));
            return std::nullopt;
        }
        return value.toString();
    }

    std::optional<QJsonArray> array(const QString &key) {
        const QJsonValue value = m_object.value(key);
        if (!present(key, value))
            return std::nullopt;
        if (!value.isArray()) {
            fail(u"\"%1\" must be an array"_s.arg(key));
            return std::nullopt;
        }
        return value.toArray();
    }

    void rejectUnknown(std::initializer_list<QString> known) {
        for (const QString &key : m_object.keys()) {
            if (std::find(known.begin(), known.end(), key) == known.end())
                fail(u"unknown field \"%1\""_s.arg(key));
        }
    }

    void fail(const QString &what) {
        m_problems.append({m_where, what});
        m_clean = false;
    }

private:
    bool present(const QString &key, const QJsonValue &value) {
        if (value.isUndefined())
            fail(u"\"%1\" is missing"_s.arg(key));
        return !value.isUndefined();
    }

    const QJsonObject &m_object;
    QList<Problem> &m_problems;
    QString m_where;
    bool m_clean = true;
};

QString position(const QByteArray &json, int offset) {
    const QByteArray before = json.left(offset);
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    return u"line %1, column %2"_s.arg(before.count('\n') + 1)
        .arg(QString::fromUtf8(before.mid(lineStart)).size() + 1);
}

void readChapter(const QJsonObject &object, const QString &where, ParsedSource &out) {
    FieldReader fields(object, out.problems);
    fields.setWhere(where);
    const auto id = fields.wholeNumber(u"id"_s);
    if (id)
        fields.setWhere(u"chapter %1"_s.arg(*id));
    const auto name = fields.text(u"name"_s);
    const auto state = fields.wholeNumber(u"state"_s);
    fields.rejectUnknown({u"id"_s, u"name"_s, u"state"_s});
    if (id)
        out.bank.chapters.append({*id, name.value_or(QString()), state.value_or(0)});
}

// The options A..D; nullopt when the array breaks the format.
std::optional<QList<QString>> readOptions(FieldReader &fields) {
    const auto array = fields.array(u"options"_s);
    if (!array)
        return std::nullopt;
    if (array->size() < 2 || array->size() > 4) {
        fields.fail(u"\"options\" must hold 2 to 4 texts, not %1"_s.arg(array->size()));
        return std::nullopt;
    }
    QList<QString> options;
    for (qsizetype i = 0; i < array->size(); ++i) {
        if (!array->at(i).isString())
            fields.fail(u"options[%1] must be a text"_s.arg(i));
        options.append(array->at(i).toString());
    }
    return options;
}

void readQuestion(const QJsonObject &object, const QString &where, ParsedSource &out) {
    FieldReader fields(object, out.problems);
    fields.setWhere(where);
    Question question;
    const auto id = fields.wholeNumber(u"id"_s);
    if (id)
        fields.setWhere(u"question %1"_s.arg(*id));
    const auto chapter = fields.wholeNumber(u"chapter"_s);
    const auto type = fields.wholeNumber(u"type"_s);
    const auto stem = fields.text(u"question"_s);
    const auto options = readOptions(fields);
    const auto answer = fields.text(u"answer"_s);
    const auto picture = fields.text(u"picture"_s, false);
    const auto clip = fields.text(u"clip"_s, false);
    const auto explanation = fields.text(u"explanation"_s, false);
    const auto basis = fields.text(u"basis"_s, false);
    fields.rejectUnknown({u"id"_s, u"chapter"_s, u"type"_s, u"question"_s, u"options"_s,
                          u"answer"_s, u"picture"_s, u"clip"_s, u"explanation"_s, u"basis"_s});
    if (!fields.clean())
        return;

    question.id = *id;
    question.chapter = *chapter;
    question.type = QString::number(*type);
    question.question = *stem;
    for (qsizetype i = 0; i < options->size(); ++i)
        question.options[i] = options->at(i);
    question.answer = *answer;
    // The program appends these to its media folder path as they are.
    if (picture)
        question.picture = u"\\"_s + *picture;
    if (clip)
        question.clip = u"\\"_s + *clip;
    question.explanation = explanation;
    question.basis = basis;
    out.bank.questions.append(question);
}

template <class ReadElement>
void readList(FieldReader &top, const QString &key, ReadElement readElement, ParsedSource &out) {
    const auto list = top.array(key);
    if (!list)
        return;
    for (qsizetype i = 0; i < list->size(); ++i) {
        const QString where = u"%1[%2]"_s.arg(key).arg(i);
        if (list->at(i).isObject())
            readElement(list->at(i).toObject(), where, out);
        else
            out.problems.append({where, u"must be an object"_s});
    }
}

} // namespace

ParsedSource parseSource(const QByteArray &json) {
    ParsedSource out;
    if (json.trimmed().isEmpty()) {
        out.problems.append({QString(), u"the file is empty"_s});
        return out;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        out.problems.append(
            {position(json, error.offset), u"malformed JSON: "_s + error.errorString()});
        return out;
    }
    if (!document.isObject()) {
        out.problems.append({QString(), u"the document must be a JSON object"_s});
        return out;
    }
    const QJsonObject top = document.object();
    FieldReader fields(top, out.problems);
    readList(fields, u"chapters"_s, readChapter, out);
    readList(fields, u"questions"_s, readQuestion, out);
    fields.rejectUnknown({u"chapters"_s, u"questions"_s});
    return out;
}

} // namespace banktool
