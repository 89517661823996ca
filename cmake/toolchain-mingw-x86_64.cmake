set(TAVIMO_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
# 64-bit Windows programs run here under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
