#pragma once

#include <QLabel>

namespace orbelle {

// A label that reads as a link: underlined, pure blue, the pointing hand over it, and a
// click when the mouse button is released over it.
class LinkLabel final : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace orbelle
