// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kluvian {

// Hands the pages of freed heap memory back to the system. A load frees tens of megabytes of
// file bytes, decoded pictures and replaced textures; the C library keeps such holes in its
// heap resident, so without this each new game left the process larger.
void ReturnFreedMemory();

} // namespace kluvian
