# The program's version exists once, as the project version in CMakeLists.txt. This writes
# it into a header for the C++ sources and the Windows resource compiler alike, and into
# the program's Windows manifest.

# The version record has always spelt the version with a two-digit minor number and a
# four-digit build number: 2.0.0.54 is "2.00.0054".
function(orbelle_zero_padded out value width)
    string(LENGTH "${value}" length)
    while(length LESS width)
        string(PREPEND value 0)
        math(EXPR length "${length} + 1")
    endwhile()
    set(${out} ${value} PARENT_SCOPE)
endfunction()

orbelle_zero_padded(orbelle_minor_padded ${PROJECT_VERSION_MINOR} 2)
orbelle_zero_padded(orbelle_tweak_padded ${PROJECT_VERSION_TWEAK} 4)
set(ORBELLE_VERSION_RECORD_TEXT
    "${PROJECT_VERSION_MAJOR}.${orbelle_minor_padded}.${orbelle_tweak_padded}")
set(ORBELLE_PRODUCT_NAME Orbelle)
set(ORBELLE_PRODUCT_TITLE "${ORBELLE_PRODUCT_NAME} ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
# Who publishes the program: the version records of the program and of the setup program,
# and the entry Windows lists among the installed programs.
set(ORBELLE_PUBLISHER "Jonas Tavix")
set(ORBELLE_COPYRIGHT "Copyright © 2026 ${ORBELLE_PUBLISHER}")

set(ORBELLE_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${PROJECT_SOURCE_DIR}/src/OrbelleVersion.h.in
    ${ORBELLE_GENERATED_DIR}/OrbelleVersion.h @ONLY)

# The manifest names the program's version too; the resource compiler embeds it.
if(WIN32)
    configure_file(${PROJECT_SOURCE_DIR}/src/resources/orbelle.exe.manifest.in
        ${ORBELLE_GENERATED_DIR}/orbelle.exe.manifest @ONLY)
endif()
