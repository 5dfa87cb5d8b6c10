#pragma once

class QApplication;
class QCoreApplication;
class QString;

namespace orbelle {

// The name under which the desktop knows the program: the .desktop file, the AppStream
// component and the icon all carry it. The maker has no domain yet, hence the reserved one.
inline constexpr char kDesktopFileId[] = "example.orbelle.Orbelle";

// Makes the program German and known to the desktop before any window exists: application
// and maker names, the desktop entry, German number and date formats, and Qt's own German
// texts. Returns whether those texts could be loaded; the program runs either way.
bool setUpApplication(QApplication& app);

// Installs Qt's own German texts (context menus, message box buttons) from qtbase_de in
// `folder`, owned by `app`. Returns false, and changes nothing, when they cannot be loaded.
bool installGermanToolkitTexts(QCoreApplication& app, const QString& folder);

// The same from the folder where this Qt keeps its translations.
bool installGermanToolkitTexts(QCoreApplication& app);

} // namespace orbelle
