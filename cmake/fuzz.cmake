# Fuzzing build (clang, libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer):
# one program per fuzz/*_fuzz.cpp, all built by the target kovrant_fuzzers. The core
# library is instrumented too, so that coverage guides the fuzzer through it.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "KOVRANT_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++)")
endif()

set(KOVRANT_FUZZ_FLAGS -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                       -fno-omit-frame-pointer)
target_compile_options(kovrant_lib PRIVATE ${KOVRANT_FUZZ_FLAGS})

file(GLOB KOVRANT_FUZZ_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/fuzz/*_fuzz.cpp)
add_custom_target(kovrant_fuzzers)
foreach(fuzz_source IN LISTS KOVRANT_FUZZ_SOURCES)
  get_filename_component(fuzz_name ${fuzz_source} NAME_WE)
  add_executable(${fuzz_name} ${fuzz_source})
  target_link_libraries(${fuzz_name} PRIVATE kovrant_lib)
  target_compile_options(${fuzz_name} PRIVATE ${KOVRANT_WARNINGS} ${KOVRANT_FUZZ_FLAGS})
  target_link_options(${fuzz_name} PRIVATE -fsanitize=fuzzer,address,undefined)
  add_dependencies(kovrant_fuzzers ${fuzz_name})
endforeach()
