// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FlatToolBarStyle.h"

namespace kluvian {

int FlatToolBarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                  const QWidget* widget) const {
    switch (metric) {
    case PM_ToolBarItemMargin:
    case PM_ToolBarFrameWidth:
    case PM_ToolBarItemSpacing:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

} // namespace kluvian
