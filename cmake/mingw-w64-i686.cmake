# Cross build for 32-bit Windows with Debian's MinGW-w64 (i686) compilers.
#
# The "-posix" compilers use the POSIX thread model, which GoogleTest's std::mutex needs.
# The runtime is linked statically, so the DLL and the executables import only KERNEL32 and
# msvcrt and run on a bare Windows (or under Wine) without extra DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_OBJDUMP i686-w64-mingw32-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(_pelmora_static_runtime "-static-libgcc -static-libstdc++ -static")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${_pelmora_static_runtime}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${_pelmora_static_runtime}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${_pelmora_static_runtime}")

# ctest runs the Windows executables under Wine.
find_program(PELMORA_WINE wine)
if(PELMORA_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${PELMORA_WINE}")
endif()
