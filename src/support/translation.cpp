#include "support/translation.h"

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
    if (const TextTranslator translator = g_translator.load()) {
        std::string translated = translator(base);
        if (!translated.empty())
            return translated;
    }
    return std::string(base);
}

std::string Template(std::string_view base)
{
    if (const TextTranslator translator = g_translator.load()) {
        std::string translated = translator(base);
        if (!translated.empty() && SamePlaceholders(base, translated))
            return translated;
    }
    return std::string(base);
}

} // namespace belvane::support
