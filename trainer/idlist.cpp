#include "idlist.h"

#include "bank/wholenumber.h"

#include <stdexcept>

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
        if (!bank::isWholeNumber(id))
            throw std::invalid_argument("id list holds something other than whole numbers");
    }
    return u"select question,ans1,ans2,ans3,ans4,ans,bmp,flash,txbz,state from shiti2012 "
           "where id in("_s +
           idList + u") order by Instr(',"_s + idList + u",',','+cstr(id)+',') desc"_s;
}

} // namespace trainer
