#pragma once

#include "platform/Form.h"

namespace orbelle {

// The birth-date window: names the sign for a chosen day and month.
class Form5 final : public Form {
    Q_OBJECT

public:
    Form5();
};

} // namespace orbelle
