// The examination: start, paper composition, clock and hand-in.
#include "formmain.h"

namespace trainer {

void FormMain::StartExam() {}

void FormMain::Timer1_Timer() {}

void FormMain::imgCommit_Click() {}

} // namespace trainer
