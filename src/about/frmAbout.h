#pragma once

#include "platform/Form.h"
#include "platform/Platform.h"

namespace orbelle {

// The About dialog.
class frmAbout final : public Form {
    Q_OBJECT

public:
    explicit frmAbout(const Platform& platform);

private:
    Platform m_platform;
};

} // namespace orbelle
