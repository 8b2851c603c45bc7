// The published Blowfish vectors: ECB with 8-byte keys, keys of 1 to 24 bytes, CBC and CFB64.
#include <gtest/gtest.h>

#include <map>

#include "blowfish_vectors.h"
#include "cipher/blowfish.h"

namespace {

const std::vector<BlowfishVector>& Vectors() {
    static const std::vector<BlowfishVector> vectors =
        ReadBlowfishVectors(TestDataPath("blowfish-vectors.txt"));
    return vectors;
}

CipherBlock ChainOf(const BlowfishVector& vector) {
    return vector.chain.empty() ? CipherBlock(0, 0) : BytesToBlock(vector.chain.data());
}

TEST(BlowfishVectors, FileHoldsEverySetOfThePublishedVectors) {
    std::map<std::string, int> perKind;
    for (const BlowfishVector& vector : Vectors()) {
        ++perKind[vector.kind];
    }
    EXPECT_EQ(perKind["ecb"], 34);
    EXPECT_EQ(perKind["setkey"], 24);
    EXPECT_EQ(perKind["cbc"], 1);
    EXPECT_EQ(perKind["cfb"], 1);
}

TEST(BlowfishVectors, SingleBlocksEncipherAndDecipherAsPublished) {
    for (const BlowfishVector& vector : Vectors()) {
        if (vector.kind != "ecb" && vector.kind != "setkey") {
            continue;
        }
        SCOPED_TRACE("vector on line " + std::to_string(vector.line));
        BlowfishCipher cipher(vector.key.data(), vector.key.size(), CipherBlock(0, 0));
        CipherBlock block = BytesToBlock(vector.plain.data());
        cipher.EncryptBlock(block);
        EXPECT_EQ(block, BytesToBlock(vector.cipher.data()));
        cipher.DecryptBlock(block);
        EXPECT_EQ(block, BytesToBlock(vector.plain.data()));
    }
}

TEST(BlowfishVectors, ChainedBuffersEncipherAndDecipherAsPublished) {
    const std::map<std::string, ChainMode> modes = {{"ecb", ECB}, {"setkey", ECB}, {"cbc", CBC}, {"cfb", CFB}};
    for (const BlowfishVector& vector : Vectors()) {
        SCOPED_TRACE("vector on line " + std::to_string(vector.line));
        const ChainMode mode = modes.at(vector.kind);
        BlowfishCipher cipher(vector.key.data(), vector.key.size(), ChainOf(vector));
        Bytes buffer = vector.plain;
        cipher.EncryptBuffer(buffer.data(), buffer.size(), mode);
        EXPECT_EQ(BytesToHex(buffer), BytesToHex(vector.cipher));
        cipher.DecryptBuffer(buffer.data(), buffer.size(), mode);
        EXPECT_EQ(BytesToHex(buffer), BytesToHex(vector.plain));
    }
}

}  // namespace
