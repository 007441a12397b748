#include "platform/Random.h"

#include <chrono>
#include <random>

namespace {
std::mt19937_64& generator()
{
    static std::mt19937_64 engine(std::random_device{}());
    return engine;
}
std::optional<std::uint64_t>& fixedClockSeed()
{
    static std::optional<std::uint64_t> value;
    return value;
}
}

double Random::next()
{
    return std::generate_canonical<double, 53>(generator()) * (1.0 - 1e-16); // never exactly 1
}

void Random::seed(std::uint64_t value)
{
    generator().seed(value);
}

void Random::randomize()
{
    if (fixedClockSeed()) {
        generator().seed(*fixedClockSeed());
        return;
    }
    generator().seed(std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()));
}

void Random::fixClockSeed(std::optional<std::uint64_t> value)
{
    fixedClockSeed() = value;
}
