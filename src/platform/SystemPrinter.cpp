#include "platform/SystemPrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include <memory>

namespace orbelle {

namespace {

// A sheet margin that every office printer can reach.
constexpr QMarginsF kMarginsMillimetre{20, 20, 20, 20};

} // namespace

PrinterPort::Outcome SystemPrinter::print(const QTextDocument& document)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return Outcome::NoPrinter;
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid())
        return Outcome::Failed;
    return printDocument(document, printer) ? Outcome::Printed : Outcome::Failed;
}

bool printDocument(const QTextDocument& document, QPrinter& printer)
{
    printer.setDocName(QStringLiteral("Orbelle"));
    printer.setPageMargins(kMarginsMillimetre, QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;

    // QTextDocument::print would number the pages; laying the text out on the printer
    // ourselves keeps the sheet to the text alone. With the printer as paint device the
    // point sizes come out right at any printer resolution.
    const std::unique_ptr<QTextDocument> pages(document.clone());
    pages->documentLayout()->setPaintDevice(&printer);
    pages->setDocumentMargin(0);
    const QRectF sheet = printer.pageLayout().paintRectPixels(printer.resolution());
    pages->setPageSize(sheet.size());

    const int pageCount = pages->pageCount();
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0 && !printer.newPage())
            return false;
        const QRectF clip(0, page * sheet.height(), sheet.width(), sheet.height());
        painter.save();
        painter.translate(0, -clip.top());
        pages->drawContents(&painter, clip);
        painter.restore();
    }
    painter.end();
    return printer.printerState() != QPrinter::Error;
}

} // namespace orbelle
