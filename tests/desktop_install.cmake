# `cmake --install` into an empty prefix, then the checks a Linux desktop makes of the tree.
# Expects BUILD_DIR, WORK_DIR and DESKTOP_ID.
cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/InstalledTreeChecks.cmake")

file(REMOVE_RECURSE "${WORK_DIR}")
orbelle_run("${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${WORK_DIR}/prefix")
orbelle_check_installed_tree("${WORK_DIR}/prefix" "${DESKTOP_ID}")
file(REMOVE_RECURSE "${WORK_DIR}")
