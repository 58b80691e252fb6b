# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix thread model, for
# std::thread and std::mutex). scripts/windows.sh uses this file for qtbase and for the project.
#
# For the project, give the Windows Qt's prefix (NOX_WINDOWS_QT, a CMake or environment
# variable): Qt is then found there, its build tools (moc, rcc) on the host Qt in /usr, only
# the model library, noxsim and their tests are built (NOX_MODEL_ONLY), and the programs run
# at build time or by ctest go through Wine (cmake/wine-run.sh).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(NOX_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${NOX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NOX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${NOX_MINGW_TRIPLET}-windres)

# try_compile projects read this file again: hand them the prefix.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES NOX_WINDOWS_QT)
if(NOT NOX_WINDOWS_QT AND DEFINED ENV{NOX_WINDOWS_QT})
    set(NOX_WINDOWS_QT "$ENV{NOX_WINDOWS_QT}")
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${NOX_MINGW_TRIPLET})
if(NOX_WINDOWS_QT)
    list(APPEND CMAKE_FIND_ROOT_PATH ${NOX_WINDOWS_QT})
    list(APPEND CMAKE_PREFIX_PATH ${NOX_WINDOWS_QT})
    # The host Qt (Debian's qt6-base-dev-tools) runs moc and rcc for the Windows build.
    set(QT_HOST_PATH /usr CACHE PATH "Host Qt")
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "Host Qt's CMake files")
    set(NOX_MODEL_ONLY ON CACHE BOOL "Build only what needs no Qt Gui or Qt Quick")
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh CACHE FILEPATH
        "Runs a Windows program under Wine")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
