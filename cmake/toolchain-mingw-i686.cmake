set(TAVIMO_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
# No emulator: these machines cannot execute 32-bit Windows code.
