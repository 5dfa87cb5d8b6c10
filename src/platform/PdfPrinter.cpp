#include "platform/PdfPrinter.h"

#include "platform/SystemPrinter.h"

#include <QPrinter>

namespace orbelle {

PdfPrinter::PdfPrinter(QString pdfPath)
    : m_pdfPath(std::move(pdfPath))
{
}

PrinterPort::Outcome PdfPrinter::print(const QTextDocument& document)
{
    if (simulated != Outcome::Printed)
        return simulated;
    // High resolution, like a real printer: text that is not sized in points shows up tiny.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_pdfPath);
    // The same page work as on paper, so the file shows what the printer would get.
    const bool printed = printDocument(document, printer);
    ++printCount;
    return printed ? Outcome::Printed : Outcome::Failed;
}

} // namespace orbelle
