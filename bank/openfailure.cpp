#include "bank/openfailure.h"

#include "bank/jeterror.h"

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
    case int(JetProblem::Damaged):
        return u"文件已损坏或不完整"_s;
    case int(JetProblem::Format):
        return u"不支持这种 Access 数据库版本（只读取 Jet 4.0）"_s;
    case int(JetProblem::MissingTable):
    case int(JetProblem::MissingColumn):
        return u"缺少表或列"_s;
    case int(JetProblem::ValueTooLong):
        return u"题目文字过长，无法读取"_s;
    case int(JetProblem::CacheNotWritable):
        return u"无法在缓存文件夹中建立题库副本"_s;
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
