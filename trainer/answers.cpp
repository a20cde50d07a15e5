#include "answers.h"

namespace trainer {

QString SortAnswerLetters(const QString &text) {
    QString letters;
    for (const QChar letter : {u'A', u'B', u'C', u'D'}) {
        if (text.contains(letter))
            letters += letter;
    }
    return letters;
}

QString RightAnswerLetters(const QString &ans) {
    QString letters = ans;
    letters.replace(u'1', u'A').replace(u'2', u'B').replace(u'3', u'C').replace(u'4', u'D');
    return SortAnswerLetters(letters);
}

} // namespace trainer
