#include "qt/QtShell.h"

#include "kit/QtText.h"
#include "os/LinkAddress.h"

#include <QDesktopServices>
#include <QUrl>

namespace orbelle {

void QtShell::open(std::uintptr_t, std::string_view file)
{
    const QUrl url(toQString(linkAddress(file)), QUrl::TolerantMode);
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

} // namespace orbelle
