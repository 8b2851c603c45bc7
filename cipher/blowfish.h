// The Blowfish block cipher (64-bit blocks, 16 rounds, keys of 1 to 56 bytes) with ECB, CBC and
// full-block CFB buffer operations. Portable: no platform header, the same on every build.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cipher/blowfish_tables.h"

struct CipherBlock {
    std::uint32_t left;
    std::uint32_t right;

    constexpr CipherBlock(std::uint32_t leftHalf = 0, std::uint32_t rightHalf = 0)
        : left(leftHalf), right(rightHalf) {}

    constexpr CipherBlock operator^(const CipherBlock& other) const {
        return CipherBlock(left ^ other.left, right ^ other.right);
    }
    constexpr bool operator==(const CipherBlock& other) const = default;
};

// Any value other than CBC and CFB behaves as ECB.
enum ChainMode : int { ECB = 0, CBC = 1, CFB = 2 };

// Bytes become blocks big-endian: bytes 0..3 are `left` with byte 0 most significant.
CipherBlock BytesToBlock(const std::uint8_t* bytes);
void BlockToBytes(const CipherBlock& block, std::uint8_t* bytes);

class BlowfishCipher {
public:
    static constexpr std::size_t MAX_KEY_LENGTH = 56;
    static constexpr std::size_t BLOCK_SIZE = 8;

    // Throws std::invalid_argument("Incorrect key length") for an empty key; a key longer
    // than 56 bytes is used through its first 56.
    BlowfishCipher(const std::uint8_t* key, std::size_t keyLength, CipherBlock initialChain);
    ~BlowfishCipher();
    BlowfishCipher(const BlowfishCipher&) = delete;
    BlowfishCipher& operator=(const BlowfishCipher&) = delete;

    void EncryptBlock(CipherBlock& block) const;
    void DecryptBlock(CipherBlock& block) const;
    std::uint32_t RoundFunction(std::uint32_t x) const;

    // Every buffer operation starts its chaining from `chain`, which only the constructor and
    // RestartChain set; the length must be a positive multiple of 8, else
    // std::invalid_argument("Incorrect buffer length") is thrown before any byte changes.
    void RestartChain();
    void EncryptBuffer(std::uint8_t* buffer, std::size_t length, ChainMode mode);
    void DecryptBuffer(std::uint8_t* buffer, std::size_t length, ChainMode mode);
    void EncryptBuffer(const std::uint8_t* input, std::uint8_t* output, std::size_t length,
                       ChainMode mode);
    void DecryptBuffer(const std::uint8_t* input, std::uint8_t* output, std::size_t length,
                       ChainMode mode);

private:
    CipherBlock initialChain;
    CipherBlock chain;
    std::uint32_t pArray[BLOWFISH_SUBKEY_COUNT];
    std::uint32_t sBoxes[BLOWFISH_SBOX_COUNT * BLOWFISH_SBOX_SIZE];
};
