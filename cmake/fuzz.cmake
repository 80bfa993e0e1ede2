# libFuzzer targets for the code that reads outside text (tests/fuzz), built by
# clang with ASan and UBSan. Configure a separate tree for them, e.g.
#   CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DKELVARO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
# and build the target kelvaro_fuzz (tools/fuzz does both and runs them).
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "KELVARO_FUZZ needs clang++ (libFuzzer); configure with CXX=clang++")
endif()

# clang only knows UTF-8 as the execution character set, so the CP932 option is
# left out. That is only sound while the fuzzed code spells every non-ASCII
# byte as an escape: a literal Japanese string would be UTF-8 here and
# Shift-JIS in the program. Stop the configure when one appears.
get_target_property(kelvaro_fuzz_sources kelvaro_core SOURCES)
file(GLOB kelvaro_fuzz_targets CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
set(kelvaro_fuzz_checked ${kelvaro_fuzz_targets} ${CMAKE_CURRENT_SOURCE_DIR}/tests/fuzz/fuzz_check.h)
foreach(source IN LISTS kelvaro_fuzz_sources)
  get_filename_component(source ${source} ABSOLUTE)
  string(REGEX REPLACE "\\.cpp$" ".h" header ${source})
  list(APPEND kelvaro_fuzz_checked ${source})
  if(EXISTS ${header})
    list(APPEND kelvaro_fuzz_checked ${header})
  endif()
endforeach()
foreach(file IN LISTS kelvaro_fuzz_checked)
  file(STRINGS ${file} lines ENCODING UTF-8)
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "//.*" "" code "${line}")
    if(code MATCHES "[^\t -~]")
      message(FATAL_ERROR "${file}: non-ASCII outside a comment; write it as \\x escapes:\n${line}")
    endif()
  endforeach()
endforeach()

get_target_property(kelvaro_fuzz_options kelvaro_options INTERFACE_COMPILE_OPTIONS)
list(FILTER kelvaro_fuzz_options EXCLUDE REGEX "^-fexec-charset=")
set(kelvaro_fuzz_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

# The core again, instrumented for coverage and the sanitizers.
add_library(kelvaro_core_fuzz STATIC EXCLUDE_FROM_ALL ${kelvaro_fuzz_sources})
target_include_directories(kelvaro_core_fuzz PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_options(kelvaro_core_fuzz PUBLIC ${kelvaro_fuzz_options} ${kelvaro_fuzz_sanitizers}
  PRIVATE -fsanitize=fuzzer-no-link)
target_link_options(kelvaro_core_fuzz PUBLIC -fsanitize=fuzzer,address,undefined)

add_custom_target(kelvaro_fuzz)
foreach(source IN LISTS kelvaro_fuzz_targets)
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} EXCLUDE_FROM_ALL ${source})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE kelvaro_core_fuzz)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzzers)
  add_dependencies(kelvaro_fuzz ${name})
endforeach()
