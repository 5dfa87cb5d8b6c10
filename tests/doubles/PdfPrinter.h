#pragma once

#include "ports/PrinterPort.h"

#include <QPromise>
#include <QString>

#include <memory>

namespace orbelle {

// Test double: prints into a PDF file that a test can read back, or plays a missing or
// failing printer, or one that keeps the window waiting for its outcome.
class PdfPrinter final : public PrinterPort {
public:
    explicit PdfPrinter(QString pdfPath);

    // Prints before it returns; the outcome is ready at once unless it is held back.
    QFuture<Outcome> print(const QString& text, const QFont& font) override;

    // Hands out the outcome held back since the last print, as a slow print server would.
    void answer();

    Outcome simulated = Outcome::Printed;
    bool holdBack = false;
    int printCount = 0;

private:
    QString m_pdfPath;
    std::unique_ptr<QPromise<Outcome>> m_held;
};

} // namespace orbelle
