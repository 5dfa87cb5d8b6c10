#pragma once

#include "platform/PrinterPort.h"

class QPrinter;

namespace orbelle {

class SystemPrinter final : public PrinterPort {
public:
    Outcome print(const QTextDocument& document) override;
};

// Lays the document out on the printer's pages in its own fonts, sized in points, and
// prints it page by page with nothing added: no page numbers, no heading. Returns false
// when the printer cannot be opened or reports an error.
bool printDocument(const QTextDocument& document, QPrinter& printer);

} // namespace orbelle
