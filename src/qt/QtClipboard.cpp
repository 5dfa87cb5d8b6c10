#include "qt/QtClipboard.h"

#include "kit/QtText.h"

#include <QClipboard>
#include <QGuiApplication>

namespace orbelle {

void QtClipboard::clear()
{
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::setText(std::string_view text)
{
    QGuiApplication::clipboard()->setText(toQString(text));
}

std::string QtClipboard::text() const
{
    return QGuiApplication::clipboard()->text().toStdString();
}

} // namespace orbelle
