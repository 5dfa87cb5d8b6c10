#pragma once

class QTextDocument;

namespace orbelle {

// The system's default printer, used without a dialog.
class PrinterPort {
public:
    enum class Outcome { Printed, NoPrinter, Failed };

    virtual ~PrinterPort() = default;
    // Prints the document in its own fonts, sized in points on paper.
    virtual Outcome print(const QTextDocument& document) = 0;
};

} // namespace orbelle
