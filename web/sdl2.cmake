# SDL2 for the browser: built from Debian's source package by
# scripts/web-sdl.sh, and known here by the same name as the system's.
set(WAVEDART_WEB_SDL "" CACHE PATH "Install folder of SDL2 built with Emscripten")
if(NOT EXISTS ${WAVEDART_WEB_SDL}/lib/libSDL2.a)
    message(FATAL_ERROR "WAVEDART_WEB_SDL must name SDL2 built for the browser (scripts/web-sdl.sh)")
endif()
add_library(PkgConfig::SDL2 INTERFACE IMPORTED GLOBAL)
target_include_directories(PkgConfig::SDL2 INTERFACE ${WAVEDART_WEB_SDL}/include/SDL2)
target_link_libraries(PkgConfig::SDL2 INTERFACE ${WAVEDART_WEB_SDL}/lib/libSDL2.a)
