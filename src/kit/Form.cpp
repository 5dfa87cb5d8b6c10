#include "kit/Form.h"

#include "kit/Look.h"
#include "kit/Twips.h"

#include <QCloseEvent>

namespace orbelle {

namespace {

Qt::WindowFlags flagsFor(Form::Border border)
{
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                            | Qt::WindowCloseButtonHint;
    switch (border) {
    case Form::Border::FixedSingle:
        return flags | Qt::Window | Qt::WindowMinimizeButtonHint;
    case Form::Border::FixedNoMinimise:
        return flags | Qt::Window;
    case Form::Border::FixedTool:
        // A tool window is the portable way to keep a window out of the taskbar.
        return flags | Qt::Tool;
    }
    return flags | Qt::Window;
}

} // namespace

Form::Form(Border border)
    : QWidget(nullptr, flagsFor(border))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(Look::programIcon());
}

void Form::setClientSizeTwips(int width, int height)
{
    setFixedSize(twipsSize(width, height));
}

void Form::closeEvent(QCloseEvent* event)
{
    // The program never refuses a close, and a second close while unloading is ignored.
    if (m_unloading) {
        event->accept();
        return;
    }
    m_unloading = true;
    Form_Unload();
    event->accept();
    Q_EMIT unloaded();
}

} // namespace orbelle
