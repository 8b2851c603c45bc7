// Reads the published Blowfish test vectors kept as text in tests/data/blowfish-vectors.txt.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

struct BlowfishVector {
    std::string kind;  // "ecb", "setkey", "cbc" or "cfb"
    Bytes key;
    Bytes chain;  // cbc and cfb only
    Bytes plain;
    Bytes cipher;
    int line = 0;
};

Bytes HexToBytes(const std::string& hex);
std::string BytesToHex(const std::uint8_t* bytes, std::size_t length);
inline std::string BytesToHex(const Bytes& bytes) { return BytesToHex(bytes.data(), bytes.size()); }

// Throws std::runtime_error when the file cannot be read or a line is malformed.
std::vector<BlowfishVector> ReadBlowfishVectors(const std::string& path);
std::string TestDataPath(const std::string& name);
