# The 64-bit twin of the same sources, for the tests on machines that cannot
# run 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KELVARO_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
