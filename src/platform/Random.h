#pragma once
// The program's one pseudo-random generator: uniform numbers in [0, 1).
// Some tools reseed it from the clock; tests make that reseed repeatable by
// fixing the clock seed.
#include <cstdint>
#include <optional>

namespace Random {
double next();                  // uniform in [0, 1)
void seed(std::uint64_t value); // a fixed sequence from here on
void randomize();               // reseed from the clock (or from the fixed clock seed)
// Makes randomize() use `value` instead of the clock; std::nullopt restores the clock.
void fixClockSeed(std::optional<std::uint64_t> value);
}
