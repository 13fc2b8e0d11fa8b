#include "gui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace belvane::gui {
namespace {

QLocale& interfaceLocale()
{
    static QLocale locale(QLocale::Russian, QLocale::Russia);
    return locale;
}

} // namespace

bool InstallQtTranslations(QCoreApplication& application, const QString& language)
{
    interfaceLocale() = QLocale(language);
    static QPointer<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}

QLocale InterfaceLocale()
{
    return interfaceLocale();
}

QString ShortDayName(int day)
{
    QString name = interfaceLocale().standaloneDayName(day, QLocale::ShortFormat);
    // Some locales write them in lower case ("пн"); a heading starts with a capital.
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

} // namespace belvane::gui
