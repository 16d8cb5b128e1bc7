// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace kluvian {

// The application's style with no margin, frame or spacing inside a tool bar, so the tool
// bar's buttons stand exactly where they are laid out: the tool bar's layout takes these
// from the style and ignores the margins set on it.
class FlatToolBarStyle final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
};

} // namespace kluvian
