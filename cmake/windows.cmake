# Windows build: the program, its Win32 pieces and the window tests.
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601 WINVER=0x0601)
target_sources(tvcore PRIVATE numfmt/ansi_text_win32.cpp)

# Thin Win32 layer shared by the program and the window tests.
add_library(tvwin STATIC
    app/app_globals.cpp
    numfmt/locale_number_format.cpp
    settings/registry_key.cpp
)
target_link_libraries(tvwin PUBLIC tvcore)
target_compile_options(tvwin PRIVATE -Wall -Wextra)

# Everything inside the binaries: they run on a bare Windows.
set(TV_STATIC_LINK -static -static-libgcc -static-libstdc++)

add_subdirectory(tests/win)
