#include "support/translation.h"

#include <algorithm>
#include <atomic>
#include <vector>

namespace belvane::support {
namespace {

std::atomic<TextTranslator> g_translator{nullptr};

// The replacement fields of a template, braces included, in order; nothing
// when the template is malformed (an unmatched brace).
bool collectFields(std::string_view s, std::vector<std::string_view>& fields)
{
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '}') {
            if (i + 1 < s.size() && s[i + 1] == '}') {
                ++i;
                continue;
            }
            return false;
        }
        if (s[i] != '{')
            continue;
        if (i + 1 < s.size() && s[i + 1] == '{') {
            ++i;
            continue;
        }
        const size_t close = s.find_first_of("{}", i + 1);
        if (close == std::string_view::npos || s[close] != '}')
            return false;
        fields.push_back(s.substr(i, close - i + 1));
        i = close;
    }
    return true;
}

// The "%" directives of a "%d"-style template, in order: index, flags, width
// and precision up to the type letter; "%%" is one directive.
std::vector<std::string_view> collectDirectives(std::string_view s)
{
    std::vector<std::string_view> directives;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '%')
            continue;
        size_t end = i + 1;
        while (end < s.size() && std::string_view("0123456789:-.*").find(s[end]) != std::string_view::npos)
            ++end;
        end = std::min(end + 1, s.size());
        directives.push_back(s.substr(i, end - i));
        i = end - 1;
    }
    return directives;
}

} // namespace

namespace {

// The current language's copy of a text when there is one and it fits the
// base (keeps its fields); the base text otherwise.
template <typename Fits>
std::string translatedOrBase(std::string_view base, Fits fits)
{
    if (const TextTranslator translator = g_translator.load()) {
        std::string translated = translator(base);
        if (!translated.empty() && fits(base, translated))
            return translated;
    }
    return std::string(base);
}

} // namespace

void SetTextTranslator(TextTranslator translator)
{
    g_translator.store(translator);
}

bool SamePlaceholders(std::string_view base, std::string_view translated)
{
    std::vector<std::string_view> a;
    std::vector<std::string_view> b;
    return collectFields(base, a) && collectFields(translated, b) && a == b;
}

std::string Text(std::string_view base)
{
    return translatedOrBase(base, [](std::string_view, std::string_view) { return true; });
}

std::string Template(std::string_view base)
{
    return translatedOrBase(base, SamePlaceholders);
}

bool SameDirectives(std::string_view base, std::string_view translated)
{
    return collectDirectives(base) == collectDirectives(translated);
}

std::string PercentTemplate(std::string_view base)
{
    return translatedOrBase(base, SameDirectives);
}

} // namespace belvane::support
