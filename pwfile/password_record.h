// The content of "pwfile.dat": the password enciphered into one 32-byte record, and the key that
// the generator and the reminder both build at run time. Portable: no platform header.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "cipher/blowfish.h"

// The key's seed; writer and reader must agree on it, and the stored files depend on it.
inline constexpr std::uint32_t PASSWORD_KEY_SEED = 0x44617956u;  // "DayV"
inline constexpr std::size_t PASSWORD_KEY_LENGTH = 16;
inline constexpr std::size_t PASSWORD_RECORD_SIZE = 32;

// The classic linear congruential generator: state * 214013 + 2531011, 15 bits a draw.
class SeededRandom {
public:
    explicit SeededRandom(std::uint32_t seed) : state(seed) {}
    int Next() {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t state;
};

std::array<std::uint8_t, PASSWORD_KEY_LENGTH> DerivePasswordKey();

// The record's cipher: the derived key, length 16, initial chain (0, 0). Null when memory
// for it cannot be had.
std::unique_ptr<BlowfishCipher> MakePasswordCipher();

// A deciphered password: the record's 32 bytes and a terminator that is always there, so a
// password that filled the whole record is still a bounded, NUL-terminated string.
struct StoredPassword {
    char text[PASSWORD_RECORD_SIZE + 1];
    ~StoredPassword();
};

struct PasswordRecord {
    std::uint8_t bytes[PASSWORD_RECORD_SIZE];

    // Writer: the password's bytes up to its first NUL and at most 32 of them, NUL-padded to
    // 32, enciphered in CBC from the cipher's initial chain.
    static PasswordRecord Encipher(BlowfishCipher& cipher, std::string_view password);

    // Reader: the inverse; the result holds the password NUL-terminated within 33 bytes.
    void Decipher(BlowfishCipher& cipher, StoredPassword& password) const;

    ~PasswordRecord();
};
