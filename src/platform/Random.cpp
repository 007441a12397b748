#include "platform/Random.h"

#include <algorithm>
#include <chrono>
#include <iterator>

namespace {

// xoshiro256**: small, fast and of good quality; seeded through splitmix64.
struct Engine {
    std::uint64_t s[4];

    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    void seed(std::uint64_t value)
    {
        for (std::uint64_t& word : s) {
            value += 0x9E3779B97F4A7C15ull;
            std::uint64_t z = value;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            word = z ^ (z >> 31);
        }
    }

    std::uint64_t next()
    {
        const std::uint64_t result = rotl(s[1] * 5, 7) * 9;
        const std::uint64_t t = s[1] << 17;
        s[2] ^= s[0];
        s[3] ^= s[1];
        s[1] ^= s[2];
        s[0] ^= s[3];
        s[2] ^= t;
        s[3] = rotl(s[3], 45);
        return result;
    }
};

std::uint64_t clockValue()
{
    return std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
}

Engine& generator()
{
    static Engine engine = [] {
        Engine g{};
        g.seed(clockValue());
        return g;
    }();
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
    return double(generator().next() >> 11) * 0x1.0p-53; // 53 bits: [0, 1), never 1
}

void Random::seed(std::uint64_t value)
{
    generator().seed(value);
}

void Random::randomize()
{
    generator().seed(fixedClockSeed() ? *fixedClockSeed() : clockValue());
}

void Random::fixClockSeed(std::optional<std::uint64_t> value)
{
    fixedClockSeed() = value;
}

Random::State Random::state()
{
    State state{};
    std::copy(std::begin(generator().s), std::end(generator().s), state.words);
    return state;
}

void Random::setState(const State& state)
{
    std::copy(std::begin(state.words), std::end(state.words), generator().s);
}

std::uint64_t Random::clockSeed()
{
    return fixedClockSeed() ? *fixedClockSeed() : clockValue();
}

Random::Generator::Generator(std::uint64_t seed)
{
    Engine engine{};
    engine.seed(seed);
    std::copy(std::begin(engine.s), std::end(engine.s), s_);
}

double Random::Generator::next()
{
    Engine engine{};
    std::copy(std::begin(s_), std::end(s_), engine.s);
    const std::uint64_t value = engine.next();
    std::copy(std::begin(engine.s), std::end(engine.s), s_);
    return double(value >> 11) * 0x1.0p-53;
}
