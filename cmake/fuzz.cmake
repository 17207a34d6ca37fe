# Fuzz build (make fuzz): the portable core and one libFuzzer target per
# parser of outside text, under AddressSanitizer and UBSan. Needs clang.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TV_FUZZ needs clang++ (-DCMAKE_CXX_COMPILER=clang++)")
endif()
set(TV_FUZZ_SANITIZE address,undefined)
target_sources(tvcore PRIVATE platform/ansi_code_page_portable.cpp)
# Every UBSan report stops the run, so the fuzzer counts it as a crash.
target_compile_options(tvcore PUBLIC -g -O1 -fno-omit-frame-pointer
    -fsanitize=fuzzer-no-link,${TV_FUZZ_SANITIZE} -fno-sanitize-recover=all)
add_subdirectory(cli)  # convert - is fuzzed too
add_subdirectory(tests/fuzz)
