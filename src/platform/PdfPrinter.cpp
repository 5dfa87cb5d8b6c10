#include "platform/PdfPrinter.h"

#include <QPrinter>
#include <QTextDocument>

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
    document.print(&printer);
    ++printCount;
    return printer.printerState() == QPrinter::Error ? Outcome::Failed : Outcome::Printed;
}

} // namespace orbelle
