#include "schema.h"

#include "bank/sqlite.h"

using namespace Qt::Literals::StringLiterals;

namespace progress {

const QList<QStringList> &schemaSteps() {
    static const QList<QStringList> steps = {
        // 0 -> 1: questions by identity, every judged answer, exams, favourites, settings, and
        // the two tables derived from the answers (per-question totals, the wrong-answer book).
        {
            u"create table question(qkey integer primary key, bank_id integer not null,"
            " hash text not null, chapter integer not null, unique(bank_id, hash))"_s,
            u"create table answer(id integer primary key, at_ms integer not null,"
            " mode text not null, qkey integer not null references question,"
            " given text not null, is_right integer not null, spent_ms integer not null,"
            " unique(at_ms, qkey))"_s,
            u"create table exam(id integer primary key, started_ms integer not null unique,"
            " ended_ms integer not null, score integer not null, passed integer not null)"_s,
            u"create table exam_item(exam_id integer not null references exam on delete cascade,"
            " position integer not null, qkey integer not null references question,"
            " given text not null, is_right integer not null, primary key(exam_id, position))"_s,
            u"create table favourite(qkey integer primary key references question,"
            " added_ms integer not null)"_s,
            u"create table setting(name text primary key, value integer not null)"_s,
            u"create table seen(qkey integer primary key references question,"
            " answered integer not null, right_count integer not null)"_s,
            u"create table book(qkey integer primary key references question,"
            " streak integer not null)"_s,
        },
        // 1 -> 2: exams listed newest first without a scan, answers read per question in order.
        {
            u"create index exam_by_end on exam(ended_ms)"_s,
            u"create index answer_by_question on answer(qkey, at_ms)"_s,
        },
    };
    return steps;
}

int currentSchemaVersion() {
    return int(schemaSteps().size());
}

int schemaVersion(bank::sqlite::Database &db) {
    bank::sqlite::Statement query(db, u"pragma user_version"_s);
    query.step();
    return int(query.columnInt64(0));
}

void migrate(bank::sqlite::Database &db) {
    bank::sqlite::Transaction transaction(db);
    const int from = schemaVersion(db);
    const auto &steps = schemaSteps();
    for (int step = from; step < steps.size(); ++step)
        for (const QString &sql : steps[step])
            db.exec(sql);
    if (from < steps.size())
        db.exec(u"pragma user_version = %1"_s.arg(steps.size()));
    transaction.commit();
}

} // namespace progress
