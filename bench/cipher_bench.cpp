// Times our Blowfish against OpenSSL's on the same data: one block, the key schedule, and the
// 32-byte CBC buffer that "pwfile.dat" holds.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/blowfish.h>

#include <benchmark/benchmark.h>

#include <cstdint>

#include "cipher/blowfish.h"

namespace {

const std::uint8_t KEY[16] = {0x3F, 0x87, 0xB9, 0xF1, 0x12, 0xC1, 0x2B, 0x7A,
                              0x18, 0x0D, 0x6D, 0x86, 0xC0, 0xEE, 0x84, 0x53};

void OursEncryptBlock(benchmark::State& state) {
    const BlowfishCipher cipher(KEY, sizeof KEY, CipherBlock(0, 0));
    CipherBlock block(0x01234567u, 0x89ABCDEFu);
    for (auto _ : state) {
        cipher.EncryptBlock(block);
        benchmark::DoNotOptimize(block);
    }
}

void OpenSslEncryptBlock(benchmark::State& state) {
    BF_KEY schedule;
    BF_set_key(&schedule, sizeof KEY, KEY);
    BF_LONG block[2] = {0x01234567u, 0x89ABCDEFu};
    for (auto _ : state) {
        BF_encrypt(block, &schedule);
        benchmark::DoNotOptimize(block);
    }
}

void OursKeySchedule(benchmark::State& state) {
    for (auto _ : state) {
        BlowfishCipher cipher(KEY, sizeof KEY, CipherBlock(0, 0));
        benchmark::DoNotOptimize(&cipher);
    }
}

void OpenSslKeySchedule(benchmark::State& state) {
    BF_KEY schedule;
    for (auto _ : state) {
        BF_set_key(&schedule, sizeof KEY, KEY);
        benchmark::DoNotOptimize(&schedule);
    }
}

void OursCbc32(benchmark::State& state) {
    BlowfishCipher cipher(KEY, sizeof KEY, CipherBlock(0, 0));
    std::uint8_t buffer[32] = {'a', 'b', 'c'};
    for (auto _ : state) {
        cipher.EncryptBuffer(buffer, sizeof buffer, CBC);
        benchmark::DoNotOptimize(buffer);
    }
}

void OpenSslCbc32(benchmark::State& state) {
    BF_KEY schedule;
    BF_set_key(&schedule, sizeof KEY, KEY);
    std::uint8_t buffer[32] = {'a', 'b', 'c'};
    for (auto _ : state) {
        std::uint8_t iv[8] = {};
        BF_cbc_encrypt(buffer, buffer, sizeof buffer, &schedule, iv, BF_ENCRYPT);
        benchmark::DoNotOptimize(buffer);
    }
}

}  // namespace

BENCHMARK(OursEncryptBlock);
BENCHMARK(OpenSslEncryptBlock);
BENCHMARK(OursKeySchedule);
BENCHMARK(OpenSslKeySchedule);
BENCHMARK(OursCbc32);
BENCHMARK(OpenSslCbc32);
BENCHMARK_MAIN();
