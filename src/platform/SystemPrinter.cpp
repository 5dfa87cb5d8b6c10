#include "platform/SystemPrinter.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace orbelle {

PrinterPort::Outcome SystemPrinter::print(const QTextDocument& document)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return Outcome::NoPrinter;
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid())
        return Outcome::Failed;
    printer.setDocName(QStringLiteral("Orbelle"));
    document.print(&printer);
    return printer.printerState() == QPrinter::Error ? Outcome::Failed : Outcome::Printed;
}

} // namespace orbelle
