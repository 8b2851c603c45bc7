// Blowfish: key schedule, block operations and the three chaining modes over byte buffers.
#include "cipher/blowfish.h"

#include <cstring>
#include <stdexcept>

#include "cipher/secure_wipe.h"

CipherBlock BytesToBlock(const std::uint8_t* bytes) {
    auto word = [](const std::uint8_t* p) {
        return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) |
               (std::uint32_t{p[2]} << 8) | std::uint32_t{p[3]};
    };
    return CipherBlock(word(bytes), word(bytes + 4));
}

void BlockToBytes(const CipherBlock& block, std::uint8_t* bytes) {
    auto store = [](std::uint32_t value, std::uint8_t* p) {
        p[0] = static_cast<std::uint8_t>(value >> 24);
        p[1] = static_cast<std::uint8_t>(value >> 16);
        p[2] = static_cast<std::uint8_t>(value >> 8);
        p[3] = static_cast<std::uint8_t>(value);
    };
    store(block.left, bytes);
    store(block.right, bytes + 4);
}

namespace {

// The F function over the four S-boxes laid out one after another; inlined into the rounds.
inline std::uint32_t Feistel(const std::uint32_t* sBoxes, std::uint32_t x) {
    const std::uint32_t* s1 = sBoxes;
    const std::uint32_t* s2 = sBoxes + BLOWFISH_SBOX_SIZE;
    const std::uint32_t* s3 = sBoxes + 2 * BLOWFISH_SBOX_SIZE;
    const std::uint32_t* s4 = sBoxes + 3 * BLOWFISH_SBOX_SIZE;
    return ((s1[x >> 24] + s2[(x >> 16) & 0xFF]) ^ s3[(x >> 8) & 0xFF]) + s4[x & 0xFF];
}

// The sixteen rounds, two at a time without exchanges; always inlined so that the key schedule
// and the buffer loops keep the halves in registers.
[[gnu::always_inline]] inline CipherBlock Encipher(const std::uint32_t* pArray,
                                                   const std::uint32_t* sBoxes, CipherBlock block) {
    std::uint32_t left = block.left;
    std::uint32_t right = block.right;
#pragma GCC unroll 8
    for (std::size_t i = 0; i < 16; i += 2) {
        left ^= pArray[i];
        right ^= Feistel(sBoxes, left) ^ pArray[i + 1];
        left ^= Feistel(sBoxes, right);
    }
    return CipherBlock(right ^ pArray[17], left ^ pArray[16]);
}

[[gnu::always_inline]] inline CipherBlock Decipher(const std::uint32_t* pArray,
                                                   const std::uint32_t* sBoxes, CipherBlock block) {
    std::uint32_t left = block.left;
    std::uint32_t right = block.right;
#pragma GCC unroll 8
    for (std::size_t i = 17; i > 1; i -= 2) {
        left ^= pArray[i];
        right ^= Feistel(sBoxes, left) ^ pArray[i - 1];
        left ^= Feistel(sBoxes, right);
    }
    return CipherBlock(right ^ pArray[0], left ^ pArray[1]);
}

}  // namespace

std::uint32_t BlowfishCipher::RoundFunction(std::uint32_t x) const {
    return Feistel(sBoxes, x);
}

void BlowfishCipher::EncryptBlock(CipherBlock& block) const {
    block = Encipher(pArray, sBoxes, block);
}

void BlowfishCipher::DecryptBlock(CipherBlock& block) const {
    block = Decipher(pArray, sBoxes, block);
}

