// Language modules "Belvane_6x45_<ABBR>.lng": files anyone may drop beside
// the program. The module is looked up and read as the language switch does,
// and every line of it serves as the translation of the core's message
// templates: a translation whose fields do not fit its template must never
// break a message.

#include <initializer_list>
#include <string>

#include "fuzz_support.h"
#include "support/delphi_format.h"
#include "support/language_modules.h"
#include "support/translation.h"

using namespace belvane;

namespace {

constexpr int kEnglish = 1033;

std::string g_translation;

std::string Translate(std::string_view /*base*/)
{
    return g_translation;
}

void TranslateWith(std::string_view translation)
{
    g_translation = translation;
    (void)support::Text("Файл ставок не открыт!");
    (void)support::Message("{}: запись {}: {}", "fuzz.ltb", 3, "reason");
    (void)support::Message("Строк: {:>6}", 12);
    (void)support::Message("{:.2f} - {}", 1.5, std::string("x"));
    (void)support::SamePlaceholders("{} из {:>3}", translation);
    (void)support::SameDirectives("%d из %.2f (%s) %%", translation);
    (void)DelphiFormat(support::PercentTemplate("Ошибка чтения файла \"%s\"!\r\r%s"), {std::string("a"), "b"});
    (void)DelphiFormat(support::PercentTemplate("( завершено %.0f %% )"), {42.5});
    // The translation as a template of its own, with arguments of every kind.
    (void)DelphiFormat(translation, {int64_t{-7}, 2.25, std::string("text")});
    (void)DelphiFormat(translation, {});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes = fuzz::AsText(data, size);
    static const auto folder = fuzz::FreshScratchFolder("languages");
    const support::LocaleInfo* english = support::FindLocale(kEnglish);
    if (english == nullptr)
        return 0;
    fuzz::WriteScratchFile(std::string("languages/") + support::LanguageModuleName(english->Abbreviation), bytes);

    support::LanguageModules modules({folder});
    modules.InitLanguages();
    (void)modules.LanguageNames();
    try {
        modules.CheckLanguage(kEnglish);
        (void)modules.ReadModule(kEnglish);
    } catch (const Error&) {
    }

    support::SetTextTranslator(&Translate);
    fuzz::InputReader lines(data, size);
    for (int i = 0; i < 16 && !lines.Rest().empty(); ++i)
        TranslateWith(lines.Line());
    support::SetTextTranslator(nullptr);
    return 0;
}
