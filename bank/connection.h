#pragma once

#include <QString>

#include <memory>

namespace bank {

class RecordSet;

// The one connection to a question bank: connection text in, an open encrypted database out.
// Every SQL text is given in the program's own (Jet) dialect and translated before it runs.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    void setConnectionString(const QString &text);
    QString connectionString() const;

    // Opens the file named by Data Source (`\` is a separator on every platform) with the
    // database password; throws Error when the file is missing, is not a bank or the password
    // is wrong. Never creates or alters the file. Closing also closes the sets opened on it.
    void open();
    void close(); // closing a closed connection does nothing
    bool isOpen() const;
    // The bank file or its folder cannot be written (or the text says "Mode=Read"): the
    // learner's answers are kept in memory for this run and the file is never written.
    bool isReadOnly() const;

    // Runs a statement that returns no rows (e.g. "update shiti2012 set state=''").
    void execute(const QString &jetSql);

private:
    friend class RecordSet; // a set registers with the connection it is opened on
    struct Impl;
    Impl &impl() const;

    std::unique_ptr<Impl> d;
};

} // namespace bank
