#include "notices.h"

#include <QMessageBox>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

namespace {

// A message box whose buttons read in Chinese whether or not Qt's translations are installed.
QMessageBox::StandardButton ask(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                const QString &text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, text, buttons, parent);
    const std::pair<QMessageBox::StandardButton, QString> captions[] = {
        {QMessageBox::Ok, u"确定"_s},
        {QMessageBox::Yes, u"是(&Y)"_s},
        {QMessageBox::No, u"否(&N)"_s}};
    for (const auto &[button, caption] : captions) {
        if (QAbstractButton *shown = box.button(button))
            shown->setText(caption);
    }
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

void MessageBoxNotices::information(const QString &text, const QString &title) {
    ask(m_parent, QMessageBox::Information, title, text, QMessageBox::Ok);
}

bool MessageBoxNotices::question(const QString &text, const QString &title) {
    return ask(m_parent, QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

} // namespace trainer
