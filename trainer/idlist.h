#pragma once

#include "shufflerandom.h"

#include <QList>
#include <QString>

namespace trainer {

// The numbers of the trainer's own failures, thrown as core::Error.
namespace errors {
inline constexpr int TypeMismatch = 13;       // a value that is no whole number
inline constexpr int SubscriptOutOfRange = 9; // a pool short of its quota, an empty id list
} // namespace errors

// A random permutation of a: each step draws one of the elements still left, fills its gap with
// the last one and shrinks a by one; the element left over ends the result. Reseeds first.
template <class T> QList<T> ShuffleArray(QList<T> a, ShuffleRandom &random) {
    random.reseed();
    QList<T> r;
    r.reserve(a.size());
    while (a.size() > 1) {
        const qsizetype u = a.size() - 1;
        const auto k = qsizetype(random.next() * double(u + 1)); // 0 <= k <= u
        r.append(a[k]);
        a[k] = a[u];
        a.removeLast();
    }
    r.append(a); // the element left over (none for an empty array)
    return r;
}

// The ids of a list ("3,1,2", without its last comma) in a random order, each followed by ",";
// the empty list gives the empty text.
QString ShuffleIdList(const QString &list, ShuffleRandom &random);

// The query that opens a paper: the questions of the id list ("5,9,2") in the reverse of the
// list's order. Ids are matched whole (",12," never matches inside ",123,"), so the paper is
// exactly the reversed list. Throws core::Error unless every element is a whole number.
QString examPaperSql(const QString &idList);

} // namespace trainer
