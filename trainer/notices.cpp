#include "notices.h"

#include <QMessageBox>

namespace trainer {

void MessageBoxNotices::information(const QString &text, const QString &title) {
    QMessageBox::information(m_parent, title, text, QMessageBox::Ok);
}

bool MessageBoxNotices::question(const QString &text, const QString &title) {
    return QMessageBox::question(m_parent, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

} // namespace trainer
