// Our Blowfish against OpenSSL's on random keys and buffers, in all three modes, in place and
// into a second buffer; also the password record against OpenSSL's CBC.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/blowfish.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "blowfish_vectors.h"
#include "cipher/blowfish.h"
#include "pwfile/password_record.h"

namespace {

// The seed is printed so that a failure can be replayed with DAYVANE_TEST_SEED.
std::uint32_t TestSeed() {
    static const std::uint32_t seed = [] {
        const char* text = std::getenv("DAYVANE_TEST_SEED");
        const std::uint32_t value = text ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 0))
                                         : std::random_device{}();
        std::printf("differential tests: DAYVANE_TEST_SEED=%u\n", value);
        return value;
    }();
    return seed;
}

Bytes RandomBytes(std::mt19937& random, std::size_t length) {
    Bytes bytes(length);
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(random());
    }
    return bytes;
}

struct OpenSslResult {
    Bytes enciphered;
    Bytes deciphered;
};

// OpenSSL's counterpart of one of our modes; CFB is its 64-bit feedback mode from offset 0.
OpenSslResult OpenSslBuffers(const Bytes& key, const Bytes& chain, const Bytes& plain, ChainMode mode) {
    BF_KEY schedule;
    BF_set_key(&schedule, static_cast<int>(key.size()), key.data());
    OpenSslResult result{Bytes(plain.size()), Bytes(plain.size())};
    const long length = static_cast<long>(plain.size());
    Bytes iv = chain;
    int num = 0;
    switch (mode) {
    case CBC:
        BF_cbc_encrypt(plain.data(), result.enciphered.data(), length, &schedule, iv.data(), BF_ENCRYPT);
        iv = chain;
        BF_cbc_encrypt(result.enciphered.data(), result.deciphered.data(), length, &schedule, iv.data(), BF_DECRYPT);
        break;
    case CFB:
        BF_cfb64_encrypt(plain.data(), result.enciphered.data(), length, &schedule, iv.data(), &num, BF_ENCRYPT);
        iv = chain;
        num = 0;
        BF_cfb64_encrypt(result.enciphered.data(), result.deciphered.data(), length, &schedule, iv.data(), &num, BF_DECRYPT);
        break;
    default:
        for (long offset = 0; offset < length; offset += 8) {
            BF_ecb_encrypt(plain.data() + offset, result.enciphered.data() + offset, &schedule, BF_ENCRYPT);
            BF_ecb_encrypt(result.enciphered.data() + offset, result.deciphered.data() + offset, &schedule, BF_DECRYPT);
        }
        break;
    }
    return result;
}

TEST(BlowfishAgainstOpenSsl, RandomKeysBuffersAndModesGiveOpenSslsBytes) {
    std::mt19937 random(TestSeed());
    for (int round = 0; round < 600; ++round) {
        const std::size_t keyLength = 1 + random() % 56;
        const std::size_t length = 8 * (1 + random() % 16);
        const ChainMode mode = static_cast<ChainMode>(round % 3);
        const Bytes key = RandomBytes(random, keyLength);
        const Bytes chain = RandomBytes(random, 8);
        const Bytes plain = RandomBytes(random, length);
        SCOPED_TRACE(testing::Message() << "round " << round << ", key " << BytesToHex(key)
                                        << ", mode " << mode << ", length " << length);
        const OpenSslResult expected = OpenSslBuffers(key, chain, plain, mode);
        ASSERT_EQ(expected.deciphered, plain);

        BlowfishCipher cipher(key.data(), key.size(), BytesToBlock(chain.data()));
        Bytes separate(length);
        cipher.EncryptBuffer(plain.data(), separate.data(), length, mode);
        ASSERT_EQ(BytesToHex(separate), BytesToHex(expected.enciphered));
        Bytes inPlace = plain;
        cipher.EncryptBuffer(inPlace.data(), length, mode);
        ASSERT_EQ(inPlace, expected.enciphered);

        Bytes restored(length);
        cipher.DecryptBuffer(separate.data(), restored.data(), length, mode);
        ASSERT_EQ(restored, plain);
        cipher.DecryptBuffer(inPlace.data(), length, mode);
        ASSERT_EQ(inPlace, plain);
    }
}

TEST(BlowfishAgainstOpenSsl, KeysBeyond56BytesMatchOpenSslOnTheirFirst56) {
    std::mt19937 random(TestSeed() ^ 0x5A5A5A5Au);
    for (std::size_t keyLength : {57u, 58u, 64u, 72u, 100u}) {
        const Bytes key = RandomBytes(random, keyLength);
        const Bytes first56(key.begin(), key.begin() + 56);
        const Bytes plain = RandomBytes(random, 64);
        SCOPED_TRACE(testing::Message() << "key length " << keyLength);
        BlowfishCipher cipher(key.data(), key.size(), CipherBlock(0, 0));
        Bytes ours = plain;
        cipher.EncryptBuffer(ours.data(), ours.size(), ECB);
        EXPECT_EQ(ours, OpenSslBuffers(first56, Bytes(8, 0), plain, ECB).enciphered);
    }
}

TEST(BlowfishAgainstOpenSsl, SingleBlocksMatchBfEncrypt) {
    std::mt19937 random(TestSeed() + 1);
    for (int round = 0; round < 200; ++round) {
        const Bytes key = RandomBytes(random, 1 + random() % 56);
        BF_KEY schedule;
        BF_set_key(&schedule, static_cast<int>(key.size()), key.data());
        BlowfishCipher cipher(key.data(), key.size(), CipherBlock(0, 0));
        BF_LONG data[2] = {static_cast<BF_LONG>(random()), static_cast<BF_LONG>(random())};
        CipherBlock block(static_cast<std::uint32_t>(data[0]), static_cast<std::uint32_t>(data[1]));
        BF_encrypt(data, &schedule);
        cipher.EncryptBlock(block);
        ASSERT_EQ(block, CipherBlock(static_cast<std::uint32_t>(data[0]), static_cast<std::uint32_t>(data[1])));
        BF_decrypt(data, &schedule);
        cipher.DecryptBlock(block);
        ASSERT_EQ(block, CipherBlock(static_cast<std::uint32_t>(data[0]), static_cast<std::uint32_t>(data[1])));
    }
}

TEST(PasswordRecordAgainstOpenSsl, RecordIsCbcOfThePaddedPasswordUnderTheDerivedKey) {
    const auto key = DerivePasswordKey();
    auto cipher = MakePasswordCipher();
    for (std::string password : {"abc", "organizer", "exactly-thirty-two-bytes-long!!!",
                                 "a password that is longer than the record"}) {
        SCOPED_TRACE(password);
        Bytes padded(32, 0);
        std::copy_n(password.begin(), std::min<std::size_t>(password.size(), 32), padded.begin());
        const Bytes expected =
            OpenSslBuffers(Bytes(key.begin(), key.end()), Bytes(8, 0), padded, CBC).enciphered;
        const PasswordRecord record = PasswordRecord::Encipher(*cipher, password);
        EXPECT_EQ(BytesToHex(record.bytes, sizeof record.bytes), BytesToHex(expected));
    }
}

}  // namespace
