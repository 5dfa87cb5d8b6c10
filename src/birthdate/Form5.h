#pragma once

#include "kit/Form.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace orbelle {

// The birth-date window: names the sign for a chosen day and month.
class Form5 final : public Form {
    Q_OBJECT

public:
    Form5();

    void Form_Load() override;

    QComboBox* Combo1; // day
    QComboBox* Combo2; // month
    QLabel* Label1;
    QPushButton* Command1;

    void Command1_Click();
};

} // namespace orbelle
