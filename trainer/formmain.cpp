// Start-up and shut-down of the trainer window.
#include "formmain.h"

#include "notices.h"

namespace trainer {

FormMain::FormMain(const Edition &edition, Notices *notices, const QString &programFolder,
                   QWidget *parent)
    : QWidget(parent), m_edition(edition), m_programFolder(programFolder), m_notices(notices) {}

FormMain::~FormMain() = default;

} // namespace trainer
