#pragma once

#include "core/error.h"

namespace bank {

// A failure of the question-bank layer: the engine's number and its description.
class Error : public core::Error {
public:
    using core::Error::Error;
};

// The numbers of the failures that say why a bank cannot be opened (SQLite's result codes).
namespace errors {
inline constexpr int FileNotFound = 14;  // SQLITE_CANTOPEN
inline constexpr int NotABank = 26;      // SQLITE_NOTADB
inline constexpr int WrongPassword = 23; // SQLITE_AUTH: an encrypted file the key does not open
} // namespace errors

} // namespace bank
