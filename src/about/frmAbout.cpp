#include "about/frmAbout.h"

namespace orbelle {

frmAbout::frmAbout(const Platform& platform)
    : Form(Border::FixedTool)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("frmAbout"));
    setClientSizeTwips(5730, 4635);
}

} // namespace orbelle
