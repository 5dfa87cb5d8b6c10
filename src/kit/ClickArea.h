#pragma once

#include <QAbstractButton>

namespace orbelle {

// An invisible area over part of a window's picture: it draws nothing, takes no focus,
// shows its tooltip and pointer, and reports a click when the button is released over it.
// Being a button, it is announced as one to assistive technology and can have a shortcut.
class ClickArea final : public QAbstractButton {
    Q_OBJECT

public:
    explicit ClickArea(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace orbelle
