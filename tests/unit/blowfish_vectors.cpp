// Parser of the Blowfish vector file: "kind KEY [CHAIN] PLAIN CIPHER", hexadecimal, # comments.
#include "blowfish_vectors.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

Bytes HexToBytes(const std::string& hex) {
    if (hex.size() % 2 != 0) {
        throw std::runtime_error("odd hex length: " + hex);
    }
    Bytes bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(hex.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

std::string BytesToHex(const std::uint8_t* bytes, std::size_t length) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (std::size_t i = 0; i < length; ++i) {
        hex += digits[bytes[i] >> 4];
        hex += digits[bytes[i] & 0xF];
    }
    return hex;
}

std::vector<BlowfishVector> ReadBlowfishVectors(const std::string& path) {
    std::ifstream file(path);
    if (!file) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<BlowfishVector> vectors;
    std::string text;
    int lineNumber = 0;
    while (std::getline(file, text)) {
        ++lineNumber;
        if (text.empty() || text[0] == '#') {
            continue;
        }
        std::istringstream fields(text);
        BlowfishVector vector;
        vector.line = lineNumber;
        std::string key, chain, plain, cipher;
        fields >> vector.kind >> key;
        if (vector.kind == "cbc" || vector.kind == "cfb") {
            fields >> chain;
        }
        fields >> plain >> cipher;
        if (!fields || cipher.empty()) {
            throw std::runtime_error(path + ":" + std::to_string(lineNumber) + ": malformed");
        }
        vector.key = HexToBytes(key);
        vector.chain = HexToBytes(chain);
        vector.plain = HexToBytes(plain);
        vector.cipher = HexToBytes(cipher);
        vectors.push_back(vector);
    }
    return vectors;
}

std::string TestDataPath(const std::string& name) {
    return std::string(DAYVANE_TEST_DATA_DIR) + "/" + name;
}
