# Strict warnings for the project's own targets only; Qt's and the system's headers are
# included as system headers and stay out of it.
function(orbelle_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX /utf-8 /permissive-)
    else()
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
            -Wnon-virtual-dtor -Woverloaded-virtual -Wold-style-cast -Werror)
    endif()
endfunction()