BlowfishCipher::BlowfishCipher(const std::uint8_t* key, std::size_t keyLength,
                               CipherBlock initialChainBlock)
    : initialChain(initialChainBlock), chain(initialChainBlock) {
    if (keyLength == 0) {
        throw std::invalid_argument("Incorrect key length");
    }
    if (keyLength > MAX_KEY_LENGTH) {
        keyLength = MAX_KEY_LENGTH;
    }
    std::uint8_t keyBuffer[MAX_KEY_LENGTH];
    std::memcpy(keyBuffer, key, keyLength);
    std::memcpy(pArray, BLOWFISH_INITIAL_TABLES, sizeof pArray);
    std::memcpy(sBoxes, BLOWFISH_INITIAL_TABLES + BLOWFISH_SUBKEY_COUNT, sizeof sBoxes);

    std::size_t position = 0;
    for (std::uint32_t& subkey : pArray) {
        std::uint32_t word = 0;
        for (int i = 0; i < 4; ++i) {
            word = (word << 8) | keyBuffer[position];
            if (++position == keyLength) {
                position = 0;
            }
        }
        subkey ^= word;
    }
    SecureWipe(keyBuffer, sizeof keyBuffer);

    CipherBlock block(0, 0);
    for (std::size_t i = 0; i < BLOWFISH_SUBKEY_COUNT; i += 2) {
        block = Encipher(pArray, sBoxes, block);
        pArray[i] = block.left;
        pArray[i + 1] = block.right;
    }
    for (std::size_t i = 0; i < BLOWFISH_SBOX_COUNT * BLOWFISH_SBOX_SIZE; i += 2) {
        block = Encipher(pArray, sBoxes, block);
        sBoxes[i] = block.left;
        sBoxes[i + 1] = block.right;
    }
}

BlowfishCipher::~BlowfishCipher() {
    SecureWipe(pArray, sizeof pArray);
    SecureWipe(sBoxes, sizeof sBoxes);
}

void BlowfishCipher::RestartChain() {
    chain = initialChain;
}

namespace {

void CheckBufferLength(std::size_t length) {
    if (length == 0 || length % BlowfishCipher::BLOCK_SIZE != 0) {
        throw std::invalid_argument("Incorrect buffer length");
    }
}

}  // namespace

// Each mode has its own loop so that the block operation inlines into it. Every input block
// is read before its output block is written, so input and output may be the same buffer.
void BlowfishCipher::EncryptBuffer(const std::uint8_t* input, std::uint8_t* output,
                                   std::size_t length, ChainMode mode) {
    CheckBufferLength(length);
    CipherBlock working = chain;
    switch (mode) {
    case CBC:
        for (std::size_t offset = 0; offset < length; offset += BLOCK_SIZE) {
            working = Encipher(pArray, sBoxes, working ^ BytesToBlock(input + offset));
            BlockToBytes(working, output + offset);
        }
        break;
    case CFB:
        for (std::size_t offset = 0; offset < length; offset += BLOCK_SIZE) {
            working = Encipher(pArray, sBoxes, working) ^ BytesToBlock(input + offset);
            BlockToBytes(working, output + offset);
        }
        break;
    default:
        for (std::size_t offset = 0; offset < length; offset += BLOCK_SIZE) {
            BlockToBytes(Encipher(pArray, sBoxes, BytesToBlock(input + offset)), output + offset);
        }
        break;
    }
}

void BlowfishCipher::DecryptBuffer(const std::uint8_t* input, std::uint8_t* output,
                                   std::size_t length, ChainMode mode) {
    CheckBufferLength(length);
    CipherBlock working = chain;
    switch (mode) {
    case CBC:
        for (std::size_t offset = 0; offset < length; offset += BLOCK_SIZE) {
            const CipherBlock cipherText = BytesToBlock(input + offset);
            BlockToBytes(Decipher(pArray, sBoxes, cipherText) ^ working, output + offset);
            working = cipherText;
        }
        break;
    case CFB:
        for (std::size_t offset = 0; offset < length; offset += BLOCK_SIZE) {
            const CipherBlock cipherText = BytesToBlock(input + offset);
            working = Encipher(pArray, sBoxes, working);
            BlockToBytes(cipherText ^ working, output + offset);
            working = cipherText;
        }
        break;
    default:
        for (std::size_t offset = 0; offset < length; offset += BLOCK_SIZE) {
            BlockToBytes(Decipher(pArray, sBoxes, BytesToBlock(input + offset)), output + offset);
        }
        break;
    }
}

void BlowfishCipher::EncryptBuffer(std::uint8_t* buffer, std::size_t length, ChainMode mode) {
    EncryptBuffer(buffer, buffer, length, mode);
}

void BlowfishCipher::DecryptBuffer(std::uint8_t* buffer, std::size_t length, ChainMode mode) {
    DecryptBuffer(buffer, buffer, length, mode);
}
