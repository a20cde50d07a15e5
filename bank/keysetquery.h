#pragma once

#include <QString>

namespace bank {

// The statements behind a keyset record set over "select <columns> from <table> <rest>":
// the keys (rowids) in the set's order, a block of records by their keys or by a range of
// keys, and storing `state` by key.
struct KeysetQuery {
    QString keys;    // select <table>.rowid from <table> <rest>
    QString byKeys;  // select rowid,<columns> from <table> where rowid in(?,?,...)
    QString byRange; // select rowid,<columns> from <table> where rowid between ? and ?
    QString store;   // update <table> set state=? where rowid=?
};

// Throws Error when the SELECT does not read a single table.
KeysetQuery keysetQuery(const QString &sqliteSelect, int blockSize);

} // namespace bank
