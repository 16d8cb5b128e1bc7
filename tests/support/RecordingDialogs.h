// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Dialogs.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace kluvian {

// Dialogs for tests: records every dialog and answers from a script instead of a person.
class RecordingDialogs final : public Dialogs {
public:
    enum class Kind { Message, Text, YesNo };
    struct Shown {
        Kind kind;
        std::string caption; // empty: the application title
        std::string text;    // message text or prompt
        DialogIcon icon = DialogIcon::None;
        std::string yes{}; // a question's buttons
        std::string no{};
        bool escapeMeansYes = false;
    };

    // Answers for AskText, in order; nullopt cancels. With none left, the dialog is cancelled.
    std::deque<std::optional<std::string>> textAnswers;
    // Answers for AskYesNo, in order; with none left the answer is false.
    std::deque<bool> yesNoAnswers;
    // Runs while each dialog is "open", as a modal loop would run other events.
    std::function<void(const Shown&)> whileOpen;

    std::vector<Shown> shown;

    void ShowMessage(std::string_view caption, std::string_view text, DialogIcon icon) override {
        Record(Shown{Kind::Message, std::string(caption), std::string(text), icon});
    }
    std::optional<std::string> AskText(std::string_view caption, std::string_view prompt,
                                       int maxLength) override {
        Record(Shown{Kind::Text, std::string(caption), std::string(prompt), DialogIcon::None});
        if (textAnswers.empty())
            return std::nullopt;
        auto answer = textAnswers.front();
        textAnswers.pop_front();
        if (answer && int(answer->size()) > maxLength)
            answer->resize(std::size_t(maxLength));
        return answer;
    }
    bool AskYesNo(std::string_view caption, std::string_view text,
                  const QuestionButtons& buttons) override {
        Record(Shown{Kind::YesNo, std::string(caption), std::string(text), DialogIcon::None,
                     std::string(buttons.yes), std::string(buttons.no), buttons.escapeMeansYes});
        if (yesNoAnswers.empty())
            return false;
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }

    // The texts of all message boxes shown so far.
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& s : shown)
            if (s.kind == Kind::Message)
                texts.push_back(s.text);
        return texts;
    }

private:
    void Record(const Shown& s) {
        shown.push_back(s);
        if (whileOpen)
            whileOpen(s); // a copy: the callback may show further dialogs
    }
};

} // namespace kluvian
