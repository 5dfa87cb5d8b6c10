#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace orbelle {

// The logic keeps its texts as UTF-8 with CR LF line breaks.
inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string toStdString(const QString& text)
{
    return text.toStdString();
}

// Text widgets hold line breaks as plain "\n"; what leaves the program uses CR LF again.
inline QString withCrLf(QString text)
{
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

} // namespace orbelle
