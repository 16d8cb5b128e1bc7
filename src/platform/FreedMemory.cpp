#include "platform/FreedMemory.h"

#include <cstdlib> // defines __GLIBC__ when the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace kluvian {

void ReturnFreedMemory() {
#if defined(__GLIBC__)
    // Measured at 3 to 5 ms after a load, so it may run while a game is already under way.
    malloc_trim(0);
#endif
}

} // namespace kluvian
