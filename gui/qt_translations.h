#pragma once

// Qt's own texts (the buttons and labels of the file and message dialogs) in Russian.

class QCoreApplication;

namespace belvane::gui {

// Loads Qt's Russian translations from Qt's translations folder; false when
// they are not installed (Qt then speaks English).
bool InstallQtTranslations(QCoreApplication& application);

} // namespace belvane::gui
