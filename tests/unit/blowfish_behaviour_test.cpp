// How the cipher's key schedule, chaining and length checks behave beyond the published vectors.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <random>

#include "blowfish_vectors.h"
#include "cipher/blowfish.h"

namespace {

const std::uint8_t SAMPLE_KEY[] = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF,
                                   0xF0, 0xE1, 0xD2, 0xC3, 0xB4, 0xA5, 0x96, 0x87};

BlowfishCipher SampleCipher(CipherBlock chain = CipherBlock(0, 0)) {
    return BlowfishCipher(SAMPLE_KEY, sizeof SAMPLE_KEY, chain);
}

Bytes Enciphered(BlowfishCipher& cipher, Bytes buffer, int mode) {
    cipher.EncryptBuffer(buffer.data(), buffer.size(), static_cast<ChainMode>(mode));
    return buffer;
}

Bytes PatternBytes(std::size_t length, std::uint8_t start = 0) {
    Bytes bytes(length);
    for (std::size_t i = 0; i < length; ++i) {
        bytes[i] = static_cast<std::uint8_t>(start + 37 * i);
    }
    return bytes;
}

TEST(BlowfishTables, InitialTablesAreThePiDigitsFromFirstToLastWord) {
    EXPECT_EQ(BLOWFISH_INITIAL_TABLES[0], 0x243F6A88u);
    EXPECT_EQ(BLOWFISH_INITIAL_TABLES[1], 0x85A308D3u);
    EXPECT_EQ(BLOWFISH_INITIAL_TABLES[BLOWFISH_SUBKEY_COUNT], 0xD1310BA6u);  // S1[0]
    EXPECT_EQ(BLOWFISH_INITIAL_TABLES[BLOWFISH_INITIAL_TABLE_WORDS - 1], 0x3AC372E6u);
}

TEST(BlockBytes, BytesFormBlocksBigEndianAndBack) {
    const std::uint8_t bytes[8] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08};
    const CipherBlock block = BytesToBlock(bytes);
    EXPECT_EQ(block.left, 0x01020304u);
    EXPECT_EQ(block.right, 0x05060708u);
    std::uint8_t back[8] = {};
    BlockToBytes(block, back);
    EXPECT_EQ(std::memcmp(back, bytes, 8), 0);
    EXPECT_EQ(CipherBlock(0xF0F0F0F0u, 0x0F0F0F0Fu) ^ CipherBlock(0xFFFFFFFFu, 0x0F0F0F0Fu),
              CipherBlock(0x0F0F0F0Fu, 0));
}

TEST(BlowfishKeySchedule, EmptyKeyIsRejectedWithItsMessage) {
    try {
        BlowfishCipher cipher(SAMPLE_KEY, 0, CipherBlock(0, 0));
        FAIL() << "an empty key was accepted";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "Incorrect key length");
    }
}

TEST(BlowfishKeySchedule, KeysLongerThan56BytesActAsTheirFirst56) {
    const Bytes longKey = PatternBytes(72, 5);
    BlowfishCipher full(longKey.data(), longKey.size(), CipherBlock(0, 0));
    BlowfishCipher first56(longKey.data(), 56, CipherBlock(0, 0));
    BlowfishCipher first55(longKey.data(), 55, CipherBlock(0, 0));
    const Bytes plain = PatternBytes(64);
    EXPECT_EQ(Enciphered(full, plain, ECB), Enciphered(first56, plain, ECB));
    EXPECT_NE(Enciphered(full, plain, ECB), Enciphered(first55, plain, ECB));
}

TEST(BlowfishKeySchedule, ShortKeysCycleThroughTheirBytes) {
    // A key is used cyclically, so AB, ABAB and ABABABAB give the same subkeys.
    const std::uint8_t repeated[] = {0xAB, 0x5C, 0xAB, 0x5C, 0xAB, 0x5C, 0xAB, 0x5C};
    const std::uint8_t single[] = {0x7E, 0x7E, 0x7E, 0x7E};
    const Bytes plain = PatternBytes(32);
    BlowfishCipher two(repeated, 2, CipherBlock(0, 0));
    BlowfishCipher eight(repeated, 8, CipherBlock(0, 0));
    BlowfishCipher one(single, 1, CipherBlock(0, 0));
    BlowfishCipher four(single, 4, CipherBlock(0, 0));
    BlowfishCipher three(repeated, 3, CipherBlock(0, 0));
    EXPECT_EQ(Enciphered(two, plain, ECB), Enciphered(eight, plain, ECB));
    EXPECT_EQ(Enciphered(one, plain, ECB), Enciphered(four, plain, ECB));
    EXPECT_NE(Enciphered(two, plain, ECB), Enciphered(three, plain, ECB));
}

TEST(BlowfishBlocks, DecipheringUndoesEncipheringForRandomBlocks) {
    std::mt19937 random(20261211);
    BlowfishCipher cipher = SampleCipher();
    for (int i = 0; i < 1000; ++i) {
        const CipherBlock original(random(), random());
        CipherBlock block = original;
        cipher.EncryptBlock(block);
        EXPECT_NE(block, original);
        cipher.DecryptBlock(block);
        ASSERT_EQ(block, original);
    }
}

class BufferLengthCheck : public testing::TestWithParam<std::size_t> {};

