set(TAVIMO_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
# 64-bit Windows programs run here under Wine, through a wrapper that says
# why a program could not start or died.
set(CMAKE_CROSSCOMPILING_EMULATOR sh ${CMAKE_CURRENT_LIST_DIR}/../tools/wine/run.sh)
