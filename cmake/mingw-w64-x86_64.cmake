# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread model, so
# that std::thread and friends are there), tests run through Wine. scripts/build-windows
# also builds Qt itself with this file.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORBELLE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ORBELLE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORBELLE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ORBELLE_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ORBELLE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The Qt-free test programs link everything in, so that Wine needs none of MinGW's DLLs
# next to them. Qt's DLLs use the shared C++ runtime, so Qt and every program linked
# against it must share that one instead: two copies would each keep their own heap and
# exception state.
if(ORBELLE_CORE_ONLY)
    set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
endif()

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
