#include "doubles/PdfPrinter.h"

#include "qt/SystemPrinter.h"

#include <QFont>
#include <QPrinter>

namespace orbelle {

PdfPrinter::PdfPrinter(QString pdfPath)
    : m_pdfPath(std::move(pdfPath))
{
}

QFuture<PrinterPort::Outcome> PdfPrinter::print(const QString& text, const QFont& font)
{
    if (holdBack) {
        m_held = std::make_unique<QPromise<Outcome>>();
        m_held->start();
        return m_held->future();
    }
    if (simulated != Outcome::Printed)
        return QtFuture::makeReadyFuture(simulated);
    // High resolution, like a real printer: text that is not sized in points shows up tiny.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_pdfPath);
    // The same page work as on paper, so the file shows what the printer would get.
    const bool printed = printText(text, font, printer);
    ++printCount;
    return QtFuture::makeReadyFuture(printed ? Outcome::Printed : Outcome::Failed);
}

void PdfPrinter::answer()
{
    if (!m_held)
        return;
    m_held->addResult(simulated);
    m_held->finish();
    m_held.reset();
}

} // namespace orbelle
