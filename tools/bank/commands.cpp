#include "commands.h"

#include "bankcheck.h"
#include "bankfile.h"
#include "sourceparser.h"
#include "sourcewriter.h"

#include "bank/error.h"
#include "bank/jetcopy.h"
#include "bank/jetformat.h"
#include "bank/schema.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

namespace banktool {

namespace {

const QString kUsage = u"usage: safedrive-bank build SOURCE.json OUT\n"
                       "       safedrive-bank import JET_BANK OUT\n"
                       "       safedrive-bank dump BANK\n"
                       "       safedrive-bank check BANK [--media DIR] [--clips DIR]\n"
                       "BANK may be an encrypted bank or a Jet 4.0 (Access) bank.\n"_s;

int usage(QTextStream &err, const QString &problem) {
    err << u"safedrive-bank: "_s << problem << u'\n' << kUsage;
    return Usage;
}

int report(QTextStream &stream, const QString &file, const QList<Problem> &problems) {
    for (const Problem &problem : problems)
        stream << describe(file, problem) << u'\n';
    return problems.isEmpty() ? Success : Failure;
}

int build(const QString &source, const QString &target, QTextStream &out, QTextStream &err) {
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        err << source << u": cannot read: "_s << file.errorString() << u'\n';
        return Failure;
    }
    const ParsedSource parsed = parseSource(file.readAll());
    if (report(err, source, parsed.problems + checkBank(parsed.bank)) != Success)
        return Failure;
    try {
        writeBankFile(parsed.bank, target);
    } catch (const bank::Error &error) {
        err << target << u": cannot write the bank: "_s << error.description() << u'\n';
        return Failure;
    }
    out << target << u": "_s << parsed.bank.chapters.size() << u" chapters, "_s
        << parsed.bank.questions.size() << u" questions\n"_s;
    return Success;
}

// Reads a bank of either format: a Jet bank through a copy in a temporary folder.
ReadBank readAnyBank(const QString &path) {
    if (bank::jetFormatOf(path) == bank::JetFormat::None)
        return readBankFile(path);
    const QTemporaryDir folder;
    if (!folder.isValid())
        throw bank::Error(0, u"cannot create a temporary folder: "_s + folder.errorString());
    const QString copy = folder.filePath(u"bank"_s);
    bank::copyJetBank(path, copy, QLatin1String(bank::kBankPassword));
    return readBankFile(copy);
}

std::optional<ReadBank> read(const QString &path, QTextStream &err) {
    try {
        return readAnyBank(path);
    } catch (const bank::Error &error) {
        err << path << u": cannot read the bank: "_s << error.description() << u'\n';
        return std::nullopt;
    }
}

int dump(const QString &path, QTextStream &out, QTextStream &err) {
    const auto read = banktool::read(path, err);
    if (!read)
        return Failure;
    if (report(err, path, read->problems) != Success)
        return Failure;
    out << QString::fromUtf8(toSourceJson(read->bank));
    return Success;
}

// The report of `check` on a bank just read (without media folders).
int report(const QString &path, const ReadBank &read, const MediaFolders &folders,
           QTextStream &out) {
    const int status = report(out, path, read.problems + checkBank(read.bank, folders));
    if (status == Success)
        out << path << u": no problems in "_s << read.bank.chapters.size() << u" chapters and "_s
            << read.bank.questions.size() << u" questions\n"_s;
    return status;
}

int import(const QString &jetBank, const QString &target, QTextStream &out, QTextStream &err) {
    try {
        bank::copyJetBank(jetBank, target, QLatin1String(bank::kBankPassword));
    } catch (const bank::Error &error) {
        err << jetBank << u": cannot import the bank: "_s << explain(error) << u'\n';
        return Failure;
    }
    const auto read = banktool::read(target, err);
    return read ? report(target, *read, {}, out) : Failure;
}

int check(const QStringList &arguments, QTextStream &out, QTextStream &err) {
    if (arguments.isEmpty() || arguments.first().startsWith(u"--"_s))
        return usage(err, u"check expects a BANK"_s);
    QString media;
    QString clips;
    for (qsizetype i = 1; i < arguments.size(); i += 2) {
        const QString &option = arguments[i];
        if (option != u"--media"_s && option != u"--clips"_s)
            return usage(err, u"check: unknown argument \"%1\""_s.arg(option));
        if (i + 1 >= arguments.size())
            return usage(err, u"check: %1 expects a folder"_s.arg(option));
        const QString &folder = arguments[i + 1];
        if (!QDir(folder).exists())
            return usage(err, u"check: %1 folder \"%2\" does not exist"_s.arg(option, folder));
        (option == u"--media"_s ? media : clips) = folder;
    }
    const auto read = banktool::read(arguments.first(), err);
    if (!read)
        return Failure;
    return report(arguments.first(), *read, {media, clips.isEmpty() ? media : clips}, out);
}

} // namespace

int runCommand(const QStringList &arguments, QTextStream &out, QTextStream &err) {
    if (arguments.isEmpty())
        return usage(err, u"a command is missing"_s);
    const QString &command = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (command == u"build"_s)
        return rest.size() == 2 ? build(rest[0], rest[1], out, err)
                                : usage(err, u"build expects SOURCE.json and OUT"_s);
    if (command == u"import"_s)
        return rest.size() == 2 ? import(rest[0], rest[1], out, err)
                                : usage(err, u"import expects JET_BANK and OUT"_s);
    if (command == u"dump"_s)
        return rest.size() == 1 ? dump(rest[0], out, err) : usage(err, u"dump expects a BANK"_s);
    if (command == u"check"_s)
        return check(rest, out, err);
    if (command == u"help"_s || command == u"--help"_s) {
        out << kUsage;
        return Success;
    }
    return usage(err, u"unknown command \"%1\""_s.arg(command));
}

} // namespace banktool
