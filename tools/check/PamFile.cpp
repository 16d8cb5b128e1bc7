// SPDX-License-Identifier: GPL-3.0-or-later
#include "PamFile.h"

#include <fstream>

namespace kluvian {

bool WritePam(const std::string& path, const Picture& picture) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << "P7\nWIDTH " << picture.width << "\nHEIGHT " << picture.height << "\nDEPTH "
        << picture.channels << "\nMAXVAL 255\nTUPLTYPE "
        << (picture.channels == 4 ? "RGB_ALPHA" : "RGB") << "\nENDHDR\n";
    out.write(reinterpret_cast<const char*>(picture.pixels.data()),
              std::streamsize(picture.pixels.size()));
    out.close();
    return bool(out);
}

} // namespace kluvian
