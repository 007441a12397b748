#pragma once
// The program's pseudo-random numbers: uniform numbers in [0, 1) from one
// shared generator, and generators of their own for operations that keep a
// seed. Tests make the clock seed repeatable by fixing it.
#include <cstdint>
#include <optional>

namespace Random {
double next();                  // uniform in [0, 1)
void seed(std::uint64_t value); // a fixed sequence from here on
void randomize();               // reseed from the clock (or from the fixed clock seed)
// Makes randomize() use `value` instead of the clock; std::nullopt restores the clock.
void fixClockSeed(std::optional<std::uint64_t> value);
// A seed for an operation that keeps its own: the clock, or the fixed clock seed.
std::uint64_t clockSeed();

// Where the shared generator stands, to draw the same numbers again from there.
struct State {
    std::uint64_t words[4];
};
State state();
void setState(const State& state);

// A generator of its own, for an operation that draws the same numbers each
// time it is drawn: uniform numbers in [0, 1) from `seed`, the sequence
// seed() followed by next() gives.
class Generator {
public:
    explicit Generator(std::uint64_t seed);
    double next();

private:
    std::uint64_t s_[4];
};
}
