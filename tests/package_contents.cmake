# Builds the Debian package into an empty folder, unpacks it there and checks what it holds
# and what it depends on. Expects CPACK_COMMAND, BUILD_DIR, WORK_DIR and DESKTOP_ID.
cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/InstalledTreeChecks.cmake")

file(REMOVE_RECURSE "${WORK_DIR}")
orbelle_run("${CPACK_COMMAND}" -G DEB -B "${WORK_DIR}" --config "${BUILD_DIR}/CPackConfig.cmake")
file(GLOB packages "${WORK_DIR}/*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
    orbelle_fail("expected one .deb in ${WORK_DIR}, found: ${packages}")
endif()

orbelle_run(dpkg-deb -x "${packages}" "${WORK_DIR}/root")
orbelle_check_installed_tree("${WORK_DIR}/root/usr" "${DESKTOP_ID}")

orbelle_run(dpkg-deb -f "${packages}" Package Version Depends)
set(control "${orbelle_run_output}")
message(STATUS "control fields:\n${control}")
if(NOT control MATCHES "Package: orbelle\n" OR NOT control MATCHES "Version: 2\\.0\\.0\\.54\n")
    orbelle_fail("wrong package name or version:\n${control}")
endif()
string(REGEX MATCH "Depends: ([^\n]*)" depends_line "${control}")
string(REGEX REPLACE " *\\([^)]*\\)" "" depends "${CMAKE_MATCH_1}")
string(REPLACE ", " ";" depends "${depends}")
foreach(needed IN ITEMS libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6
                        fonts-comic-neue qt6-translations-l10n)
    if(NOT needed IN_LIST depends)
        orbelle_fail("the package does not depend on ${needed}: ${depends_line}")
    endif()
endforeach()
file(REMOVE_RECURSE "${WORK_DIR}")
