#pragma once

#include "trainer/edition.h"

namespace trainer {

// The start of either program, as the learner starts it: the application, the trainer window
// with the edition's settings, the event loop. Returns the program's exit status.
int runEdition(int argc, char **argv, const Edition &edition);

} // namespace trainer
