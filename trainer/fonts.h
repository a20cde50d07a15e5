#pragma once

namespace trainer {

// Maps the designed fonts (Tahoma, 宋体) to fonts installed here; safe to call more than once.
void installFontSubstitutions();

} // namespace trainer
