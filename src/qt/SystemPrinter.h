#pragma once

#include "ports/PrinterPort.h"

#include <QThreadPool>

class QPrinter;

namespace orbelle {

// Prints on a worker thread of its own, one job at a time. The destructor waits for the
// jobs that are still to run.
class SystemPrinter final : public PrinterPort {
public:
    SystemPrinter();
    SystemPrinter(const SystemPrinter&) = delete;
    SystemPrinter& operator=(const SystemPrinter&) = delete;
    ~SystemPrinter() override;

    QFuture<Outcome> print(const QString& text, const QFont& font) override;

private:
    QThreadPool m_jobs;
};

// Lays the plain text out on the printer's pages in the font, sized in points, and prints
// it page by page with nothing added: no page numbers, no heading. Returns false when the
// printer cannot be opened or reports an error.
bool printText(const QString& text, const QFont& font, QPrinter& printer);

} // namespace orbelle
