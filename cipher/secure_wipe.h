// Wiping of secrets (keys, passwords, records) in a way the compiler may not drop as a dead store.
#pragma once

#include <cstddef>

void SecureWipe(void* memory, std::size_t length);
