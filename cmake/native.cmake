# Native tests of the code that needs no Windows, with the sanitizers on.
option(KELVARO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(KELVARO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL)

add_executable(kelvaro_native_tests
  tests/native/command_line_test.cpp
  tests/native/netsh_commands_test.cpp
  tests/native/long_path_test.cpp
  tests/native/path_text_test.cpp
  tests/native/ini_values_test.cpp
  tests/native/error_text_test.cpp
  tests/native/pixel_art_test.cpp
  tests/native/placement_test.cpp
  tests/native/launcher_test.cpp)
target_link_libraries(kelvaro_native_tests PRIVATE kelvaro_launcher gtest_main)
include(GoogleTest)
gtest_discover_tests(kelvaro_native_tests)
