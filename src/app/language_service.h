#pragma once

// The interface language of the running program: the list of language
// modules, the language the settings ask for, and what changes in the core
// when the front end has made another language current (the method-caption
// section of the filter-list file, the help file, the stored choice).

#include <string>
#include <vector>

#include "support/language_modules.h"

namespace belvane::app {

class Workspace;

class LanguageService {
public:
    explicit LanguageService(Workspace& workspace);

    // Looks for the modules beside the program and in the data folder.
    void Init();
    const support::LanguageModules& Modules() const { return modules_; }
    int Current() const { return modules_.CurrentLanguage(); }
    // The language the program starts in: the stored choice, or the base
    // language under no-language.
    int Wanted() const;
    // Throws Error with the message of a missing or unreadable module.
    std::string ReadModule(int lcid) const { return modules_.ReadModule(lcid); }
    // The front end has made lcid's texts current: the method captions of
    // that language are loaded and the type lists rebuilt (the choice kept),
    // the help file of the language is looked up, and with store the choice
    // is written to the window-state file.
    void Switched(int lcid, bool store);

    // The three-letter code of the current language ("RUS").
    std::string Code() const;

private:
    void findHelpFile();

    Workspace& ws_;
    support::LanguageModules modules_;
};

} // namespace belvane::app
