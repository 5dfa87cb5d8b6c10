#include "kit/ControlFactory.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace orbelle {

QLabel* makeLabel(QWidget* parent, const char* name, QRect geometry, const QString& text,
                  Qt::Alignment alignment)
{
    auto* label = placeControl<QLabel>(parent, name, geometry, text);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    return label;
}

QComboBox* makeList(QWidget* parent, const char* name, QRect geometry)
{
    constexpr int kVisibleEntries = 12;
    auto* list = placeControl<QComboBox>(parent, name, geometry);
    list->setEditable(false);
    list->setMaxVisibleItems(kVisibleEntries);
    return list;
}

QPushButton* makeButton(QWidget* parent, const char* name, QRect geometry, const QString& text)
{
    auto* button = placeControl<QPushButton>(parent, name, geometry, text);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace orbelle
