#include "platform/FormSlot.h"

#include <QGuiApplication>
#include <QScreen>

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
        // Already open somewhere behind other windows: only bring it to the front.
        form.raise();
        form.activateWindow();
        return;
    }
    if (!form.testAttribute(Qt::WA_Moved)) {
        // First show of this load: centred on the screen.
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = form.frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            form.move(frame.topLeft());
        }
    }
    form.show();
    form.activateWindow();
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
