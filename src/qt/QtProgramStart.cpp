#include "qt/QtProgramStart.h"

#include "kit/QtText.h"

#include <QFileInfo>
#include <QProcess>

namespace orbelle {

bool QtProgramStart::start(std::string_view programPath)
{
    const QString program = toQString(programPath);
    // Only a full path: a bare name would be looked up on the search path instead.
    if (program.isEmpty() || QFileInfo(program).isRelative())
        return false;
    return QProcess::startDetached(program, {});
}

} // namespace orbelle
