// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures/PictureKind.h"

#include "textures/BmpDecoder.h"
#include "textures/JpegDecoder.h"
#include "textures/TgaDecoder.h"

namespace kluvian {

PictureKind KindOfName(const std::string& fileName) {
    if (fileName.size() < 4)
        return PictureKind::None;
    std::string ending = fileName.substr(fileName.size() - 4);
    for (char& c : ending)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    if (ending == ".BMP")
        return PictureKind::Bmp;
    if (ending == ".JPG")
        return PictureKind::Jpg;
    if (ending == ".TGA")
        return PictureKind::Tga;
    return PictureKind::None;
}

std::optional<DecodeResult> DecodePictureFile(const std::string& fileName) {
    switch (KindOfName(fileName)) {
    case PictureKind::Bmp:
        return DecodeBmp(fileName);
    case PictureKind::Jpg:
        return DecodeJpeg(fileName);
    case PictureKind::Tga:
        return DecodeTga(fileName);
    case PictureKind::None:
        break;
    }
    return std::nullopt;
}

} // namespace kluvian
