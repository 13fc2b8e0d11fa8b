#pragma once

// Qt's own texts (the buttons and labels of the file and message dialogs) and
// the names of days and months in the interface language.

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace belvane::gui {

// Loads Qt's catalogue of a language (two-letter code) from Qt's translations
// folder in place of the one loaded before, and makes that language's locale
// the interface locale; false when the catalogue is not installed (Qt's
// dialogs then speak English).
bool InstallQtTranslations(QCoreApplication& application, const QString& language = QStringLiteral("ru"));

// The locale of the interface language: short day names, the calendar of the
// date fields. Numbers keep the user's own format (the default QLocale).
QLocale InterfaceLocale();

// A short day name (1 = Monday) as a heading: "Пн", "Mon".
QString ShortDayName(int day);

} // namespace belvane::gui
