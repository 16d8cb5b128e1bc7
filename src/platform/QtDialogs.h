// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Dialogs.h"

namespace kluvian {

// The real dialogs: QMessageBox and QInputDialog, centred on the screen, no owner, above
// the game's windows that stay on top and transient for the window the player is in. They
// run nested event loops, so the game's timers keep firing while they are open.
class QtDialogs final : public Dialogs {
public:
    void ShowMessage(std::string_view caption, std::string_view text, DialogIcon icon) override;
    std::optional<std::string> AskText(std::string_view caption, std::string_view prompt,
                                       int maxLength) override;
    bool AskYesNo(std::string_view caption, std::string_view text,
                  const QuestionButtons& buttons) override;
};

} // namespace kluvian
