#pragma once

// Qt's own texts (the buttons and labels of the file and message dialogs) in
// the interface language.

#include <QString>

class QCoreApplication;

namespace belvane::gui {

// Loads Qt's catalogue of a language (two-letter code) from Qt's translations
// folder in place of the one loaded before; false when it is not installed
// (Qt then speaks English).
bool InstallQtTranslations(QCoreApplication& application, const QString& language = QStringLiteral("ru"));

} // namespace belvane::gui
