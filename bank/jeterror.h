#pragma once

#include "error.h"

namespace bank {

// Why a Jet bank cannot be used. Each value is the number the thrown Error carries (the number
// the Jet engine's own data-access layer gives the same failure), so that a message for the
// learner can be chosen by number; the descriptions all live in jeterror.cpp.
enum class JetProblem {
    Damaged = 3049,          // pages missing or unreadable: a truncated or damaged file
    Format = 3343,           // not a Jet 4.0 file: a Jet 3 file, a newer Access file
    MissingTable = 3078,     // shiti2012 or zhangjie is missing
    MissingColumn = 3265,    // a column the program reads is missing
    ValueTooLong = 3163,     // a text too long for this reader
    CacheNotWritable = 3051, // the user's cache folder takes no copy of the bank
};

// The Error for a problem with the Jet file `file`; `detail` names the page, table, column or
// folder concerned.
Error jetError(JetProblem problem, const QString &file, const QString &detail = {});

} // namespace bank
