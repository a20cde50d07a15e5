#include "jeterror.h"

using namespace Qt::Literals::StringLiterals;

namespace bank {

Error jetError(JetProblem problem, const QString &file, const QString &detail) {
    QString description;
    switch (problem) {
    case JetProblem::Damaged:
        description = u"Cannot open database '%1': the file is damaged (%2)"_s;
        break;
    case JetProblem::Format:
        description = u"Unrecognized database format '%1': %2; only Jet 4.0 banks are read"_s;
        break;
    case JetProblem::MissingTable:
        description = u"The bank '%1' has no table '%2'"_s;
        break;
    case JetProblem::MissingColumn:
        description = u"The bank '%1' has no column '%2'"_s;
        break;
    case JetProblem::ValueTooLong:
        description = u"A value in the bank '%1' is too long to read (%2)"_s;
        break;
    case JetProblem::CacheNotWritable:
        description = u"Cannot make a copy of the bank '%1' in the cache folder: %2"_s;
        break;
    }
    return Error(int(problem), description.arg(file, detail));
}

} // namespace bank
