#pragma once

// Texts between the core (UTF-8 std::string, line breaks as CR) and Qt.

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

#include "views/colors.h"

namespace belvane::gui {

inline QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ss(const QString& text)
{
    return text.toStdString();
}

// A message of the core breaks lines with CR; widgets want LF.
inline QString messageText(std::string_view text)
{
    QString s = qs(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

inline QColor qcolor(const views::Rgb& c)
{
    return QColor(c.R, c.G, c.B);
}

} // namespace belvane::gui
