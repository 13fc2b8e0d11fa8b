#include "frontend/terminal_host.h"

#include <cstdio>
#include <fmt/format.h>
#include <iostream>
#include <string>
#include <unistd.h>

#include "support/text.h"

namespace belvane::cli {

TerminalHost::TerminalHost(AnswerPolicy answers)
    : answers_(answers), interactive_(::isatty(STDIN_FILENO) && ::isatty(STDERR_FILENO)),
      stderrIsTty_(::isatty(STDERR_FILENO))
{
}

std::string TerminalHost::terminalText(std::string_view text)
{
    return text::replaceAll(text::replaceAll(text, "\r\n", "\n"), "\r", "\n");
}

void TerminalHost::clearStatusLine()
{
    if (statusShown_) {
        std::cerr << "\r\033[K" << std::flush;
        statusShown_ = false;
    }
}

void TerminalHost::showStatus(std::string_view text)
{
    // Scripts read stdout and stderr; the transient status line is for people only.
    if (!stderrIsTty_)
        return;
    clearStatusLine();
    if (!text.empty()) {
        std::cerr << terminalText(text) << std::flush;
        statusShown_ = true;
    }
}

void TerminalHost::showScriptPanels(const ScriptPanels& panels)
{
    if (!stderrIsTty_)
        return;
    clearStatusLine();
    std::cerr << fmt::format("Цикл: {} | Строка: {} | Ставок: {} | {}", panels.Cycle, panels.Line, panels.Stakes,
                             terminalText(panels.Activity))
              << std::flush;
    statusShown_ = true;
}

void TerminalHost::showMessage(MessageKind kind, std::string_view caption, std::string_view text)
{
    clearStatusLine();
    if (kind == MessageKind::Information) {
        std::cout << terminalText(text) << '\n' << std::flush;
        return;
    }
    (void)caption; // the caption names the box; on a terminal the text speaks for itself
    if (kind == MessageKind::Error)
        ++errorsShown_;
    std::cerr << terminalText(text) << '\n' << std::flush;
}

bool TerminalHost::askYesNo(std::string_view caption, std::string_view text, bool defaultYes)
{
    (void)caption;
    if (answers_ == AnswerPolicy::Yes)
        return true;
    if (answers_ == AnswerPolicy::No)
        return false;
    if (!interactive_)
        return defaultYes;
    clearStatusLine();
    std::cerr << terminalText(text) << (defaultYes ? " [Y/n] " : " [y/N] ") << std::flush;
    std::string line;
    if (!std::getline(std::cin, line))
        return defaultYes;
    const std::string_view answer = text::trim(line);
    if (answer.empty())
        return defaultYes;
    return answer.starts_with('y') || answer.starts_with('Y') || answer.starts_with("д") || answer.starts_with("Д");
}

std::optional<int> TerminalHost::askNumber(std::string_view caption, std::string_view prompt, int value, int min,
                                           int max)
{
    (void)caption;
    if (!interactive_ || answers_ != AnswerPolicy::Ask)
        return value;
    clearStatusLine();
    std::cerr << terminalText(prompt) << fmt::format(" ({}..{}) [{}]: ", min, max, value) << std::flush;
    std::string line;
    if (!std::getline(std::cin, line))
        return std::nullopt;
    if (text::trim(line).empty())
        return value;
    const auto n = text::parseInt(text::trim(line));
    if (!n || *n < min || *n > max)
        return std::nullopt;
    return n;
}

void TerminalHost::progressOpened(int64_t, bool)
{
    lastPercent_ = -1;
}

void TerminalHost::progressMoved(int64_t position, int64_t maximum)
{
    if (!stderrIsTty_ || maximum <= 0)
        return;
    const int percent = static_cast<int>(position * 100 / maximum);
    if (percent == lastPercent_)
        return;
    lastPercent_ = percent;
    constexpr int width = 40;
    const int filled = percent * width / 100;
    std::cerr << "\r\033[K[" << std::string(static_cast<size_t>(filled), '#')
              << std::string(static_cast<size_t>(width - filled), '.') << "] " << percent << " %" << std::flush;
    statusShown_ = true;
}

void TerminalHost::progressClosed()
{
    clearStatusLine();
}

} // namespace belvane::cli
