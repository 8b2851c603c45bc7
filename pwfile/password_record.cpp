// Key derivation and the writer's and reader's transformations of the password record.
#include "pwfile/password_record.h"

#include <cstring>
#include <new>

#include "cipher/secure_wipe.h"

std::array<std::uint8_t, PASSWORD_KEY_LENGTH> DerivePasswordKey() {
    SeededRandom random(PASSWORD_KEY_SEED);
    std::array<std::uint8_t, PASSWORD_KEY_LENGTH> key{};
    for (std::uint8_t& byte : key) {
        byte = static_cast<std::uint8_t>(random.Next() & 0xFF);
    }
    return key;
}

std::unique_ptr<BlowfishCipher> MakePasswordCipher() {
    std::array<std::uint8_t, PASSWORD_KEY_LENGTH> key = DerivePasswordKey();
    std::unique_ptr<BlowfishCipher> cipher(
        new (std::nothrow) BlowfishCipher(key.data(), key.size(), CipherBlock(0, 0)));
    SecureWipe(key.data(), key.size());
    return cipher;
}

StoredPassword::~StoredPassword() {
    SecureWipe(text, sizeof text);
}

PasswordRecord::~PasswordRecord() {
    SecureWipe(bytes, sizeof bytes);
}

PasswordRecord PasswordRecord::Encipher(BlowfishCipher& cipher, std::string_view password) {
    PasswordRecord record{};
    std::size_t length = 0;
    while (length < password.size() && length < PASSWORD_RECORD_SIZE && password[length] != '\0') {
        ++length;
    }
    std::memcpy(record.bytes, password.data(), length);
    cipher.RestartChain();
    cipher.EncryptBuffer(record.bytes, sizeof record.bytes, CBC);
    return record;
}

void PasswordRecord::Decipher(BlowfishCipher& cipher, StoredPassword& password) const {
    std::uint8_t plain[PASSWORD_RECORD_SIZE];
    cipher.RestartChain();
    cipher.DecryptBuffer(bytes, plain, sizeof plain, CBC);
    std::memcpy(password.text, plain, sizeof plain);
    password.text[PASSWORD_RECORD_SIZE] = '\0';
    SecureWipe(plain, sizeof plain);
}
