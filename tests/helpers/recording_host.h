#pragma once

// A host for tests: records everything the core shows and answers questions
// from a queue (then with the preselected answer).

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "support/host.h"

namespace belvane::testing {

struct ShownMessage {
    MessageKind kind;
    std::string caption;
    std::string text;
};

class RecordingHost final : public Host {
public:
    void showMessage(MessageKind kind, std::string_view caption, std::string_view text) override
    {
        messages.push_back({kind, std::string(caption), std::string(text)});
    }
    bool askYesNo(std::string_view caption, std::string_view text, bool defaultYes) override
    {
        questions.push_back({MessageKind::Information, std::string(caption), std::string(text)});
        if (yesNoAnswers.empty())
            return defaultYes;
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    std::optional<int> askNumber(std::string_view caption, std::string_view prompt, int value, int min,
                                 int max) override
    {
        numberQuestions.push_back({std::string(caption), std::string(prompt), value, min, max});
        if (declineNumbers)
            return std::nullopt;
        return numberAnswer ? numberAnswer : std::optional<int>(value);
    }
    void showWait(std::string_view text) override { waitTexts.emplace_back(text); }
    void showScriptPanels(const ScriptPanels& p) override
    {
        panels.push_back(p);
        if (onPanels)
            onPanels(p);
    }
    void closeWait() override { ++waitCloses; }

    std::vector<std::string> errors() const { return texts(MessageKind::Error); }
    std::vector<std::string> warnings() const { return texts(MessageKind::Warning); }
    std::vector<std::string> texts(MessageKind kind) const
    {
        std::vector<std::string> out;
        for (const auto& m : messages)
            if (m.kind == kind)
                out.push_back(m.text);
        return out;
    }

    std::vector<std::string> statuses;
    std::vector<ShownMessage> messages;
    std::vector<ShownMessage> questions;
    std::deque<bool> yesNoAnswers;
    struct NumberQuestion {
        std::string caption, prompt;
        int value, min, max;
    };
    std::vector<NumberQuestion> numberQuestions;
    std::optional<int> numberAnswer; // nothing: the value offered
    bool declineNumbers = false;
    std::vector<std::string> waitTexts;
    std::vector<ScriptPanels> panels;
    std::function<void(const ScriptPanels&)> onPanels;
    int waitCloses = 0;
    std::vector<int64_t> progressPositions;
    int progressOpens = 0;
    int progressCloses = 0;
    bool cancelAtOpen = false;
    int64_t cancelAtPosition = -1; // as if "Отмена" were pressed once the gauge gets there

protected:
    void showStatus(std::string_view text) override { statuses.emplace_back(text); }
    void progressOpened(int64_t, bool) override
    {
        ++progressOpens;
        if (cancelAtOpen)
            requestCancel(); // as if "Отмена" were pressed at once
    }
    void progressMoved(int64_t position, int64_t) override
    {
        progressPositions.push_back(position);
        if (cancelAtPosition >= 0 && position >= cancelAtPosition)
            requestCancel();
    }
    void progressClosed() override { ++progressCloses; }
};

} // namespace belvane::testing
