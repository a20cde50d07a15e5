#pragma once

#include <QtGlobal>

#include <array>

namespace trainer {

// The answer-sheet legend: its five swatches in order and their colours (0x00BBGGRR). The cells
// are always coloured with these.
enum class Swatch { NotAnswered = 0, Current = 1, Answered = 2, Right = 3, Wrong = 4 };

inline constexpr std::array<quint32, 5> kLegendColors = {0xFEFDFF, 0x0042BE, 0x84BFFE, 0xFE7F80,
                                                         0x0000FE};

constexpr quint32 legendColor(Swatch swatch) {
    return kLegendColors[size_t(swatch)];
}

} // namespace trainer
