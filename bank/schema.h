#pragma once

#include <QString>

namespace bank {

// The password of both editions' banks, as it stands in their connection text.
inline constexpr char kBankPassword[] = "Tq4vLm8rXc2nWp6s";

// The two tables of a question bank, as the bank tool and the test fixtures create them.
inline QString schemaSql() {
    return QStringLiteral(
        "create table shiti2012 (id integer primary key, question text, ans1 text, ans2 text, "
        "ans3 text, ans4 text, ans text, bmp text, flash text, txbz text, state text, "
        "zhangjie integer);"
        "create table zhangjie (zhangjieid integer primary key, zhangjiename text, "
        "state integer);");
}

} // namespace bank
