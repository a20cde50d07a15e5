#pragma once

#include <QFunctionPointer>

namespace trainer {

// Parts that load heavy libraries (the media player, the charts) are modules of their own,
// loaded when first needed, so that the start page never pays for them. Installed, a module sits
// beside the program; in a build tree, in the build's module folder.
//
// The entry point named symbol of the module; null, with the reason logged, when the module
// cannot be found or loaded. Once loaded, a module stays for the rest of the run.
QFunctionPointer moduleEntry(const char *module, const char *symbol);

} // namespace trainer
