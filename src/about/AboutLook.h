#pragma once

#include <QFont>

namespace orbelle {

// Tahoma as the About dialog asks for it. Where the desktop has no Tahoma, the stand-in
// is asked for in its condensed cut, which comes close to Tahoma's narrow letters: the
// dialog's captions were measured for them.
QFont aboutTahoma(qreal pointSize, bool bold = false);

} // namespace orbelle
