#include "birthdate/Form5.h"

namespace orbelle {

Form5::Form5()
    : Form(Border::FixedTool)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Sternzeichen"));
    setClientSizeTwips(2550, 1815);
}

} // namespace orbelle
