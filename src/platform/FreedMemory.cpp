// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FreedMemory.h"

#include <cstdlib> // defines __GLIBC__ when the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace kluvian {

void KeepFreedMemoryForReuse() {
#if defined(__GLIBC__)
    // Above the largest picture the game makes (8 MB), and never trimmed by free itself.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
#endif
}

void ReturnFreedMemory() {
#if defined(__GLIBC__)
    // 3 to 5 ms after a load here: cheap enough to run once a game is under way.
    malloc_trim(0);
#endif
}

} // namespace kluvian
