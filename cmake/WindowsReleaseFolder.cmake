# The release folder of a Windows cross build: the program with everything it needs beside
# it, so that it runs on a Windows machine without Qt or MinGW installed. Install with
# --prefix <folder>; CMAKE_INSTALL_BINDIR is "." then, so orbelle.exe sits at the top.

# The Qt libraries the program links, and the two plugins Qt loads at run time: the Windows
# platform and the native widget style. The artwork and the icons are compiled in as raw
# pixels, so no image format plugin is needed.
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport
    Qt6::Concurrent
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
set(orbelle_qt_plugins
    platforms:Qt6::QWindowsIntegrationPlugin
    styles:Qt6::QWindowsVistaStylePlugin
)
foreach(entry IN LISTS orbelle_qt_plugins)
    string(REGEX MATCH "^([a-z]+):(.+)$" entry "${entry}")
    set(folder ${CMAKE_MATCH_1})
    set(plugin ${CMAKE_MATCH_2})
    if(NOT TARGET ${plugin})
        message(FATAL_ERROR "Qt for Windows lacks its plugin ${plugin}")
    endif()
    install(IMPORTED_RUNTIME_ARTIFACTS ${plugin}
        LIBRARY DESTINATION ${CMAKE_INSTALL_BINDIR}/${folder}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}/${folder})
endforeach()

# Qt's own dialogs and buttons in German, from Debian's translations package: the Windows
# Qt is built from source without them.
find_file(ORBELLE_QTBASE_DE qtbase_de.qm
    PATHS /usr/share/qt6/translations NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH REQUIRED)
install(FILES ${ORBELLE_QTBASE_DE} DESTINATION ${CMAKE_INSTALL_BINDIR}/translations)

# Qt finds its plugins and translations through this, relative to the program file.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/qt.conf "[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/qt.conf DESTINATION ${CMAKE_INSTALL_BINDIR})

# The compiler's runtime, shared by the program and the Qt DLLs.
foreach(runtime IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
        OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${runtime_path}" OR NOT EXISTS "${runtime_path}")
        message(FATAL_ERROR "The compiler does not know where ${runtime} is")
    endif()
    install(FILES ${runtime_path} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

# The setup program's version, publisher and icon, for makensis (scripts/build-windows).
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/setup-config.nsh.in
    ${PROJECT_BINARY_DIR}/packaging/setup-config.nsh @ONLY)
