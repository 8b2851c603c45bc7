// Runs a fuzz target without libFuzzer: over the seed files named on the command line, then over
// a fixed number of inputs from a seeded generator (DAYVANE_FUZZ_SEED, printed), so that every
// build exercises the targets and a failure can be replayed.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int count, char** arguments) {
    int seeds = 0;
    for (int i = 1; i < count; ++i) {
        std::ifstream file(arguments[i], std::ios::binary);
        const std::vector<std::uint8_t> input((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(input.data(), input.size());
        ++seeds;
    }
    const char* seedText = std::getenv("DAYVANE_FUZZ_SEED");
    const std::uint32_t seed = seedText ? static_cast<std::uint32_t>(std::strtoul(seedText, nullptr, 0)) : std::random_device{}();
    std::mt19937 random(seed);
    constexpr int RANDOM_INPUTS = 20000;
    for (int i = 0; i < RANDOM_INPUTS; ++i) {
        std::vector<std::uint8_t> input(random() % 64);
        for (std::uint8_t& byte : input) {
            byte = static_cast<std::uint8_t>(random());
        }
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%d seed files and %d random inputs passed (DAYVANE_FUZZ_SEED=%u)\n", seeds, RANDOM_INPUTS, seed);
    return 0;
}
