// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

#include <string>

namespace kluvian {

// The application icon in every size the data directory holds (data/icons/NxN/kluvian.png
// under exeDir, which ends in '/'); an empty icon when there is none.
QIcon GameIcon(const std::string& exeDir);

} // namespace kluvian
