#pragma once

#include <QString>

namespace bank {

// The statements behind a keyset record set over "select <columns> from <table> <rest>":
// the keys (rowids) in the set's order, one record by its key, and storing `state` by key.
struct KeysetQuery {
    QString keys;  // select <table>.rowid from <table> <rest>
    QString row;   // select <columns> from <table> where rowid=?
    QString store; // update <table> set state=? where rowid=?
};

// Throws Error when the SELECT does not read a single table.
KeysetQuery keysetQuery(const QString &sqliteSelect);

} // namespace bank