TEST_P(BufferLengthCheck, BadLengthIsRejectedAndTheBufferLeftUntouched) {
    const std::size_t length = GetParam();
    BlowfishCipher cipher = SampleCipher();
    const Bytes original = PatternBytes(16);
    using Operation = void (*)(BlowfishCipher&, Bytes&, std::size_t);
    const Operation operations[] = {
        [](BlowfishCipher& c, Bytes& b, std::size_t n) { c.EncryptBuffer(b.data(), n, CBC); },
        [](BlowfishCipher& c, Bytes& b, std::size_t n) { c.DecryptBuffer(b.data(), n, CFB); },
        [](BlowfishCipher& c, Bytes& b, std::size_t n) { c.EncryptBuffer(b.data(), b.data(), n, ECB); },
        [](BlowfishCipher& c, Bytes& b, std::size_t n) { c.DecryptBuffer(b.data(), b.data(), n, CBC); },
    };
    for (const Operation operation : operations) {
        Bytes buffer = original;
        try {
            operation(cipher, buffer, length);
            FAIL() << "length " << length << " was accepted";
        } catch (const std::exception& error) {
            EXPECT_STREQ(error.what(), "Incorrect buffer length");
        }
        EXPECT_EQ(buffer, original);
    }
}

INSTANTIATE_TEST_SUITE_P(ZeroAndNonMultiplesOfEight, BufferLengthCheck,
                         testing::Values(0u, 1u, 7u, 9u, 12u, 15u));

TEST(BlowfishBuffers, EightBytesIsTheSmallestLengthAccepted) {
    BlowfishCipher cipher = SampleCipher();
    Bytes buffer = PatternBytes(8);
    EXPECT_NO_THROW(cipher.EncryptBuffer(buffer.data(), buffer.size(), CBC));
    EXPECT_NE(buffer, PatternBytes(8));
}

TEST(BlowfishBuffers, ModesOtherThanCbcAndCfbBehaveAsEcb) {
    BlowfishCipher cipher = SampleCipher(CipherBlock(0x11111111u, 0x22222222u));
    const Bytes plain = PatternBytes(24);
    const Bytes ecb = Enciphered(cipher, plain, ECB);
    EXPECT_EQ(Enciphered(cipher, plain, 5), ecb);
    EXPECT_EQ(Enciphered(cipher, plain, -1), ecb);
    EXPECT_NE(Enciphered(cipher, plain, CBC), ecb);
    EXPECT_NE(Enciphered(cipher, plain, CFB), ecb);
}

TEST(BlowfishBuffers, CbcFromAZeroChainMatchesEcbOnlyInTheFirstBlock) {
    BlowfishCipher cipher = SampleCipher();
    const Bytes zeros(32, 0);
    const Bytes cbc = Enciphered(cipher, zeros, CBC);
    const Bytes ecb = Enciphered(cipher, zeros, ECB);
    EXPECT_TRUE(std::equal(cbc.begin(), cbc.begin() + 8, ecb.begin()));
    for (std::size_t block = 1; block < 4; ++block) {
        EXPECT_FALSE(std::equal(cbc.begin() + 8 * block, cbc.begin() + 8 * block + 8,
                                ecb.begin() + 8 * block))
            << "block " << block;
    }
}

TEST(BlowfishBuffers, EveryCallRestartsTheChainFromTheInitialBlock) {
    for (ChainMode mode : {CBC, CFB}) {
        SCOPED_TRACE(mode);
        BlowfishCipher cipher = SampleCipher(CipherBlock(0xFEDCBA98u, 0x76543210u));
        const Bytes plain = PatternBytes(16);
        const Bytes whole = Enciphered(cipher, plain, mode);
        const Bytes first = Enciphered(cipher, Bytes(plain.begin(), plain.begin() + 8), mode);
        const Bytes second = Enciphered(cipher, Bytes(plain.begin() + 8, plain.end()), mode);
        EXPECT_TRUE(std::equal(first.begin(), first.end(), whole.begin()));
        EXPECT_FALSE(std::equal(second.begin(), second.end(), whole.begin() + 8));
        // The same call twice gives the same bytes: nothing carries over between calls.
        EXPECT_EQ(Enciphered(cipher, plain, mode), whole);
    }
}

TEST(BlowfishBuffers, RestartChainReturnsToTheInitialChain) {
    BlowfishCipher cipher = SampleCipher(CipherBlock(1, 2));
    const Bytes plain = PatternBytes(16);
    const Bytes before = Enciphered(cipher, plain, CBC);
    cipher.RestartChain();
    EXPECT_EQ(Enciphered(cipher, plain, CBC), before);
}

TEST(BlowfishBuffers, DecipheringRestoresEveryModeInPlaceAndIntoASecondBuffer) {
    std::mt19937 random(7);
    for (int mode : {0, 1, 2, 5}) {
        for (std::size_t length : {8u, 16u, 32u, 72u, 256u}) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << ", length " << length);
            BlowfishCipher cipher = SampleCipher(CipherBlock(random(), random()));
            const Bytes plain = PatternBytes(length, static_cast<std::uint8_t>(random()));
            Bytes separate(length, 0);
            cipher.EncryptBuffer(plain.data(), separate.data(), length, static_cast<ChainMode>(mode));
            Bytes inPlace = plain;
            cipher.EncryptBuffer(inPlace.data(), length, static_cast<ChainMode>(mode));
            EXPECT_EQ(inPlace, separate);
            Bytes restored(length, 0);
            cipher.DecryptBuffer(separate.data(), restored.data(), length, static_cast<ChainMode>(mode));
            EXPECT_EQ(restored, plain);
            cipher.DecryptBuffer(inPlace.data(), length, static_cast<ChainMode>(mode));
            EXPECT_EQ(inPlace, plain);
        }
    }
}

}  // namespace
