# Cross build for 32-bit Windows with Debian's MinGW-w64: the programs the release ships.
# Windows keeps a standard user's writes to the Windows directory in that user's
# VirtualStore only for 32-bit programs, and both programs keep their link settings there.
# The -posix compilers are needed: the win32 thread model lacks std::thread and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER   i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER  i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Each .exe must run without MinGW DLLs beside it (libgcc's exception unwinder and
# winpthread included). --large-address-aware lets a 32-bit program use 4 GB of address
# space on 64-bit Windows.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--large-address-aware")
