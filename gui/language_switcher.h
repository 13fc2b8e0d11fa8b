#pragma once

// Makes a language current for the windows and for the core's messages: the
// language module (a compiled Qt catalogue, read by the core as untrusted
// bytes) becomes the source of every tr() text and of the core's text hook.

#include <QString>
#include <memory>
#include <string>

class QTranslator;

namespace belvane::app {
class LanguageService;
}

namespace belvane::gui {

class LanguageSwitcher {
public:
    // Installs the core's text hook, which asks Qt's catalogues (context "Core").
    LanguageSwitcher();
    ~LanguageSwitcher();
    LanguageSwitcher(const LanguageSwitcher&) = delete;
    LanguageSwitcher& operator=(const LanguageSwitcher&) = delete;

    // Loads lcid's module (the base language needs none) and makes it the
    // source of all texts, releasing the one before. Throws Error with the
    // message of a missing, unreadable or malformed module; then nothing changed.
    void load(const app::LanguageService& languages, int lcid);

private:
    std::unique_ptr<QTranslator> module_;
    std::string bytes_; // the catalogue reads them in place
};

} // namespace belvane::gui
