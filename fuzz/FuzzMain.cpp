// Runs a fuzz target without a fuzzing engine: over the files named on the command line, or else
// over the built-in seeds, every truncation of them, single-bit flips and a fixed run of random
// mutations. Deterministic, so a failure found in CI reproduces. With --write-seeds DIR it writes
// the seeds as files instead, the corpus a fuzzing engine starts from.
#include "FuzzSeeds.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void Run(const std::vector<uint8_t>& input) {
    LLVMFuzzerTestOneInput(input.data(), input.size());
}

class Random {
public:
    uint32_t Next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return static_cast<uint32_t>(m_state >> 32);
    }
    size_t Below(size_t limit) { return limit == 0 ? 0 : Next() % limit; }

private:
    uint64_t m_state = 0x9E3779B97F4A7C15ull;
};

void Mutate(std::vector<uint8_t>& input, Random& random) {
    static constexpr uint8_t kInteresting[] = {0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF};
    switch (random.Below(5)) {
    case 0:
        if (!input.empty()) {
            input[random.Below(input.size())] ^= static_cast<uint8_t>(1u << random.Below(8));
        }
        break;
    case 1:
        if (!input.empty()) {
            input[random.Below(input.size())] = kInteresting[random.Below(std::size(kInteresting))];
        }
        break;
    case 2:
        input.insert(input.begin() + static_cast<std::ptrdiff_t>(random.Below(input.size() + 1)),
                     static_cast<uint8_t>(random.Next()));
        break;
    case 3:
        if (!input.empty()) {
            const size_t from = random.Below(input.size());
            const size_t count = 1 + random.Below(std::min<size_t>(16, input.size() - from));
            input.erase(input.begin() + static_cast<std::ptrdiff_t>(from),
                        input.begin() + static_cast<std::ptrdiff_t>(from + count));
        }
        break;
    default:
        // A length field nearby grows or shrinks: shift a 32-bit little-endian value.
        if (input.size() >= 4) {
            const size_t at = random.Below(input.size() - 3);
            input[at + random.Below(4)] += static_cast<uint8_t>(1 + random.Below(3));
        }
        break;
    }
}

// Writes each seed to its own file in `folder`, the starting corpus for a fuzzing engine.
int WriteSeeds(const std::string& folder) {
    const std::vector<std::vector<uint8_t>> seeds = fuzz::Seeds();
    for (size_t i = 0; i < seeds.size(); ++i) {
        std::ofstream file(folder + "/seed-" + std::to_string(i), std::ios::binary);
        file.write(reinterpret_cast<const char*>(seeds[i].data()),
                   static_cast<std::streamsize>(seeds[i].size()));
        if (!file) {
            std::fprintf(stderr, "cannot write seeds to %s\n", folder.c_str());
            return 2;
        }
    }
    std::printf("%zu seeds\n", seeds.size());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    size_t runs = 0;
    if (argc == 3 && std::string(argv[1]) == "--write-seeds") {
        return WriteSeeds(argv[2]);
    }
    // --brief, for targets whose every input costs a file or a hosted control: every
    // truncation, then a few hundred mutations.
    const bool brief = argc == 2 && std::string(argv[1]) == "--brief";
    if (argc > 1 && !brief) {
        for (int i = 1; i < argc; ++i) {
            std::ifstream file(argv[i], std::ios::binary);
            if (!file) {
                std::fprintf(stderr, "cannot read %s\n", argv[i]);
                return 2;
            }
            Run(std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {}));
            ++runs;
        }
        std::printf("%zu inputs\n", runs);
        return 0;
    }

    const std::vector<std::vector<uint8_t>> seeds = fuzz::Seeds();
    for (const auto& seed : seeds) {
        for (size_t length = 0; length <= seed.size(); ++length) {
            Run(std::vector<uint8_t>(seed.begin(),
                                     seed.begin() + static_cast<std::ptrdiff_t>(length)));
            ++runs;
        }
        for (size_t bit = 0; !brief && bit < seed.size() * 8; ++bit) {
            std::vector<uint8_t> flipped = seed;
            flipped[bit / 8] ^= static_cast<uint8_t>(1u << (bit % 8));
            Run(flipped);
            ++runs;
        }
    }
    Random random;
    const size_t mutations = brief ? 300 : 10000;
    for (size_t i = 0; i < mutations; ++i) {
        std::vector<uint8_t> input = seeds[random.Below(seeds.size())];
        const size_t steps = 1 + random.Below(4);
        for (size_t step = 0; step < steps; ++step) {
            Mutate(input, random);
        }
        Run(input);
        ++runs;
    }
    std::printf("%zu inputs\n", runs);
    return 0;
}
