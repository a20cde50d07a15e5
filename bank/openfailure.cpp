#include "bank/openfailure.h"

using namespace Qt::Literals::StringLiterals;

namespace bank {

QString openFailureReason(const Error &error) {
    switch (error.number()) {
    case errors::FileNotFound:
        return u"文件不存在"_s;
    case errors::NotABank:
        return u"不是题库文件"_s;
    case errors::WrongPassword:
        return u"密码错误"_s;
    default:
        break;
    }
    // The engine names a missing table or column only in its message.
    const QString description = error.description();
    if (description.contains(u"no such table"_s) || description.contains(u"no such column"_s))
        return u"缺少表或列"_s;
    return u"无法读取（"_s + description + u"）"_s;
}

} // namespace bank
