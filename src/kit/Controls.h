#pragma once

#include <QLatin1String>
#include <QRect>
#include <QWidget>

#include <utility>

namespace orbelle {

// Creates a control of a window at its place in the window's layout, under its object
// name, which tests and the accessibility tree find it by. Extra arguments go to the control's
// constructor before the parent (a button's or label's text).
template <typename Control, typename... Args>
Control* placeControl(QWidget* parent, const char* name, QRect geometry, Args&&... args)
{
    auto* control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

} // namespace orbelle
