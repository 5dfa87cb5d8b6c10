#pragma once

#include <QWidget>

namespace orbelle {

// An invisible area over part of a window's picture: it draws nothing, takes no focus,
// shows its tooltip and pointer, and reports a click when the button is released over it.
class ClickArea final : public QWidget {
    Q_OBJECT

public:
    explicit ClickArea(QWidget* parent);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace orbelle
