#include "idlist.h"

#include "core/error.h"
#include "core/wholenumber.h"
#include "trainer/question.h"

using namespace Qt::Literals::StringLiterals;

namespace trainer {

QString ShuffleIdList(const QString &list, ShuffleRandom &random) {
    if (list.isEmpty())
        return {};
    QString shuffled;
    for (const QString &id : ShuffleArray(list.split(u','), random))
        shuffled += id + u',';
    return shuffled;
}

QString examPaperSql(const QString &idList) {
    for (const QString &id : idList.split(u',')) {
        if (!core::isWholeNumber(id))
            throw core::Error(errors::TypeMismatch,
                              u"id list holds something other than whole numbers"_s);
    }
    return questionSelect() + u"where id in("_s + idList + u") order by Instr(',"_s + idList +
           u",',','+cstr(id)+',') desc"_s;
}

} // namespace trainer
