#include "exchange.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace progress {

namespace {

const QString kFormat = u"safedrive-progress"_s;
constexpr int kFormatVersion = 1;

QJsonObject questionJson(const QuestionRef &question) {
    return {{u"id"_s, question.identity.bankId},
            {u"hash"_s, question.identity.hash},
            {u"chapter"_s, question.chapter}};
}

// A malformed value throws the plain reason; importProgress turns it into the error.
struct Malformed {
    QString reason;
};

QJsonValue field(const QJsonObject &object, const QString &name, QJsonValue::Type type,
                 const QString &where) {
    const QJsonValue value = object.value(name);
    if (value.type() != type)
        throw Malformed{u"%1缺少字段“%2”或其类型不对"_s.arg(where, name)};
    return value;
}

qint64 wholeNumber(const QJsonObject &object, const QString &name, const QString &where) {
    const double value = field(object, name, QJsonValue::Double, where).toDouble();
    if (value != double(qint64(value)))
        throw Malformed{u"%1的字段“%2”不是整数"_s.arg(where, name)};
    return qint64(value);
}

QDateTime timeField(const QJsonObject &object, const QString &name, const QString &where) {
    return QDateTime::fromMSecsSinceEpoch(wholeNumber(object, name, where));
}

QString answerLetters(const QJsonObject &object, const QString &where) {
    const QString given = field(object, u"given"_s, QJsonValue::String, where).toString();
    for (const QChar letter : given)
        if (letter < u'A' || letter > u'D')
            throw Malformed{u"%1的答案“%2”不是 A 到 D 的字母"_s.arg(where, given)};
    return given;
}

QuestionRef questionOf(const QJsonObject &object, const QString &where) {
    const QString hash = field(object, u"hash"_s, QJsonValue::String, where).toString();
    static const QRegularExpression hex(u"^[0-9a-f]{16}$"_s);
    if (!hex.match(hash).hasMatch())
        throw Malformed{u"%1的题目标识“%2”无效"_s.arg(where, hash)};
    return {{wholeNumber(object, u"id"_s, where), hash},
            int(wholeNumber(object, u"chapter"_s, where))};
}

QJsonArray arrayField(const QJsonObject &object, const QString &name) {
    return field(object, name, QJsonValue::Array, u"文件"_s).toArray();
}

QJsonObject objectAt(const QJsonArray &array, qsizetype index, const QString &where) {
    if (!array.at(index).isObject())
        throw Malformed{u"%1不是对象"_s.arg(where)};
    return array.at(index).toObject();
}

ProgressData readData(const QJsonObject &root) {
    ProgressData data;
    const QJsonArray answers = arrayField(root, u"answers"_s);
    for (qsizetype i = 0; i < answers.size(); ++i) {
        const QString where = u"第 %1 条答题记录"_s.arg(i + 1);
        const QJsonObject answer = objectAt(answers, i, where);
        data.answers.append({timeField(answer, u"at"_s, where),
                             field(answer, u"mode"_s, QJsonValue::String, where).toString(),
                             questionOf(answer, where), answerLetters(answer, where),
                             field(answer, u"right"_s, QJsonValue::Bool, where).toBool(),
                             wholeNumber(answer, u"spentMs"_s, where)});
    }
    const QJsonArray exams = arrayField(root, u"exams"_s);
    for (qsizetype i = 0; i < exams.size(); ++i) {
        const QString where = u"第 %1 次考试"_s.arg(i + 1);
        const QJsonObject exam = objectAt(exams, i, where);
        ExamRecord record{0,
                          timeField(exam, u"started"_s, where),
                          timeField(exam, u"ended"_s, where),
                          int(wholeNumber(exam, u"score"_s, where)),
                          field(exam, u"passed"_s, QJsonValue::Bool, where).toBool(),
                          {}};
        const QJsonArray items = field(exam, u"items"_s, QJsonValue::Array, where).toArray();
        for (qsizetype j = 0; j < items.size(); ++j) {
            const QString itemWhere = u"%1第 %2 题"_s.arg(where).arg(j + 1);
            const QJsonObject item = objectAt(items, j, itemWhere);
            record.items.append({questionOf(item, itemWhere), answerLetters(item, itemWhere),
                                 field(item, u"right"_s, QJsonValue::Bool, itemWhere).toBool()});
        }
        data.exams.append(record);
    }
    const QJsonArray favourites = arrayField(root, u"favourites"_s);
    for (qsizetype i = 0; i < favourites.size(); ++i) {
        const QString where = u"第 %1 个收藏"_s.arg(i + 1);
        const QJsonObject favourite = objectAt(favourites, i, where);
        data.favourites.append(
            {questionOf(favourite, where), timeField(favourite, u"added"_s, where)});
    }
    return data;
}

} // namespace

QByteArray exportProgress(const ProgressData &data, const QString &edition) {
    QJsonArray answers;
    for (const AnswerRecord &answer : data.answers) {
        QJsonObject object = questionJson(answer.question);
        object.insert(u"at"_s, answer.at.toMSecsSinceEpoch());
        object.insert(u"mode"_s, answer.mode);
        object.insert(u"given"_s, answer.given);
        object.insert(u"right"_s, answer.right);
        object.insert(u"spentMs"_s, answer.spentMs);
        answers.append(object);
    }
    QJsonArray exams;
    for (const ExamRecord &exam : data.exams) {
        QJsonArray items;
        for (const ExamItem &item : exam.items) {
            QJsonObject object = questionJson(item.question);
            object.insert(u"given"_s, item.given);
            object.insert(u"right"_s, item.right);
            items.append(object);
        }
        exams.append(QJsonObject{{u"started"_s, exam.started.toMSecsSinceEpoch()},
                                 {u"ended"_s, exam.ended.toMSecsSinceEpoch()},
                                 {u"score"_s, exam.score},
                                 {u"passed"_s, exam.passed},
                                 {u"items"_s, items}});
    }
    QJsonArray favourites;
    for (const auto &favourite : data.favourites) {
        QJsonObject object = questionJson(favourite.question);
        object.insert(u"added"_s, favourite.added.toMSecsSinceEpoch());
        favourites.append(object);
    }
    const QJsonObject root{{u"format"_s, kFormat},  {u"version"_s, kFormatVersion},
                           {u"edition"_s, edition}, {u"answers"_s, answers},
                           {u"exams"_s, exams},     {u"favourites"_s, favourites}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<ProgressData> importProgress(const QByteArray &file, const QString &edition,
                                           QString *error) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        *error = u"文件不是 SafeDrive 学习记录（JSON 格式错误）。"_s;
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    if (root.value(u"format"_s).toString() != kFormat) {
        *error = u"文件不是 SafeDrive 学习记录。"_s;
        return std::nullopt;
    }
    if (root.value(u"version"_s).toInt() != kFormatVersion) {
        *error = u"学习记录文件的版本不受支持。"_s;
        return std::nullopt;
    }
    if (root.value(u"edition"_s).toString() != edition) {
        *error = u"这是 %1 的学习记录，不能导入 %2。"_s.arg(root.value(u"edition"_s).toString(),
                                                            edition);
        return std::nullopt;
    }
    try {
        return readData(root);
    } catch (const Malformed &malformed) {
        *error = malformed.reason + u"。"_s;
        return std::nullopt;
    }
}

} // namespace progress
