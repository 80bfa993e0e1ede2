# The Windows program, its in-process tests and its end-to-end tests.

# One exe, nothing beside it: the C and C++ runtimes are linked in.
set(KELVARO_STATIC_LINK -static -static-libgcc -static-libstdc++)

add_library(kelvaro_ui STATIC
  ui/accessibility.cpp
  ui/application.cpp
  ui/code_page.cpp
  ui/controls.cpp
  ui/dialog.cpp
  ui/screen.cpp
  ui/file_dialog.cpp
  ui/form.cpp
  ui/form_commands.cpp
  ui/form_placement.cpp
  ui/label.cpp
  ui/list_box.cpp
  ui/panel.cpp
  ui/picture_bitmaps.cpp
  ui/shell.cpp
  ui/system_api.cpp
  ui/system_colors.cpp
  ui/toolbar.cpp
  ui/window.cpp)
# uuid: the shell's interface and class identifiers, data linked in. No
# comctl32: it is not a known DLL, and ui/system_api.cpp loads it from the
# system folder.
target_link_libraries(kelvaro_ui PUBLIC kelvaro_core gdi32 user32 uuid)
target_compile_definitions(kelvaro_ui PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX STRICT _WIN32_WINNT=0x0501 _WIN32_IE=0x0600)

add_library(kelvaro_app STATIC
  controls/hscroll_listbox.cpp
  dialogs/about_box.cpp
  dialogs/settings_dialog.cpp
  launcher/main_form.cpp
  launcher/main_form_runs.cpp
  launcher/main_form_save_pin.cpp
  launcher/main_form_settings.cpp
  launcher/settings_file.cpp
  launcher/windows_system.cpp)
target_link_libraries(kelvaro_app PUBLIC kelvaro_ui kelvaro_launcher)

