# Strict warnings for the project's own targets only; Qt's and the system's headers are
# included as system headers and stay out of it.
#
# Warnings stop the build only where ORBELLE_WERROR is on: in the presets that the
# project's developers and CI use. A distribution building with its own compiler and flags
# gets the warnings as warnings, so that a newer compiler's new diagnostic does not break
# its build.
option(ORBELLE_WERROR "Treat compiler warnings in Orbelle's own code as errors" OFF)

function(orbelle_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /utf-8 /permissive-)
        if(ORBELLE_WERROR)
            target_compile_options(${target} PRIVATE /WX)
        endif()
    else()
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
            -Wnon-virtual-dtor -Woverloaded-virtual -Wold-style-cast)
        if(ORBELLE_WERROR)
            target_compile_options(${target} PRIVATE -Werror)
        endif()
    endif()
endfunction()
