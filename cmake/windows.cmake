# Windows build: the program, its Win32 pieces and the window tests.
enable_language(RC)
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601 WINVER=0x0601)
# The core's Win32 pieces: the code page and the user's locale number format,
# which is not window code and groups for every client of the core.
target_sources(tvcore PRIVATE platform/ansi_code_page_win32.cpp numfmt/locale_number_format.cpp)

# Thin Win32 layer shared by the program and the window tests.
set(TV_WIN_SOURCES
    app/about_dialog.cpp
    app/app_frame.cpp
    app/app_globals.cpp
    app/clipboard_text.cpp
    app/dialog_font.cpp
    app/gradient_fill.cpp
    app/keypad_panel.cpp
    app/message_loop.cpp
    app/palette.cpp
    app/program.cpp
    app/rule_bitmap.cpp
    app/scaled_window.cpp
    app/tool_dialog.cpp
    app/window_text.cpp
    money/currency_data_dialog.cpp
    money/currency_dialog.cpp
    money/currency_picker_dialog.cpp
    money/euro_rates_dialog.cpp
    money/exchange_rate_file.cpp
    money/money_dialog.cpp
    money/price_comparison_dialog.cpp
    money/rate_download.cpp
    money/rate_update.cpp
    platform/accessible_name.cpp
    platform/dialog_scroll.cpp
    platform/shell_layer.cpp
    platform/system_library.cpp
    reference/care_labels_dialog.cpp
    reference/code_list_dialog.cpp
    reference/letter_index_strip.cpp
    reference/list_tool_dialog.cpp
    reference/list_view_rows.cpp
    reference/mapped_text_file.cpp
    reference/sales_tax_dialog.cpp
    settings/options_dialog.cpp
    settings/registry_key.cpp
    tools/base_converter_dialog.cpp
    tools/calculator_dialog.cpp
    tools/calculator_fields.cpp
    tools/calculator_tables.cpp
    tools/clothing_sizes_dialog.cpp
    tools/days_between_dialog.cpp
    tools/formula_dialog.cpp
    tools/permutation_dialog.cpp
    units/category_tab.cpp
    units/converter_window.cpp
    units/tool_table.cpp
)
add_library(tvwin STATIC ${TV_WIN_SOURCES})
target_link_libraries(tvwin PUBLIC comctl32 gdi32 user32 advapi32)
target_link_libraries(tvwin PUBLIC tvcore)
# {sizeof x} is how Win32 structures are started: the rest is zero on purpose.
target_compile_options(tvwin PRIVATE -Wall -Wextra -Wno-missing-field-initializers)

# Everything inside the binaries: they run on a bare Windows.
set(TV_STATIC_LINK -static -static-libgcc -static-libstdc++)

# Every Windows binary, the help file and the data files in one folder.
set(TV_BIN ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${TV_BIN})
# The version, written once in CMakeLists.txt, reaches the resources, the
# manifest and the help file through these generated copies.
set(TV_GENERATED ${CMAKE_BINARY_DIR}/generated)
configure_file(resources/version.h.in ${TV_GENERATED}/version.h @ONLY)
configure_file(resources/TallyvanePro.manifest.in ${TV_GENERATED}/TallyvanePro.manifest @ONLY)
configure_file(docs/TallyvanePro.htm ${TV_BIN}/TallyvanePro.htm @ONLY)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I ${TV_GENERATED}")
set(TV_RESOURCES ${CMAKE_SOURCE_DIR}/resources/TallyvanePro.rc)
set_source_files_properties(${TV_RESOURCES} PROPERTIES OBJECT_DEPENDS
    "${CMAKE_SOURCE_DIR}/resources/resource_ids.h;${CMAKE_SOURCE_DIR}/resources/base_price_dialogs.rc;${CMAKE_SOURCE_DIR}/resources/calculator_dialogs.rc;${CMAKE_SOURCE_DIR}/resources/list_tool_dialogs.rc;${CMAKE_SOURCE_DIR}/resources/code_list_dialogs.rc;${CMAKE_SOURCE_DIR}/resources/money_dialogs.rc;${CMAKE_SOURCE_DIR}/resources/tallyvane.ico;${CMAKE_SOURCE_DIR}/resources/rule.bmp;${TV_GENERATED}/TallyvanePro.manifest;${TV_GENERATED}/version.h")

