#pragma once

#include "platform/PrinterPort.h"

namespace orbelle {

class SystemPrinter final : public PrinterPort {
public:
    Outcome print(const QTextDocument& document) override;
};

} // namespace orbelle
