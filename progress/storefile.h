// Opening the progress store's file: one writer at a time, corrupt files set aside, newer
// files left alone, and a plain reason whenever progress cannot be recorded.
#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace bank::sqlite {
class Database;
}

namespace progress {

struct OpenedStore {
    std::unique_ptr<bank::sqlite::Database> db; // null when progress cannot be recorded
    std::unique_ptr<QLockFile> lock;            // held while db is open
    QString problem;                            // why db is null, in plain Chinese
    QString setAside;                           // where a corrupt file was moved, if one was
};

// Opens (creating when missing) and migrates the store at path.
OpenedStore openStoreFile(const QString &path);

// Moves path and its journal files to "<path>.corrupt-<yyyyMMdd-hhmmss>"; returns the new name
// of the main file, or an empty text when it could not be moved.
QString setCorruptFileAside(const QString &path);

// True for the SQLite result codes that mean the file's content is damaged.
bool isCorruption(int sqliteCode);

} // namespace progress
