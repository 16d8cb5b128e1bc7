// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kluvian {

// Hands the pages of freed heap memory back to the system. A load frees tens of megabytes of
// file bytes, decoded pictures and replaced textures; the C library keeps such holes in its
// heap resident, so without this each new game left the process larger.
void ReturnFreedMemory();

// Called first thing in main: large blocks come from the heap and stay there when freed, so a
// load reuses the memory of the pictures it has just let go instead of having the system
// clear fresh pages for each one (a third of a load's time went to that); ReturnFreedMemory
// hands what is left over back afterwards. Does nothing where the C library is not glibc.
void KeepFreedMemoryForReuse();

} // namespace kluvian
