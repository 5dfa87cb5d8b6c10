#pragma once

#include <QFuture>

class QFont;
class QString;

namespace orbelle {

// The system's default printer, used without a dialog.
class PrinterPort {
public:
    enum class Outcome { Printed, NoPrinter, Failed };

    virtual ~PrinterPort() = default;
    // Prints the plain text in the given font, sized in points on paper. Returns at once:
    // a print server may take its time to answer, or never answer, and the caller's window
    // must stay usable meanwhile. The outcome arrives through the future.
    virtual QFuture<Outcome> print(const QString& text, const QFont& font) = 0;
};

} // namespace orbelle
