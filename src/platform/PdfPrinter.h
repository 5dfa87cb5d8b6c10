#pragma once

#include "platform/PrinterPort.h"

#include <QString>

namespace orbelle {

// Test double: prints into a PDF file that a test can read back, or plays a missing or
// failing printer.
class PdfPrinter final : public PrinterPort {
public:
    explicit PdfPrinter(QString pdfPath);

    Outcome print(const QTextDocument& document) override;

    Outcome simulated = Outcome::Printed;
    int printCount = 0;

private:
    QString m_pdfPath;
};

} // namespace orbelle