add_executable(TallyvanePro WIN32 app/main.cpp ${TV_RESOURCES})
target_link_libraries(TallyvanePro PRIVATE tvwin)
# Sections aligned in the file as in memory, so the image can be mapped as it
# lies rather than copied in (Wine copies it otherwise: 0.16 MB more at start).
set(TV_PROGRAM_LINK ${TV_STATIC_LINK} -municode -mwindows -s -Wl,--file-alignment,0x1000)
target_link_options(TallyvanePro PRIVATE ${TV_PROGRAM_LINK})

# The care-label icons: a library of resources only, with no code and no entry point.
add_library(wLabels SHARED resources/wLabels.rc)
set_target_properties(wLabels PROPERTIES PREFIX "" LINKER_LANGUAGE C)
target_link_options(wLabels PRIVATE -nostdlib -Wl,-e,0 -s)

# The data files beside the program.
file(GLOB TV_DATA_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*.dat)
add_custom_target(data_files ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TV_BIN}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${TV_DATA_FILES} ${TV_BIN}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TV_BIN}/sample
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/data/sample/CurRates.dat ${TV_BIN}/sample
    DEPENDS ${TV_DATA_FILES} ${CMAKE_SOURCE_DIR}/data/sample/CurRates.dat)

# tallyvane.exe, the command-line companion, beside the program.
add_subdirectory(cli)
add_subdirectory(tests/cli)

add_subdirectory(tests/win)

# The zip and the installer (make dist), and the test that installs one.
include(cmake/packaging.cmake)
add_subdirectory(tests/install)

# Start-up benchmark (make bench): the program against a minimal window.
add_executable(empty_window WIN32 bench/empty_window.cpp)
target_link_options(empty_window PRIVATE ${TV_STATIC_LINK} -municode -mwindows)
file(WRITE ${TV_GENERATED}/manifest_only.rc "1 24 \"TallyvanePro.manifest\"\n")
add_executable(empty_classic_controls WIN32 bench/empty_window.cpp)
target_compile_definitions(empty_classic_controls PRIVATE TV_SAME_CONTROLS)
target_link_options(empty_classic_controls PRIVATE ${TV_STATIC_LINK} -municode -mwindows)
add_executable(empty_controls WIN32 bench/empty_window.cpp ${TV_GENERATED}/manifest_only.rc)
target_compile_definitions(empty_controls PRIVATE TV_SAME_CONTROLS TV_COMMON_CONTROLS)
target_link_libraries(empty_controls PRIVATE comctl32)
target_link_options(empty_controls PRIVATE ${TV_STATIC_LINK} -municode -mwindows)
add_executable(dialog_bench bench/dialog_bench.cpp ${TV_RESOURCES})
target_link_libraries(dialog_bench PRIVATE tvwin)
target_link_options(dialog_bench PRIVATE ${TV_STATIC_LINK} -municode)
add_executable(rescale_bench bench/rescale_bench.cpp ${TV_RESOURCES})
target_link_libraries(rescale_bench PRIVATE tvwin)
target_link_options(rescale_bench PRIVATE ${TV_STATIC_LINK} -municode)
add_executable(paint_bench bench/paint_bench.cpp tests/win/gdi_creation_count.cpp ${TV_RESOURCES})
target_link_libraries(paint_bench PRIVATE tvwin)
target_link_options(paint_bench PRIVATE ${TV_STATIC_LINK} -municode)
add_executable(startup_bench bench/startup_bench.cpp)
target_include_directories(startup_bench PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(startup_bench PRIVATE psapi)
target_link_options(startup_bench PRIVATE ${TV_STATIC_LINK} -municode)
# The program again with its start-up steps timed, for the benchmark's breakdown.
add_library(tvwin_marks STATIC EXCLUDE_FROM_ALL ${TV_WIN_SOURCES} app/startup_marks.cpp)
target_compile_definitions(tvwin_marks PUBLIC TV_STARTUP_MARKS)
target_link_libraries(tvwin_marks PUBLIC comctl32 gdi32 user32 advapi32 tvcore)
add_executable(TallyvanePro_marks WIN32 EXCLUDE_FROM_ALL app/main.cpp ${TV_RESOURCES})
target_link_libraries(TallyvanePro_marks PRIVATE tvwin_marks)
target_link_options(TallyvanePro_marks PRIVATE ${TV_PROGRAM_LINK})
target_compile_options(tvwin_marks PRIVATE -Wall -Wextra -Wno-missing-field-initializers)
