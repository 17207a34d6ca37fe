# Native build: the portable core and its tests, under the sanitizers.
set(TV_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_sources(tvcore PRIVATE platform/ansi_code_page_portable.cpp)
target_compile_options(tvcore PUBLIC ${TV_SANITIZE})
target_link_options(tvcore PUBLIC ${TV_SANITIZE})
add_subdirectory(tests/native)
