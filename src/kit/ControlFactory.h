#pragma once

#include <QLatin1String>
#include <QRect>
#include <QWidget>

#include <utility>

class QComboBox;
class QLabel;
class QPushButton;

namespace orbelle {

// Creates a control of a window at its place in the window's layout, under its object
// name, which tests and the accessibility tree find it by. Extra arguments go to the
// control's constructor before the parent (a button's or label's text).
template <typename Control, typename... Args>
Control* placeControl(QWidget* parent, const char* name, QRect geometry, Args&&... args)
{
    auto* control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

// A label whose text is shown as it stands, never read as markup, from the top left
// unless the alignment says otherwise.
QLabel* makeLabel(QWidget* parent, const char* name, QRect geometry, const QString& text = {},
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

// A drop-down list to choose from, without typing; twelve entries show at a time.
QComboBox* makeList(QWidget* parent, const char* name, QRect geometry);

// A button that Enter does not press, so that Enter never copies, prints or closes behind
// the user's back; a click or Space does. A dialog that wants Enter says so itself.
QPushButton* makeButton(QWidget* parent, const char* name, QRect geometry, const QString& text);

} // namespace orbelle
