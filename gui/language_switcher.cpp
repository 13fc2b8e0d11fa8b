#include "gui/language_switcher.h"

#include <QCoreApplication>
#include <QTranslator>

#include "app/language_service.h"
#include "gui/qt_translations.h"
#include "support/error.h"
#include "support/translation.h"

namespace belvane::gui {
namespace {

std::string translateCoreText(std::string_view base)
{
    const QByteArray source(base.data(), static_cast<qsizetype>(base.size()));
    const QByteArray translated = QCoreApplication::translate("Core", source.constData()).toUtf8();
    return translated == source ? std::string() : translated.toStdString();
}

} // namespace

LanguageSwitcher::LanguageSwitcher()
{
    support::SetTextTranslator(&translateCoreText);
}

LanguageSwitcher::~LanguageSwitcher()
{
    // The application outlives the window: it goes back to the built-in texts.
    if (module_) {
        QCoreApplication::removeTranslator(module_.get());
        if (auto* application = QCoreApplication::instance())
            InstallQtTranslations(*application);
    }
}

void LanguageSwitcher::load(const app::LanguageService& languages, int lcid)
{
    std::unique_ptr<QTranslator> module;
    std::string bytes;
    if (lcid != languages.Modules().BaseLanguage()) {
        bytes = languages.ReadModule(lcid);
        module = std::make_unique<QTranslator>();
        if (!module->load(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size())))
            throw Error(support::LanguageModuleLoadFailure(languages.Modules().ModuleFile(lcid),
                                                           support::NotALanguageModuleText()));
    }
    if (module_)
        QCoreApplication::removeTranslator(module_.get());
    module_ = std::move(module);
    bytes_ = std::move(bytes);
    if (module_)
        QCoreApplication::installTranslator(module_.get());
    const support::LanguageInfo* language = languages.Modules().Language(lcid);
    const QString iso =
        language && !language->IsoCode.empty() ? QString::fromStdString(language->IsoCode) : QStringLiteral("en");
    if (auto* application = QCoreApplication::instance())
        InstallQtTranslations(*application, iso);
}

} // namespace belvane::gui
