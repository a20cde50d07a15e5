#pragma once

#include <QString>

#include <array>

namespace bank {

// The password of both editions' banks, as it stands in their connection text.
inline constexpr char kBankPassword[] = "Tq4vLm8rXc2nWp6s";

// The two tables of a question bank, as the bank tool and the test fixtures create them. The
// columns `jiexi` (a question's explanation) and `yiju` (the rule it rests on) came later and are
// added by the bank writer only for rows that carry them: banks without them stay valid. The
// first two indexes serve the id pools of paper composition (chapter and type), which would
// otherwise scan the whole table eight times per paper. The third gives a practice set's keys
// (chapters in id order) without reading every row. The last holds the answered rows only, so
// that emptying every answer at a mode switch visits those rows, not the whole table.
inline QString schemaSql() {
    return QStringLiteral(
        "create table shiti2012 (id integer primary key, question text, ans1 text, ans2 text, "
        "ans3 text, ans4 text, ans text, bmp text, flash text, txbz text, state text, "
        "zhangjie integer);"
        "create table zhangjie (zhangjieid integer primary key, zhangjiename text, "
        "state integer);"
        "create index shiti2012_chapter_type on shiti2012 (zhangjie, txbz, id);"
        "create index shiti2012_type_chapter on shiti2012 (txbz, zhangjie, id);"
        "create index shiti2012_id_chapter on shiti2012 (id, zhangjie);"
        "create index shiti2012_answered on shiti2012 (state) where state is not '';");
}

// The columns of each table, in the order bank::BankRows holds a row's values.
inline constexpr std::array<const char *, 12> kQuestionColumns = {
    "id",  "question", "ans1",  "ans2", "ans3",  "ans4",
    "ans", "bmp",      "flash", "txbz", "state", "zhangjie"};
// Written by our tool after those twelve; a bank (or a Jet file) without them stays valid.
inline constexpr std::array<const char *, 2> kExplanationColumns = {"jiexi", "yiju"};
inline constexpr std::array<const char *, 3> kChapterColumns = {"zhangjieid", "zhangjiename",
                                                                "state"};

} // namespace bank
