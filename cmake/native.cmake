# Native build: the portable core and its tests, under the sanitizers.
# make install builds the command-line companion without them (build/cli).
option(TV_SANITIZERS "Build the core and everything on it under ASan and UBSan" ON)
set(TV_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_sources(tvcore PRIVATE platform/ansi_code_page_portable.cpp)
if(TV_SANITIZERS)
    target_compile_options(tvcore PUBLIC ${TV_SANITIZE})
    target_link_options(tvcore PUBLIC ${TV_SANITIZE})
endif()
add_subdirectory(cli)
add_subdirectory(tests/native)
add_subdirectory(tests/cli)

# The shipped data files, read by the program's own readers and held to a table of rules.
add_subdirectory(tests/data)
find_program(PYTHON3 python3 REQUIRED)

# Every fuzz target once over its committed corpus, from the clang build
# beside this one (build/fuzz), so an input that once crashed fails here.
get_filename_component(TV_BUILD_ROOT ${CMAKE_BINARY_DIR} DIRECTORY)
add_test(NAME fuzz_corpus COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/fuzz.sh replay ${TV_BUILD_ROOT}/fuzz
    ${CMAKE_BINARY_DIR}/results/fuzz_corpus.xml)

# make install's copy of the program, launcher, desktop entry, icons and companion, into temporary prefixes.
add_test(NAME desktop_install COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/desktop_install_test.sh
    ${CMAKE_BINARY_DIR}/results/desktop_install.xml $<TARGET_FILE:tallyvane>)

# The reader's throughput (make bench builds it in build/bench: Release, without
# the sanitizers). It says how it was built beside its figures.
add_executable(reader_bench EXCLUDE_FROM_ALL bench/reader_bench.cpp)
target_link_libraries(reader_bench PRIVATE tvcore)
if(TV_SANITIZERS)
    set(TV_BENCH_BUILD "${CMAKE_BUILD_TYPE}, with sanitizers: figures not comparable")
else()
    set(TV_BENCH_BUILD "${CMAKE_BUILD_TYPE}, without sanitizers")
endif()
target_compile_definitions(reader_bench PRIVATE "TV_BENCH_BUILD=\"${TV_BENCH_BUILD}\"")
# The care-label icons, wLabels.dat and wLabels.rc are drawn from data/labels/,
# the program icon and the rule by draw_icons.py, and all are committed; the
# run fails when they no longer match what the scripts draw.
add_test(NAME care_label_icons COMMAND ${PYTHON3} ${CMAKE_SOURCE_DIR}/scripts/draw_labels.py --check)
add_test(NAME program_icons COMMAND ${PYTHON3} ${CMAKE_SOURCE_DIR}/scripts/draw_icons.py --check)
