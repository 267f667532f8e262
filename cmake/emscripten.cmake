# Builds the browser edition with Debian's emscripten: the core and the page's
# binding compiled to WebAssembly. Its prebuilt system libraries sit in a
# frozen cache, so EM_CACHE must stay unset.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# An optimized link runs node with acorn, which Debian installs where node 20
# does not look by itself.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
