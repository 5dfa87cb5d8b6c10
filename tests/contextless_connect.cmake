# Refuses a connect() without a context object: connect(sender, signal, functor). A lambda
# connected that way runs on after whatever it captured is gone. Qt 6.7 and later refuse
# it at compile time (QT_NO_CONTEXTLESS_CONNECT); Qt 6.4 does not, hence this check.
# Usage: cmake -DSOURCE_DIR=<source tree> -P contextless_connect.cmake

cmake_minimum_required(VERSION 3.25)

file(GLOB_RECURSE files
    "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/src/*.h"
    "${SOURCE_DIR}/tests/*.cpp" "${SOURCE_DIR}/tests/*.h"
    "${SOURCE_DIR}/tools/*.cpp" "${SOURCE_DIR}/tools/*.h")

# The number of arguments of the call whose argument list starts at the front of text.
function(count_arguments text out)
    string(LENGTH "${text}" length)
    set(depth 1)
    set(arguments 1)
    set(index 0)
    while(index LESS length AND depth GREATER 0)
        string(SUBSTRING "${text}" ${index} 1 c)
        if(c STREQUAL "(" OR c STREQUAL "[" OR c STREQUAL "{")
            math(EXPR depth "${depth} + 1")
        elseif(c STREQUAL ")" OR c STREQUAL "]" OR c STREQUAL "}")
            math(EXPR depth "${depth} - 1")
        elseif(c STREQUAL "," AND depth EQUAL 1)
            math(EXPR arguments "${arguments} + 1")
        endif()
        math(EXPR index "${index} + 1")
    endwhile()
    set(${out} ${arguments} PARENT_SCOPE)
endfunction()

set(faults "")
foreach(file IN LISTS files)
    file(READ "${file}" content)
    # Semicolons would split the text into a list.
    string(REPLACE ";" " " content "${content}")
    string(REGEX MATCHALL "[A-Za-z_:]*connect\\([^\n]*(\n[^\n]*)?(\n[^\n]*)?(\n[^\n]*)?" calls "${content}")
    foreach(call IN LISTS calls)
        if(NOT call MATCHES "^(QObject::)?connect\\(")
            continue() # disconnect, callOnTimeout and the like
        endif()
        string(REGEX REPLACE "^[A-Za-z_:]*connect\\(" "" arguments "${call}")
        count_arguments("${arguments}" count)
        if(count EQUAL 3)
            string(REGEX REPLACE "\n.*" "" first_line "${call}")
            file(RELATIVE_PATH name "${SOURCE_DIR}" "${file}")
            string(APPEND faults "\n  ${name}: ${first_line}")
        endif()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "connect() without a context object:${faults}")
endif()
