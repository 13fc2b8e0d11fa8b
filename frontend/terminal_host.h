#pragma once

// The host of the command-line tool: messages go to the terminal, progress
// to a bar on stderr (only when stderr is a terminal), questions are answered
// from --yes / --no, or asked at the terminal, or take their preselected answer.

#include "support/host.h"

namespace belvane::cli {

enum class AnswerPolicy { Ask, Yes, No };

class TerminalHost final : public Host {
public:
    explicit TerminalHost(AnswerPolicy answers = AnswerPolicy::Ask);

    void showMessage(MessageKind kind, std::string_view caption, std::string_view text) override;
    bool askYesNo(std::string_view caption, std::string_view text, bool defaultYes) override;
    std::optional<int> askNumber(std::string_view caption, std::string_view prompt, int value, int min,
                                 int max) override;
    // A running scenario's panels on the status line.
    void showScriptPanels(const ScriptPanels& panels) override;

    void setAnswerPolicy(AnswerPolicy answers) { answers_ = answers; }
    AnswerPolicy answerPolicy() const { return answers_; }
    // A person can answer at the terminal (stdin and stderr are terminals).
    bool interactive() const { return interactive_; }
    // How many error messages were shown: any makes the command a failure.
    int errorsShown() const { return errorsShown_; }

    // Message texts break lines with CR; the terminal wants LF.
    static std::string terminalText(std::string_view text);

protected:
    void showStatus(std::string_view text) override;
    void progressOpened(int64_t maximum, bool cancellable) override;
    void progressMoved(int64_t position, int64_t maximum) override;
    void progressClosed() override;

private:
    void clearStatusLine();

    AnswerPolicy answers_;
    bool interactive_; // stdin and stderr are terminals
    bool stderrIsTty_;
    bool statusShown_ = false;
    int lastPercent_ = -1;
    int errorsShown_ = 0;
};

} // namespace belvane::cli
