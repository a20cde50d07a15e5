#include "progressstore.h"

#include "bank/error.h"
#include "bank/sqlite.h"
#include "schema.h"
#include "streak.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;
using bank::sqlite::Statement;
using bank::sqlite::Transaction;

namespace progress {

namespace {

constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;

qint64 msOf(const QDateTime &time) {
    return time.toMSecsSinceEpoch();
}

QDateTime timeOf(qint64 ms) {
    return QDateTime::fromMSecsSinceEpoch(ms);
}

QString keyOf(const QuestionIdentity &identity) {
    return QString::number(identity.bankId) + u':' + identity.hash;
}

// Joins a table of question keys (as t) to the questions of the bank in use.
const QString kOfTheBank = u"join question q on q.qkey = t.qkey join temp.bank_question b"
                           " on b.bank_id = q.bank_id and b.hash = q.hash"_s;

} // namespace

ProgressStore::ProgressStore(const QString &path, QObject *parent)
    : QObject(parent), m_path(path) {}

OpenedStore &ProgressStore::opened() {
    if (m_opened)
        return *m_opened;
    m_opened = openStoreFile(m_path);
    guarded([this] {
        db().exec(u"create temp table bank_question(bank_id integer primary key,"
                  " hash text not null, chapter integer not null)"_s);
        Statement rights(db(), u"select value from setting where name = 'book_rights_to_leave'"_s);
        if (rights.step())
            m_rightsToLeave = std::max(1, int(rights.columnInt64(0)));
    });
    return *m_opened;
}

ProgressStore::~ProgressStore() = default;

template <class Result>
Result ProgressStore::guarded(Result fallback, const std::function<Result()> &work) {
    if (!isRecording())
        return fallback;
    try {
        return work();
    } catch (const bank::Error &error) {
        stopRecording(error);
        return fallback;
    }
}

void ProgressStore::guarded(const std::function<void()> &work) {
    guarded<bool>(false, [&work] {
        work();
        return true;
    });
}

void ProgressStore::stopRecording(const bank::Error &error) {
    OpenedStore &store = opened();
    store.db.reset();
    const QString file = QDir::toNativeSeparators(m_path);
    if (isCorruption(error.number())) {
        const QString aside = setCorruptFileAside(m_path);
        store.problem =
            aside.isEmpty()
                ? u"学习记录文件 %1 已损坏，本次学习进度不会被记录。"_s.arg(file)
                : u"学习记录文件 %1 已损坏，已另存为 %2；本次学习进度不会被记录。"_s.arg(
                      file, QDir::toNativeSeparators(aside));
    } else if (error.number() == kSqliteBusy || error.number() == kSqliteLocked) {
        store.problem = u"学习记录文件 %1 被另一个程序占用，本次学习进度不会被记录。"_s.arg(file);
    } else {
        store.problem = u"学习记录文件 %1 无法写入（%2），本次学习进度不会被记录。"_s.arg(
            file, error.description());
    }
    store.lock.reset();
    emit recordingStopped(store.problem);
}

void ProgressStore::setBankQuestions(const QList<QuestionRef> &questions) {
    guarded([&] {
        Transaction transaction(db());
        db().exec(u"delete from temp.bank_question"_s);
        Statement insert(db(), u"insert or replace into temp.bank_question values(?, ?, ?)"_s);
        for (const QuestionRef &question : questions) {
            insert.bind(1, question.identity.bankId);
            insert.bind(2, question.identity.hash);
            insert.bind(3, question.chapter);
            insert.step();
            insert.reset();
        }
        transaction.commit();
    });
}

qint64 ProgressStore::questionKey(const QuestionRef &question) {
    const QString key = keyOf(question.identity);
    if (const auto found = m_keys.constFind(key); found != m_keys.cend())
        return *found;
    Statement insert(db(), u"insert or ignore into question(bank_id, hash, chapter)"
                           " values(?, ?, ?)"_s);
    insert.bind(1, question.identity.bankId);
    insert.bind(2, question.identity.hash);
    insert.bind(3, question.chapter);
    insert.step();
    Statement select(db(), u"select qkey from question where bank_id = ? and hash = ?"_s);
    select.bind(1, question.identity.bankId);
    select.bind(2, question.identity.hash);
    select.step();
    const qint64 qkey = select.columnInt64(0);
    m_keys.insert(key, qkey);
    return qkey;
}

bool ProgressStore::insertAnswer(qint64 qkey, const AnswerRecord &answer) {
    Statement insert(db(), u"insert or ignore into answer(at_ms, mode, qkey, given, is_right,"
                           " spent_ms) values(?, ?, ?, ?, ?, ?)"_s);
    insert.bind(1, msOf(answer.at));
    insert.bind(2, answer.mode);
    insert.bind(3, qkey);
    insert.bind(4, answer.given);
    insert.bind(5, int(answer.right));
    insert.bind(6, answer.spentMs);
    insert.step();
    return db().changes() > 0;
}

// Keeps the per-question totals and the book as if rebuilt from every answer.
void ProgressStore::applyToDerived(qint64 qkey, bool right) {
    Statement seen(db(), u"insert or ignore into seen values(?, 0, 0)"_s);
    seen.bind(1, qkey);
    seen.step();
    Statement count(db(), u"update seen set answered = answered + 1,"
                          " right_count = right_count + ? where qkey = ?"_s);
    count.bind(1, int(right));
    count.bind(2, qkey);
    count.step();

    Statement read(db(), u"select streak from book where qkey = ?"_s);
    read.bind(1, qkey);
    BookState state;
    if (read.step())
        state = {true, int(read.columnInt64(0))};
    const BookState next = afterAnswer(state, right, m_rightsToLeave);
    if (next == state)
        return;
    Statement write(db(), next.inBook ? u"insert or replace into book values(?, ?)"_s
                                      : u"delete from book where qkey = ?"_s);
    write.bind(1, qkey);
    if (next.inBook)
        write.bind(2, next.streak);
    write.step();
}

void ProgressStore::rebuildDerived() {
    db().exec(u"delete from seen"_s);
    db().exec(u"delete from book"_s);
    Statement answers(db(), u"select qkey, is_right from answer order by qkey, at_ms, id"_s);
    Statement seen(db(), u"insert into seen values(?, ?, ?)"_s);
    Statement book(db(), u"insert into book values(?, ?)"_s);
    const auto flush = [&](qint64 qkey, int answered, int rightCount, BookState state) {
        seen.bind(1, qkey);
        seen.bind(2, answered);
        seen.bind(3, rightCount);
        seen.step();
        seen.reset();
        if (state.inBook) {
            book.bind(1, qkey);
            book.bind(2, state.streak);
            book.step();
            book.reset();
        }
    };
    qint64 current = 0;
    int answered = 0, rightCount = 0;
    BookState state;
    while (answers.step()) {
        const qint64 qkey = answers.columnInt64(0);
        const bool right = answers.columnInt64(1) != 0;
        if (qkey != current) {
            if (answered > 0)
                flush(current, answered, rightCount, state);
            current = qkey;
            answered = rightCount = 0;
            state = {};
        }
        ++answered;
        rightCount += int(right);
        state = afterAnswer(state, right, m_rightsToLeave);
    }
    if (answered > 0)
        flush(current, answered, rightCount, state);
}

void ProgressStore::recordAnswer(const AnswerRecord &answer) {
    guarded([&] {
        Transaction transaction(db());
        const qint64 qkey = questionKey(answer.question);
        if (insertAnswer(qkey, answer))
            applyToDerived(qkey, answer.right);
        transaction.commit();
    });
}

qint64 ProgressStore::insertExam(const ExamRecord &exam) {
    Statement insert(db(), u"insert or ignore into exam(started_ms, ended_ms, score, passed)"
                           " values(?, ?, ?, ?)"_s);
    insert.bind(1, msOf(exam.started));
    insert.bind(2, msOf(exam.ended));
    insert.bind(3, exam.score);
    insert.bind(4, int(exam.passed));
    insert.step();
    if (db().changes() == 0)
        return 0; // already recorded (an import of the same exam)
    Statement id(db(), u"select last_insert_rowid()"_s);
    id.step();
    const qint64 examId = id.columnInt64(0);
    Statement item(db(), u"insert into exam_item values(?, ?, ?, ?, ?)"_s);
    for (int position = 0; position < exam.items.size(); ++position) {
        const ExamItem &paperItem = exam.items[position];
        const qint64 qkey = questionKey(paperItem.question);
        item.bind(1, examId);
        item.bind(2, position);
        item.bind(3, qkey);
        item.bind(4, paperItem.given);
        item.bind(5, int(paperItem.right));
        item.step();
        item.reset();
        // Judged at the hand-in: one answer each, a millisecond apart to keep them distinct.
        const AnswerRecord answer{exam.ended.addMSecs(position),
                                  u"exam"_s,
                                  paperItem.question,
                                  paperItem.given,
                                  paperItem.right,
                                  0};
        if (insertAnswer(qkey, answer))
            applyToDerived(qkey, paperItem.right);
    }
    return examId;
}

qint64 ProgressStore::recordExam(const ExamRecord &exam) {
    return guarded<qint64>(0, [&] {
        Transaction transaction(db());
        const qint64 id = insertExam(exam);
        transaction.commit();
        return id;
    });
}

bool ProgressStore::toggleFavourite(const QuestionRef &question) {
    return guarded<bool>(false, [&] {
        Transaction transaction(db());
        const qint64 qkey = questionKey(question);
        Statement remove(db(), u"delete from favourite where qkey = ?"_s);
        remove.bind(1, qkey);
        remove.step();
        const bool nowFavourite = db().changes() == 0;
        if (nowFavourite) {
            Statement add(db(), u"insert into favourite values(?, ?)"_s);
            add.bind(1, qkey);
            add.bind(2, QDateTime::currentMSecsSinceEpoch());
            add.step();
        }
        transaction.commit();
        return nowFavourite;
    });
}

bool ProgressStore::isFavourite(const QuestionIdentity &question) {
    return guarded<bool>(false, [&] {
        Statement find(db(), u"select 1 from favourite f join question q on q.qkey = f.qkey"
                             " where q.bank_id = ? and q.hash = ?"_s);
        find.bind(1, question.bankId);
        find.bind(2, question.hash);
        return find.step();
    });
}

QList<qint64> ProgressStore::currentIds(const QString &table) {
    return guarded<QList<qint64>>({}, [&] {
        Statement ids(db(),
                      u"select q.bank_id from %1 t %2 order by q.bank_id"_s.arg(table, kOfTheBank));
        QList<qint64> list;
        while (ids.step())
            list << ids.columnInt64(0);
        return list;
    });
}

QList<qint64> ProgressStore::bookIds() {
    return currentIds(u"book"_s);
}

QList<qint64> ProgressStore::favouriteIds() {
    return currentIds(u"favourite"_s);
}

QList<ExamRecord> ProgressStore::readExams() {
    Statement list(db(), u"select id, started_ms, ended_ms, score, passed from exam"
                         " order by ended_ms desc, id desc"_s);
    QList<ExamRecord> exams;
    while (list.step())
        exams.append({list.columnInt64(0),
                      timeOf(list.columnInt64(1)),
                      timeOf(list.columnInt64(2)),
                      int(list.columnInt64(3)),
                      list.columnInt64(4) != 0,
                      {}});
    return exams;
}

ExamRecord ProgressStore::readExam(qint64 id) {
    ExamRecord exam;
    Statement head(db(), u"select id, started_ms, ended_ms, score, passed from exam"
                         " where id = ?"_s);
    head.bind(1, id);
    if (!head.step())
        return exam;
    exam = {head.columnInt64(0),      timeOf(head.columnInt64(1)), timeOf(head.columnInt64(2)),
            int(head.columnInt64(3)), head.columnInt64(4) != 0,    {}};
    Statement items(db(), u"select q.bank_id, q.hash, q.chapter, i.given, i.is_right"
                          " from exam_item i join question q on q.qkey = i.qkey"
                          " where i.exam_id = ? order by i.position"_s);
    items.bind(1, id);
    while (items.step())
        exam.items.append(
            {{{items.columnInt64(0), items.column(1).toString()}, int(items.columnInt64(2))},
             items.column(3).toString(),
             items.columnInt64(4) != 0});
    return exam;
}

QList<ExamRecord> ProgressStore::exams() {
    return guarded<QList<ExamRecord>>({}, [&] { return readExams(); });
}

ExamRecord ProgressStore::exam(qint64 id) {
    return guarded<ExamRecord>({}, [&] { return readExam(id); });
}

QList<ChapterStats> ProgressStore::chapterStats() {
    return guarded<QList<ChapterStats>>({}, [&] {
        Statement stats(db(), u"select b.chapter, count(*), count(s.qkey),"
                              " coalesce(sum(s.answered), 0), coalesce(sum(s.right_count), 0)"
                              " from temp.bank_question b left join question q"
                              " on q.bank_id = b.bank_id and q.hash = b.hash"
                              " left join seen s on s.qkey = q.qkey"
                              " group by b.chapter order by b.chapter"_s);
        QList<ChapterStats> list;
        while (stats.step())
            list.append({int(stats.columnInt64(0)), int(stats.columnInt64(1)),
                         int(stats.columnInt64(2)), int(stats.columnInt64(3)),
                         int(stats.columnInt64(4))});
        return list;
    });
}

Summary ProgressStore::summary() {
    return guarded<Summary>({}, [&] {
        Summary summary;
        Statement counts(db(), u"select (select count(*) from temp.bank_question),"
                               " (select count(*) from seen t %1),"
                               " (select count(*) from book t %1)"_s.arg(kOfTheBank));
        counts.step();
        summary.total = int(counts.columnInt64(0));
        summary.answered = int(counts.columnInt64(1));
        summary.bookSize = int(counts.columnInt64(2));
        Statement last(db(), u"select score from exam order by ended_ms desc, id desc limit 1"_s);
        if (last.step())
            summary.lastExamScore = int(last.columnInt64(0));
        return summary;
    });
}

void ProgressStore::setRightsToLeave(int rights) {
    guarded([&] {
        Transaction transaction(db());
        Statement write(db(),
                        u"insert or replace into setting values('book_rights_to_leave', ?)"_s);
        write.bind(1, std::max(1, rights));
        write.step();
        m_rightsToLeave = std::max(1, rights);
        rebuildDerived();
        transaction.commit();
    });
}

ProgressData ProgressStore::allData() {
    return guarded<ProgressData>({}, [&] {
        ProgressData data;
        Statement answers(db(), u"select a.at_ms, a.mode, q.bank_id, q.hash, q.chapter, a.given,"
                                " a.is_right, a.spent_ms from answer a"
                                " join question q on q.qkey = a.qkey order by a.at_ms, a.id"_s);
        while (answers.step())
            data.answers.append({timeOf(answers.columnInt64(0)),
                                 answers.column(1).toString(),
                                 {{answers.columnInt64(2), answers.column(3).toString()},
                                  int(answers.columnInt64(4))},
                                 answers.column(5).toString(),
                                 answers.columnInt64(6) != 0,
                                 answers.columnInt64(7)});
        for (const ExamRecord &head : readExams())
            data.exams.prepend(readExam(head.id));
        Statement favourites(db(), u"select q.bank_id, q.hash, q.chapter, f.added_ms"
                                   " from favourite f join question q on q.qkey = f.qkey"
                                   " order by f.added_ms"_s);
        while (favourites.step())
            data.favourites.append({{{favourites.columnInt64(0), favourites.column(1).toString()},
                                     int(favourites.columnInt64(2))},
                                    timeOf(favourites.columnInt64(3))});
        return data;
    });
}

MergeCount ProgressStore::merge(const ProgressData &data) {
    return guarded<MergeCount>({}, [&] {
        MergeCount added;
        Transaction transaction(db());
        for (const AnswerRecord &answer : data.answers)
            added.answers += int(insertAnswer(questionKey(answer.question), answer));
        // An exam's items were exported among the answers too; those are ignored as duplicates.
        for (const ExamRecord &exam : data.exams)
            added.exams += int(insertExam(exam) != 0);
        Statement favourite(db(), u"insert or ignore into favourite values(?, ?)"_s);
        for (const auto &mark : data.favourites) {
            favourite.bind(1, questionKey(mark.question));
            favourite.bind(2, msOf(mark.added));
            favourite.step();
            favourite.reset();
            added.favourites += int(db().changes());
        }
        rebuildDerived();
        transaction.commit();
        return added;
    });
}

void ProgressStore::reset() {
    guarded([&] {
        Transaction transaction(db());
        for (const QString &table :
             {u"exam_item"_s, u"exam"_s, u"answer"_s, u"favourite"_s, u"seen"_s, u"book"_s})
            db().exec(u"delete from "_s + table);
        transaction.commit();
    });
}

} // namespace progress
