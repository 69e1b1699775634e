# Cross build for 64-bit Windows with Debian's MinGW-w64 compiler, the POSIX
# threads variant (g++-mingw-w64-x86-64-posix), whose C++ library has
# std::thread and friends. Programs are linked statically, so the .exe files
# need no MinGW runtime DLLs beside them; they run under wine here.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORVANTA_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ORVANTA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVANTA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVANTA_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ORVANTA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# ctest runs the test programs through wine.
find_program(ORVANTA_WINE wine)
if(ORVANTA_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${ORVANTA_WINE}")
endif()
