#include "bankcheck.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace banktool {

namespace {

bool exists(const std::optional<QString> &value) {
    return value && !value->isEmpty();
}

QChar letter(int option) {
    return QChar(u'A' + option);
}

class QuestionCheck {
public:
    QuestionCheck(const Question &question, QList<Problem> &problems)
        : m_question(question), m_problems(problems), m_where(u"question %1"_s.arg(question.id)) {}

    void fail(const QString &what) { m_problems.append({m_where, what}); }

    void options() {
        int count = 0;
        int firstGap = -1;
        for (int i = 0; i < 4; ++i) {
            if (exists(m_question.options[i])) {
                ++count;
                if (firstGap >= 0) {
                    fail(u"option %1 is empty but option %2 is not"_s.arg(letter(firstGap))
                             .arg(letter(i)));
                    firstGap = -1; // one report per gap
                }
            } else if (firstGap < 0) {
                firstGap = i;
            }
        }
        if (count < 2)
            fail(u"has %1 option(s); a question needs at least two"_s.arg(count));
        // Two options make a true/false question, which the learner sees as A 正确, B 错误.
        if (count == 2 && exists(m_question.options[0]) && exists(m_question.options[1]) &&
            (m_question.options[0] != u"正确"_s || m_question.options[1] != u"错误"_s))
            fail(u"a two-option question must have the options \"正确\", \"错误\""_s);
    }

    void answer() {
        const QString &answer = m_question.answer;
        if (answer.isEmpty()) {
            fail(u"the answer is empty"_s);
            return;
        }
        QString seen;
        for (const QChar digit : answer) {
            const int option = digit.unicode() - u'1';
            if (option < 0 || option > 3)
                fail(u"answer digit \"%1\" is outside 1-4"_s.arg(digit));
            else if (!exists(m_question.options[option]))
                fail(u"answer digit \"%1\" names empty option %2"_s.arg(digit).arg(letter(option)));
            if (seen.contains(digit))
                fail(u"answer digit \"%1\" appears more than once"_s.arg(digit));
            seen.append(digit);
        }
        const QString &type = m_question.type;
        if ((type == u"1"_s || type == u"3"_s) && answer.size() > 1)
            fail(u"a single-answer question (type %1) has %2 answer digits \"%3\""_s.arg(type)
                     .arg(answer.size())
                     .arg(answer));
        if (type == u"2"_s && answer.size() == 1)
            fail(u"a multi-answer question (type 2) has only one answer digit"_s);
        if (type == u"2"_s && !std::is_sorted(answer.begin(), answer.end()))
            fail(u"answer digits \"%1\" are not in ascending order"_s.arg(answer));
    }

    void media(const QString &kind, const std::optional<QString> &stored, const QString &folder) {
        if (!exists(stored))
            return;
        if (!stored->startsWith(u'\\')) {
            fail(u"%1 \"%2\" does not start with \"\\\""_s.arg(kind, *stored));
            return;
        }
        const QString name = stored->mid(1);
        static const QString forbidden = u"\\/:"_s;
        const bool plain =
            !name.isEmpty() && name != u"."_s && name != u".."_s &&
            std::none_of(name.begin(), name.end(), [](QChar c) { return forbidden.contains(c); });
        if (!plain)
            fail(u"%1 \"%2\" is not a plain file name"_s.arg(kind, name));
        else if (!folder.isEmpty() && !QFileInfo(QDir(folder).filePath(name)).isFile())
            fail(u"%1 \"%2\" is missing from %3"_s.arg(kind, name, folder));
    }

    // Required where the bank has the columns for them: every question of our editions.
    void explanation(bool required) {
        constexpr qsizetype kLongest = 200;
        if (required && !exists(m_question.explanation))
            fail(u"\"explanation\" is missing"_s);
        if (required && !exists(m_question.basis))
            fail(u"\"basis\" is missing"_s);
        if (!m_question.explanation)
            return;
        const qsizetype length = m_question.explanation->toUcs4().size();
        if (length > kLongest)
            fail(u"the explanation has %1 characters; at most %2"_s.arg(length).arg(kLongest));
    }

private:
    const Question &m_question;
    QList<Problem> &m_problems;
    QString m_where;
};

// How many rows share each id, reported once at the first of them.
template <class Row, class IdOf>
void duplicates(const QList<Row> &rows, IdOf idOf, const QString &where, const QString &what,
                QList<Problem> &problems) {
    QHash<qint64, int> counts;
    for (const Row &row : rows)
        ++counts[idOf(row)];
    for (const Row &row : rows) {
        int &count = counts[idOf(row)];
        if (count > 1)
            problems.append({where.arg(idOf(row)), what.arg(count)});
        count = 0;
    }
}

} // namespace

QList<Problem> checkBank(const Bank &bank, const MediaFolders &media) {
    QList<Problem> problems;
    duplicates(
        bank.chapters, [](const Chapter &c) { return c.id; }, u"chapter %1"_s,
        u"id used by %1 chapters"_s, problems);
    duplicates(
        bank.questions, [](const Question &q) { return q.id; }, u"question %1"_s,
        u"id used by %1 questions"_s, problems);

    QSet<qint64> chapters;
    for (const Chapter &chapter : bank.chapters)
        chapters.insert(chapter.id);

    for (const Question &question : bank.questions) {
        QuestionCheck check(question, problems);
        if (question.type != u"1"_s && question.type != u"2"_s && question.type != u"3"_s)
            check.fail(u"type \"%1\" is outside 1-3"_s.arg(question.type));
        if (!chapters.contains(question.chapter))
            check.fail(u"chapter %1 is not in the chapter table"_s.arg(question.chapter));
        if (question.question.isEmpty())
            check.fail(u"the question text is empty"_s);
        check.options();
        check.answer();
        if (question.type == u"3"_s && !exists(question.clip))
            check.fail(u"an animation question (type 3) has no clip"_s);
        check.media(u"picture"_s, question.picture, media.pictures);
        check.media(u"clip"_s, question.clip, media.clips);
        check.explanation(bank.explained);
    }
    return problems;
}

} // namespace banktool
