#include "about/AboutLook.h"

#include "kit/Look.h"

#include <QFontInfo>

namespace orbelle {

QFont aboutTahoma(qreal pointSize, bool bold)
{
    QFont font = Look::tahoma(pointSize, bold);
    if (QFontInfo(font).family().compare(QStringLiteral("Tahoma"), Qt::CaseInsensitive) != 0)
        font.setStretch(QFont::SemiCondensed);
    return font;
}

} // namespace orbelle
