#pragma once

#include "kit/Form.h"

class QPlainTextEdit;

namespace orbelle {

// The sign profile window. It has no behaviour of its own: the main window's sign
// handlers set its text and caption and show it.
class Form4 final : public Form {
    Q_OBJECT

public:
    Form4();

    QPlainTextEdit* Text1;
};

} // namespace orbelle
