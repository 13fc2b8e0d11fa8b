#pragma once

// The interface language of the core's own texts. Every text meant for the
// user is written in the base language (Russian) and passes through one hook
// that the front end installs; without a hook, or for a text the current
// language module lacks, the base text is used.

#include <fmt/format.h>

#include <string>
#include <string_view>

// Marks a base-language text kept in a table so that the text collector finds
// it; the table's user translates it with support::Text where it hands it out.
#define BELVANE_TEXT(text) text

namespace belvane::support {

// Returns the current language's copy of a base-language text, or an empty
// text when it has none. Called from any thread; must not throw.
using TextTranslator = std::string (*)(std::string_view base);

// Installs the hook (nullptr: base language only). Set it once, before any
// worker runs; the hook itself follows later switches of the language.
void SetTextTranslator(TextTranslator translator);

// True when both templates have the same replacement fields ("{}", "{:>3}"...)
// in the same order; "{{" and "}}" are plain braces.
bool SamePlaceholders(std::string_view base, std::string_view translated);

// The current language's copy of a fixed text.
std::string Text(std::string_view base);

// The current language's copy of a message template: the base template when
// there is no translation or when its fields differ from the base's, so a
// faulty language module can never break formatting.
std::string Template(std::string_view base);

// True when both "%d"-style templates (see delphi_format.h) have the same
// directives ("%d", "%0:d", "%.2f", "%%"...) in the same order.
bool SameDirectives(std::string_view base, std::string_view translated);

// The current language's copy of a "%d"-style template: the base template
// when there is no translation or when its directives differ from the base's.
std::string PercentTemplate(std::string_view base);

// Formats a message from a base-language template (checked at compile time)
// through its translation.
template <typename... Args>
std::string Message(fmt::format_string<Args...> base, Args&&... args)
{
    const fmt::string_view pattern = base;
    const std::string_view baseText(pattern.data(), pattern.size());
    const std::string translated = Template(baseText);
    if (translated != baseText) {
        try {
            return fmt::vformat(translated, fmt::make_format_args(args...));
        } catch (const fmt::format_error&) {
            // A field whose format options do not fit the argument: use the base.
        }
    }
    return fmt::vformat(pattern, fmt::make_format_args(args...));
}

} // namespace belvane::support
