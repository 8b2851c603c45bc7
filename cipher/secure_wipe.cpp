// SecureWipe: stores through a volatile pointer, which the optimiser must keep.
#include "cipher/secure_wipe.h"

void SecureWipe(void* memory, std::size_t length) {
    volatile unsigned char* bytes = static_cast<volatile unsigned char*>(memory);
    while (length-- > 0) {
        *bytes++ = 0;
    }
}
