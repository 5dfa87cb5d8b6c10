#pragma once

#include <QLabel>

namespace orbelle {

// A label that reads as a link: underlined, pure blue, the pointing hand over it, and a
// click when the mouse button is released over it. The Tab key reaches it, a dotted frame
// then shows the focus, and Return or Space open it; assistive technology sees a link
// that can be pressed.
class LinkLabel final : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent);

    // Opens the link as a click does.
    void click();

Q_SIGNALS:
    void clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace orbelle
