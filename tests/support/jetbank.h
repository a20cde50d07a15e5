#pragma once

#include "bank/bankwriter.h"
#include "fixturebank.h"
#include "jetwriter.h"

namespace jetfixture {

// The two tables of a question bank with the column types of the original Jet banks: `question`
// a memo, the other texts text columns, the numbers long integers (the chapters' `state` an
// integer).
Database questionBank(const bank::BankRows &rows);
Database questionBank(const QList<fixture::Chapter> &chapters,
                      const QList<fixture::Question> &questions);

// Writes questionBank(...) to `path` with the editions' database password.
void writeJetBank(const QString &path, const QList<fixture::Chapter> &chapters,
                  const QList<fixture::Question> &questions);

} // namespace jetfixture
