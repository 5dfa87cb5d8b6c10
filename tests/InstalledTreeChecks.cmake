# Checks shared by the install and package tests: what a Linux desktop needs of an installed
# Orbelle below `prefix`, and that the desktop's own validators accept its two files.

function(orbelle_fail)
    string(JOIN "" text ${ARGN})
    message(FATAL_ERROR "${text}")
endfunction()

function(orbelle_run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        string(JOIN " " command ${ARGN})
        orbelle_fail("`${command}` failed (${result}):\n${out}")
    endif()
    set(orbelle_run_output "${out}" PARENT_SCOPE)
endfunction()

# The value of `key` in the [Desktop Entry] group; only unlocalised keys are looked up.
function(orbelle_desktop_value file key out_var)
    file(STRINGS "${file}" lines REGEX "^${key}=")
    if(NOT lines)
        orbelle_fail("${file} has no ${key}=")
    endif()
    list(GET lines 0 line)
    string(REGEX REPLACE "^${key}=" "" value "${line}")
    set(${out_var} "${value}" PARENT_SCOPE)
endfunction()

function(orbelle_check_installed_tree prefix desktop_id)
    set(desktop "${prefix}/share/applications/${desktop_id}.desktop")
    set(metainfo "${prefix}/share/metainfo/${desktop_id}.metainfo.xml")
    foreach(file IN ITEMS "${desktop}" "${metainfo}")
        if(NOT EXISTS "${file}")
            orbelle_fail("missing ${file}")
        endif()
    endforeach()

    # The menu starts Exec from the PATH, so it must name the installed program itself.
    orbelle_desktop_value("${desktop}" Exec exec)
    separate_arguments(exec UNIX_COMMAND "${exec}")
    list(GET exec 0 program)
    execute_process(COMMAND test -f "${prefix}/bin/${program}" -a -x "${prefix}/bin/${program}"
        RESULT_VARIABLE not_executable)
    if(not_executable)
        orbelle_fail("Exec names ${program}, but ${prefix}/bin/${program} is no executable file")
    endif()

    orbelle_desktop_value("${desktop}" Icon icon)
    set(icon_file "${prefix}/share/icons/hicolor/scalable/apps/${icon}.svg")
    if(NOT EXISTS "${icon_file}")
        orbelle_fail("Icon names ${icon}, but ${icon_file} is missing")
    endif()
    file(READ "${icon_file}" svg LIMIT 4096)
    if(NOT svg MATCHES "<svg")
        orbelle_fail("${icon_file} is no SVG picture")
    endif()

    file(READ "${metainfo}" component)
    string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]*)</launchable>" launchable "${component}")
    if(NOT CMAKE_MATCH_1 STREQUAL "${desktop_id}.desktop")
        orbelle_fail("the metainfo launches '${CMAKE_MATCH_1}', not ${desktop_id}.desktop")
    endif()

    find_program(desktop_file_validate desktop-file-validate)
    find_program(appstreamcli appstreamcli)
    if(NOT desktop_file_validate OR NOT appstreamcli)
        orbelle_fail("desktop-file-validate (desktop-file-utils) and appstreamcli (appstream) "
                     "are needed; scripts/install-deps installs them")
    endif()
    orbelle_run("${desktop_file_validate}" "${desktop}")
    if(orbelle_run_output)
        # Its hints and warnings exit with 0 too: a clean entry prints nothing.
        orbelle_fail("desktop-file-validate ${desktop}:\n${orbelle_run_output}")
    endif()
    orbelle_run("${appstreamcli}" validate --no-net "${metainfo}")
endfunction()
