#include "shufflerandom.h"

#include <atomic>
#include <chrono>

namespace trainer {

ShuffleRandom::ShuffleRandom() : ShuffleRandom(clockSeed) {}

ShuffleRandom::ShuffleRandom(SeedSource seeds) : m_seeds(std::move(seeds)) {
    reseed();
}

void ShuffleRandom::reseed() {
    m_engine.seed(m_seeds());
}

double ShuffleRandom::next() {
    // The top 53 bits as a fraction of 2^53: exactly representable, so the result stays below 1.
    return double(m_engine() >> 11) * 0x1.0p-53;
}

quint64 clockSeed() {
    static std::atomic<quint64> calls{0};
    const auto ticks =
        quint64(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    // Spread the counter over all bits (golden-ratio step) so that neighbouring seeds differ
    // widely.
    return ticks ^ (++calls * 0x9E3779B97F4A7C15ULL);
}

} // namespace trainer
