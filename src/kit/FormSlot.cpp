#include "kit/FormSlot.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace orbelle {

FormSlotBase::~FormSlotBase()
{
    // Whoever owns the slots goes away with the program; take a loaded window along
    // without running its unload work a second time.
    if (m_form) {
        disconnect(m_form, nullptr, this, nullptr);
        delete m_form;
    }
}

Form& FormSlotBase::loadForm()
{
    if (!m_form) {
        m_form = create().release();
        connect(m_form, &Form::unloaded, this, &FormSlotBase::forget);
        m_form->Form_Load();
    }
    return *m_form;
}

void FormSlotBase::show()
{
    Form& form = loadForm();
    if (form.isVisible()) {
        // Already open somewhere behind other windows, or minimised: windows without a
        // taskbar entry could not be brought back any other way.
        if (form.isMinimized())
            form.setWindowState(form.windowState() & ~Qt::WindowMinimized);
        form.raise();
        form.activateWindow();
        return;
    }
    if (!form.testAttribute(Qt::WA_Moved)) {
        // First show of this load: centred on the screen.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            form.move(centredOn(form.frameGeometry(), screen->availableGeometry()));
    }
    form.show();
    form.activateWindow();
}

QPoint centredOn(QRect frame, const QRect& area)
{
    frame.moveCenter(area.center());
    // A window larger than the screen keeps its top left corner, with the title bar and the
    // first controls, on it; one that fits stays wholly on it.
    const int left = std::max(area.left(),
                              std::min(frame.left(), area.right() - frame.width() + 1));
    const int top = std::max(area.top(), std::min(frame.top(), area.bottom() - frame.height() + 1));
    return {left, top};
}

void FormSlotBase::unload()
{
    if (m_form)
        m_form->close();
}

void FormSlotBase::forget()
{
    // The window deletes itself later (WA_DeleteOnClose); from now on it is unloaded.
    m_form = nullptr;
}

} // namespace orbelle
