# SDL2 for Windows: built statically from Debian's source package by
# scripts/windows-sdl.sh, and known here by the same name as the system's.
set(WAVEDART_WINDOWS_SDL "" CACHE PATH "Install folder of SDL2 built with mingw-w64")
find_package(SDL2 CONFIG REQUIRED PATHS ${WAVEDART_WINDOWS_SDL} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
add_library(PkgConfig::SDL2 INTERFACE IMPORTED GLOBAL)
target_link_libraries(PkgConfig::SDL2 INTERFACE SDL2::SDL2-static)
# No DLLs beside the programs: the C++ runtime and libgcc go into them.
add_link_options(-static)
