#pragma once

#include "ports/PrinterPort.h"

#include <QThread>

#include <memory>
#include <mutex>
#include <vector>

class QPrinter;

namespace orbelle {

// Prints on a thread of its own per job, one job at a time. A fresh thread reads the
// print system's settings anew, so a default printer chosen while the program runs is the
// one used. The destructor waits for the jobs that are still running.
class SystemPrinter final : public PrinterPort {
public:
    SystemPrinter() = default;
    SystemPrinter(const SystemPrinter&) = delete;
    SystemPrinter& operator=(const SystemPrinter&) = delete;
    ~SystemPrinter() override;

    QFuture<Outcome> print(const QString& text, const QFont& font) override;

private:
    std::vector<std::unique_ptr<QThread>> m_jobs;
    std::mutex m_oneAtATime;
};

// Lays the plain text out on the printer's pages in the font, sized in points, and prints
// it page by page with nothing added: no page numbers, no heading. Returns false when the
// printer cannot be opened or reports an error.
bool printText(const QString& text, const QFont& font, QPrinter& printer);

} // namespace orbelle
