#include "kit/ClickArea.h"

namespace orbelle {

ClickArea::ClickArea(QWidget* parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ClickArea::paintEvent(QPaintEvent*)
{
    // The picture underneath shows what there is to click.
}

} // namespace orbelle
