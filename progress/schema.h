// The progress store's tables, and the steps that bring an older store up to date.
#pragma once

#include <QStringList>

namespace bank::sqlite {
class Database;
}

namespace progress {

// The statements of each step; step i takes a store from user_version i to i + 1.
const QList<QStringList> &schemaSteps();

// The user_version of a store written by this program.
int currentSchemaVersion();

// Runs the steps from the store's user_version up to the current one, in one transaction.
// The caller has made sure the store is not newer than this program.
void migrate(bank::sqlite::Database &db);

// The store's user_version.
int schemaVersion(bank::sqlite::Database &db);

} // namespace progress
