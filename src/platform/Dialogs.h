// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kluvian {

enum class DialogIcon { None, Information, Warning, Error };

// The two buttons of a question, and which of them Escape and the close box stand for.
struct QuestionButtons {
    std::string_view yes;
    std::string_view no;
    bool escapeMeansYes = false;
};

// Every modal dialog the game shows goes through this interface, so tests can answer
// them without a person and check what was shown. Texts are UTF-8.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal message box with a single OK button. An empty caption means the
    // application title. Returns when the box has been dismissed.
    virtual void ShowMessage(std::string_view caption, std::string_view text, DialogIcon icon) = 0;

    // A modal one-line text input with OK (default) and Cancel (Escape). The field starts
    // empty and takes at most maxLength characters. Returns nothing when cancelled.
    virtual std::optional<std::string> AskText(std::string_view caption, std::string_view prompt,
                                               int maxLength) = 0;

    // A modal question with the buttons buttons.yes (the default, Enter) and buttons.no;
    // returns true for yes. Escape and the close box answer as buttons.escapeMeansYes says.
    virtual bool AskYesNo(std::string_view caption, std::string_view text,
                          const QuestionButtons& buttons) = 0;

    // The standard error box: the text with a full stop added, the application title as
    // caption, an error icon and OK.
    void ShowError(std::string_view text) {
        std::string withStop(text);
        if (withStop.empty() || withStop.back() != '.')
            withStop += '.';
        ShowMessage({}, withStop, DialogIcon::Error);
    }
};

} // namespace kluvian
