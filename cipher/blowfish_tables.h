// Blowfish's initial tables, read-only: the 18 subkeys P1..P18, then S-boxes S1 to S4.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr std::size_t BLOWFISH_SUBKEY_COUNT = 18;
inline constexpr std::size_t BLOWFISH_SBOX_COUNT = 4;
inline constexpr std::size_t BLOWFISH_SBOX_SIZE = 256;
inline constexpr std::size_t BLOWFISH_INITIAL_TABLE_WORDS =
    BLOWFISH_SUBKEY_COUNT + BLOWFISH_SBOX_COUNT * BLOWFISH_SBOX_SIZE;

extern const std::uint32_t BLOWFISH_INITIAL_TABLES[BLOWFISH_INITIAL_TABLE_WORDS];
