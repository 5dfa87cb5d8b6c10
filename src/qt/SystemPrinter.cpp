#include "qt/SystemPrinter.h"

#include "OrbelleVersion.h"
#include "kit/QtText.h"

#ifdef ORBELLE_HAVE_CUPS
#include "qt/CupsServer.h"
#endif

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QtConcurrentRun>

namespace orbelle {

namespace {

// A sheet margin that every office printer can reach.
constexpr QMarginsF kMarginsMillimetre{20, 20, 20, 20};

PrinterPort::Outcome printOnDefaultPrinter(const QString& text, const QFont& font)
{
#ifdef ORBELLE_HAVE_CUPS
    switch (cups::askServer()) {
    case cups::Answer::Answers:
        break;
    case cups::Answer::Missing:
        return PrinterPort::Outcome::NoPrinter;
    case cups::Answer::Silent:
        return PrinterPort::Outcome::Failed;
    }
#endif
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return PrinterPort::Outcome::NoPrinter;
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid())
        return PrinterPort::Outcome::Failed;
    if (!printText(text, font, printer))
        return PrinterPort::Outcome::Failed;
#ifdef ORBELLE_HAVE_CUPS
    if (!cups::lastJobTaken())
        return PrinterPort::Outcome::Failed;
#endif
    return PrinterPort::Outcome::Printed;
}

} // namespace

SystemPrinter::SystemPrinter()
{
    m_jobs.setMaxThreadCount(1);
    // The thread ends as soon as no job waits, so a later job starts on a fresh one, as
    // every job used to: CUPS keeps its client settings and its connection per thread, and
    // a fresh thread reads them anew.
    m_jobs.setExpiryTimeout(0);
}

SystemPrinter::~SystemPrinter()
{
    m_jobs.waitForDone();
}

QFuture<PrinterPort::Outcome> SystemPrinter::print(const QString& text, const QFont& font)
{
    return QtConcurrent::run(&m_jobs, printOnDefaultPrinter, text, font);
}

bool printText(const QString& text, const QFont& font, QPrinter& printer)
{
    printer.setDocName(toQString(kProductName));
    printer.setPageMargins(kMarginsMillimetre, QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;

    // QTextDocument::print would number the pages; laying the text out on the printer
    // ourselves keeps the sheet to the text alone. With the printer as paint device the
    // point sizes come out right at any printer resolution.
    QTextDocument pages;
    pages.documentLayout()->setPaintDevice(&printer);
    pages.setDefaultFont(font);
    pages.setDocumentMargin(0);
    pages.setPlainText(text);
    const QRectF sheet = printer.pageLayout().paintRectPixels(printer.resolution());
    pages.setPageSize(sheet.size());

    const int pageCount = pages.pageCount();
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0 && !printer.newPage())
            return false;
        const QRectF clip(0, page * sheet.height(), sheet.width(), sheet.height());
        painter.save();
        painter.translate(0, -clip.top());
        pages.drawContents(&painter, clip);
        painter.restore();
    }
    painter.end();
    return printer.printerState() != QPrinter::Error;
}

} // namespace orbelle
