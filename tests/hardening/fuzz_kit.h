// A small fuzzer of our own for the platform's decoders: a fixed seed,
// mutations of the tests' own fixtures (bit and byte changes, interesting
// 16- and 32-bit values, insertions, deletions, repeats, truncations,
// corrupted length fields and pieces of the format spliced in), each input placed right before a guard page so
// that a read past its end faults, and each run under a time limit.
//
// QUILLON_FUZZ_INPUTS sets the inputs per decoder (default 3000),
// QUILLON_FUZZ_SEED the seed, QUILLON_FUZZ_LIMIT_MS the limit per input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace fuzz {

using Bytes = std::vector<uint8_t>;

// A field of a fixture that gives a length or a count.
struct LengthField {
    size_t offset;
    int width;  // 1, 2 or 4 bytes, little-endian
};

struct Seed {
    Bytes bytes;
    std::vector<LengthField> lengths;
    // Pieces of the format (tokens of a text) to insert, and the width of
    // its units: insertions, deletions and repeats keep to whole units.
    std::vector<Bytes> dictionary = {};
    size_t unit = 1;
};

// Deterministic: the same seed gives the same inputs on every machine.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed ? seed : 1) {}
    uint32_t Next();
    uint32_t Below(uint32_t bound) { return bound ? Next() % bound : 0; }
    bool OneIn(uint32_t n) { return Below(n) == 0; }

private:
    uint64_t state_;
};

// One input: a seed with one to four mutations stacked on it.
Bytes Mutate(Random& random, const Seed& seed, size_t maxSize = 1 << 16);

int InputCount();

// Runs check over the seeds as they are and over InputCount() mutations
// of them; stops at the first input that fails a check and prints it. The
// check answers whether the decoder read the input (rather than refused
// it): a run in which few inputs are read tests little, and fails.
void Run(const std::string& decoder, const std::vector<Seed>& seeds,
         const std::function<bool(const uint8_t* data, size_t size)>& check, int count = InputCount());

std::string Hex(const uint8_t* data, size_t size, size_t limit = 512);

}  // namespace fuzz
