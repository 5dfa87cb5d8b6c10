#include "qt/QtMessageBox.h"

#include "kit/QtText.h"

#include <QApplication>
#include <QMessageBox>

namespace orbelle {

void QtMessageBox::show(std::string_view prompt, std::string_view title, MessageIcon icon)
{
    const QMessageBox::Icon boxIcon = icon == MessageIcon::Information ? QMessageBox::Information
                                      : icon == MessageIcon::Warning   ? QMessageBox::Warning
                                                                       : QMessageBox::NoIcon;
    QMessageBox box(boxIcon, toQString(title.empty() ? kApplicationTitle : title),
                    toQString(prompt), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace orbelle
