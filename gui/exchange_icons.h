#pragma once

// The row icons of the exchange service's lists, drawn once: a system on this
// computer or not, the user's own or another's; a public or private scenario.

#include <QIcon>

namespace belvane::gui {

// A disc, filled green when the system is on this computer, hollow when not;
// the user's own systems carry a square instead.
QIcon SystemRowIcon(bool loaded, bool own);
// An open eye for an entry every user sees, a closed one for the author's alone.
QIcon ScriptRowIcon(bool isPublic);

} // namespace belvane::gui
