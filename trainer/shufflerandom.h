#pragma once

#include <QtGlobal>

#include <functional>
#include <random>

namespace trainer {

// The uniform generator behind every shuffle of an examination paper: numbers in [0, 1),
// reseeded before each shuffle. The program seeds from a high-resolution clock; tests hand in
// their own seeds so that a paper can be composed again exactly.
class ShuffleRandom {
public:
    using SeedSource = std::function<quint64()>;

    ShuffleRandom(); // seeds from clockSeed()
    explicit ShuffleRandom(SeedSource seeds);

    void reseed();
    double next(); // uniform in [0, 1), never 1

private:
    SeedSource m_seeds;
    std::mt19937_64 m_engine;
};

// The high-resolution clock mixed with a count of calls: two reseeds within one clock tick still
// give different seeds.
quint64 clockSeed();

} // namespace trainer
