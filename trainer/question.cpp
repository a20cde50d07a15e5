#include "trainer/question.h"

using namespace Qt::Literals::StringLiterals;

namespace trainer {

namespace {

// The question type compared as a number ("2" equals 2); a text that is no number has none.
std::optional<double> typeNumber(const QString &type) {
    bool ok = false;
    const double number = type.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(number) : std::nullopt;
}

} // namespace

bool Question::isSingleAnswer() const {
    const std::optional<double> number = typeNumber(type);
    return number == 1.0 || number == 3.0;
}

bool Question::showsConfirm() const {
    return typeNumber(type) == 2.0;
}

QString Question::title() const {
    return QString::number(position) + u'.' + stem;
}

QString Question::optionLines() const {
    // Options A to C end with a line break, D does not.
    static const char *const prefixes[] = {"A、", "B、", "C、", "D、"};
    QString lines;
    for (size_t i = 0; i < options.size(); ++i) {
        if (options[i].isEmpty())
            continue;
        lines += QString::fromUtf8(prefixes[i]) + options[i];
        if (i < 3)
            lines += u"\r\n"_s;
    }
    return lines;
}

QString questionSelect() {
    return u"select question,ans1,ans2,ans3,ans4,ans,bmp,flash,txbz,state,id,zhangjie "
           "from shiti2012 "_s;
}

QString PaperResult::scoreLine() const {
    return u"您的得分："_s + QString::number(score) + u"分！"_s;
}

QString PaperResult::verdictLine() const {
    return passed ? u"祝贺您通过考试！"_s : u"未能通过考试,还需多多练习"_s;
}

} // namespace trainer