# The icon file comes from the same drawing as the windows' icon, written by a
# small program built for the build machine (the cross compiler's output
# cannot run here; on Windows the host compiler is the same one).
find_program(KELVARO_HOST_CXX NAMES c++ g++ REQUIRED)
set(KELVARO_ICON ${CMAKE_CURRENT_BINARY_DIR}/kelvaro.ico)
add_custom_command(
  OUTPUT ${KELVARO_ICON}
  COMMAND ${KELVARO_HOST_CXX} -std=c++20 -I${CMAKE_CURRENT_SOURCE_DIR}
          ${CMAKE_CURRENT_SOURCE_DIR}/tools/write_icon.cpp ${CMAKE_CURRENT_SOURCE_DIR}/core/icon_file.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/core/pixel_art.cpp -o write_icon${CMAKE_HOST_EXECUTABLE_SUFFIX}
  COMMAND ./write_icon${CMAKE_HOST_EXECUTABLE_SUFFIX} ${KELVARO_ICON}
  DEPENDS tools/write_icon.cpp core/icon_file.cpp core/icon_file.h core/pixel_art.cpp
          core/pixel_art.h
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
set_source_files_properties(resources/kelvaro.rc PROPERTIES OBJECT_DEPENDS
                            "${KELVARO_ICON};${CMAKE_CURRENT_SOURCE_DIR}/resources/kelvaro.manifest")

add_executable(kelvaro WIN32 app/main.cpp app/terminate.cpp resources/kelvaro.rc)
target_include_directories(kelvaro PRIVATE ${CMAKE_CURRENT_BINARY_DIR} ${CMAKE_CURRENT_BINARY_DIR}/generated)
target_link_libraries(kelvaro PRIVATE kelvaro_app)
# Stripped, no link time stamp, no build paths: two builds give the same bytes.
target_link_options(kelvaro PRIVATE ${KELVARO_STATIC_LINK} -s -Wl,--gc-sections -Wl,--no-insert-timestamp)

# GoogleTest built by the same compiler as the program from its sources, or,
# where there are none (MSYS2), the one installed for that compiler.
if(EXISTS ${GTEST_SOURCE_DIR}/CMakeLists.txt)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${GTEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
  add_library(gtest ALIAS GTest::gtest)
endif()

add_executable(kelvaro_win_tests
  tests/win/test_main.cpp
  tests/win/about_box_test.cpp
  tests/win/accessibility_test.cpp
  tests/win/command_line_start_test.cpp
  tests/win/hscroll_listbox_test.cpp
  tests/win/main_form_test.cpp
  tests/win/run_actions_test.cpp
  tests/win/save_and_pin_test.cpp
  tests/win/settings_dialog_test.cpp
  tests/win/access.cpp
  tests/win/test_support.cpp
  tests/win/simulated_screens.cpp
  tests/common/files.cpp
  tests/common/registry.cpp)
target_link_libraries(kelvaro_win_tests PRIVATE kelvaro_app gtest ole32 comctl32)
target_link_options(kelvaro_win_tests PRIVATE ${KELVARO_STATIC_LINK})
# The recording netsh stands in for a program the desktop shell starts.
add_dependencies(kelvaro_win_tests netsh_recorder)
# A thread's COM apartment lasts as long as the thread: the about box's tests
# run in a process of their own, where nothing has made one before the link.
add_test(NAME win_tests COMMAND kelvaro_win_tests --gtest_filter=-AboutBoxTest.*)
add_test(NAME win_tests_about_box COMMAND kelvaro_win_tests --gtest_filter=AboutBoxTest.*)

add_executable(kelvaro_e2e_tests
  tests/e2e/e2e_main.cpp
  tests/e2e/bad_input_test.cpp
  tests/e2e/cmd_expansion_test.cpp
  tests/common/files.cpp
  tests/common/registry.cpp
  tests/e2e/e2e_support.cpp
  tests/e2e/high_density_test.cpp
  tests/e2e/run_scripts_test.cpp
  tests/e2e/save_test.cpp
  tests/e2e/start_and_close_test.cpp)
# The program's own "%" rule and environment lookup, for cmd.exe to judge.
target_link_libraries(kelvaro_e2e_tests PRIVATE gtest user32 kelvaro_app)
target_include_directories(kelvaro_e2e_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(kelvaro_e2e_tests PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_options(kelvaro_e2e_tests PRIVATE ${KELVARO_STATIC_LINK})
add_dependencies(kelvaro_e2e_tests kelvaro netsh_recorder)

# A comctl32.dll planted beside the exe, which must never load.
add_library(planted_comctl32 SHARED tests/e2e/planted_dll.cpp)
set_target_properties(planted_comctl32 PROPERTIES OUTPUT_NAME comctl32 PREFIX "")
target_link_options(planted_comctl32 PRIVATE ${KELVARO_STATIC_LINK})
add_dependencies(kelvaro_e2e_tests planted_comctl32)

add_executable(netsh_recorder tests/e2e/netsh_recorder.cpp)
set_target_properties(netsh_recorder PROPERTIES OUTPUT_NAME netsh)
target_link_libraries(netsh_recorder PRIVATE ntdll)
target_link_options(netsh_recorder PRIVATE ${KELVARO_STATIC_LINK})
add_test(NAME e2e_tests COMMAND kelvaro_e2e_tests)
if(CMAKE_HOST_UNIX)
  # The start at 144 dpi, in a Wine prefix of its own at that density.
  add_test(NAME e2e_144dpi
           COMMAND ${CMAKE_COMMAND} -E env KELVARO_DPI=144 ${CMAKE_CURRENT_SOURCE_DIR}/tools/with-display
                   ${CMAKE_CURRENT_SOURCE_DIR}/tools/wine-run $<TARGET_FILE:kelvaro_e2e_tests>
                   --gtest_filter=HighDensity.*)
endif()

if(CMAKE_CROSSCOMPILING AND CMAKE_HOST_UNIX)
  add_test(NAME exe_contents COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tools/check-exe $<TARGET_FILE:kelvaro>
                                     ${CMAKE_SYSTEM_PROCESSOR} ${PROJECT_VERSION} ${KELVARO_COPYRIGHT}
                                     ${CMAKE_CURRENT_SOURCE_DIR}/resources/kelvaro.manifest)
  # Runs on the host, not under Wine.
  set_tests_properties(exe_contents PROPERTIES LABELS host)
  # A short run of the benchmark, so that it cannot rot.
  add_test(NAME bench_smoke COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tools/bench --quick)
endif()

# The benchmark (make bench): kelvaro against the bare programs, each built
# like kelvaro.exe (the same compiler, options and link).
foreach(variant IN ITEMS baseline baseline_measure baseline_plain)
  add_executable(${variant} WIN32 bench/baseline.cpp)
  target_link_libraries(${variant} PRIVATE kelvaro_options comctl32 gdi32 user32)
  target_link_options(${variant} PRIVATE ${KELVARO_STATIC_LINK} -s -Wl,--gc-sections -Wl,--no-insert-timestamp)
endforeach()
target_compile_definitions(baseline_measure PRIVATE BASELINE_MEASURES_NAMES)
target_compile_definitions(baseline_plain PRIVATE BASELINE_PLAIN_FILL)
add_executable(kelvaro_bench bench/bench_main.cpp tests/win/access.cpp)
target_link_libraries(kelvaro_bench PRIVATE kelvaro_app comctl32)
target_link_options(kelvaro_bench PRIVATE ${KELVARO_STATIC_LINK})
# kelvaro's start-up step by step, from the product libraries (a GUI program, as kelvaro is).
add_executable(kelvaro_steps WIN32 bench/startup_steps.cpp tests/win/access.cpp)
target_link_libraries(kelvaro_steps PRIVATE kelvaro_app)
target_link_options(kelvaro_steps PRIVATE ${KELVARO_STATIC_LINK} -Wl,--gc-sections)

# The release: make release packs kelvaro-<version>-win32.zip with CPack.
# The guide is Japanese first: stored in Shift-JIS (code page 932), which
# Notepad on a Japanese Windows opens as it is, with CRLF line ends.
configure_file(package/README.txt ${CMAKE_CURRENT_BINARY_DIR}/package/README.utf8.txt @ONLY NEWLINE_STYLE CRLF)
find_program(KELVARO_ICONV iconv REQUIRED)
add_custom_command(
  OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/package/README.txt
  COMMAND ${KELVARO_ICONV} -f UTF-8 -t CP932 ${CMAKE_CURRENT_BINARY_DIR}/package/README.utf8.txt
          > ${CMAKE_CURRENT_BINARY_DIR}/package/README.txt
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/package/README.utf8.txt)
add_custom_target(package_readme ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/package/README.txt)
configure_file(LICENSE ${CMAKE_CURRENT_BINARY_DIR}/package/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
install(TARGETS kelvaro RUNTIME DESTINATION .)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/package/README.txt ${CMAKE_CURRENT_BINARY_DIR}/package/LICENSE.txt
        DESTINATION .)
# The example scripts beside the exe, so that the first start lists them.
install(DIRECTORY demo/ DESTINATION . FILES_MATCHING PATTERN "*.nsh")
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME kelvaro)
set(CPACK_PACKAGE_FILE_NAME kelvaro-${PROJECT_VERSION}-win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
