# Windows side: kovrant.exe and the Windows test programs, run through Wine.
enable_language(RC)

set(KOVRANT_WIN_DEFINES WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00 _WIN32_IE=0x0A00)
target_compile_definitions(kovrant_lib PUBLIC ${KOVRANT_WIN_DEFINES})
set(KOVRANT_WIN_LIBS comctl32 shell32 ole32 oleaut32 uuid gdi32 user32 kernel32 comdlg32)
target_link_libraries(kovrant_lib PUBLIC ${KOVRANT_WIN_LIBS})
add_link_options(-static -static-libgcc -static-libstdc++)

# Every Windows program of the build runs under a private Wine prefix inside the build folder.
set(KOVRANT_WINE_RUN ${CMAKE_BINARY_DIR}/wine-run)
configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.in ${KOVRANT_WINE_RUN} @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${KOVRANT_WINE_RUN})

set(KOVRANT_RESOURCES ${PROJECT_SOURCE_DIR}/src/app/kovrant.rc)
set_source_files_properties(${KOVRANT_RESOURCES} PROPERTIES
  OBJECT_DEPENDS "${PROJECT_SOURCE_DIR}/src/app/kovrant.manifest;${PROJECT_SOURCE_DIR}/src/app/kovrant.ico;${PROJECT_SOURCE_DIR}/src/app/info.html;${PROJECT_SOURCE_DIR}/src/shell/catalogue.txt")

add_executable(kovrant WIN32 ${PROJECT_SOURCE_DIR}/src/app/main_win.cpp
  ${PROJECT_SOURCE_DIR}/src/app/terminate_handler_win.cpp ${PROJECT_SOURCE_DIR}/src/app/library_faults_win.cpp
  ${KOVRANT_RESOURCES})
target_link_libraries(kovrant PRIVATE kovrant_lib)
target_compile_options(kovrant PRIVATE ${KOVRANT_WARNINGS})
# The program carries no symbols and none of the code it never calls.
# A launcher waits on the user and the shell, not on its own loops: its code is built
# for size, but for the loops over the whole table at start-up and in every folder.
# It asks nothing of run-time type information (no dynamic_cast, no typeid).
target_compile_options(kovrant_lib PRIVATE -ffunction-sections -fdata-sections $<$<CONFIG:Release>:-Os> -fno-rtti)
set_source_files_properties(
  ${PROJECT_SOURCE_DIR}/src/store/entry_table_text.cpp ${PROJECT_SOURCE_DIR}/src/store/entry_line.cpp
  ${PROJECT_SOURCE_DIR}/src/util/text.cpp ${PROJECT_SOURCE_DIR}/src/util/utf8.cpp ${PROJECT_SOURCE_DIR}/src/ui/folder_logic.cpp
  ${PROJECT_SOURCE_DIR}/src/ui/search.cpp
  PROPERTIES COMPILE_OPTIONS $<$<CONFIG:Release>:-O2>)
target_link_options(kovrant PRIVATE -s -Wl,--gc-sections)
include(${PROJECT_SOURCE_DIR}/cmake/delay_load.cmake)
kovrant_delay_load(kovrant)

# GoogleTest from the sources Debian's googletest package installs.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

enable_testing()
file(GLOB KOVRANT_CORE_TESTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/core/*.cpp)
add_executable(kovrant_core_tests ${KOVRANT_CORE_TESTS})
target_link_libraries(kovrant_core_tests PRIVATE kovrant_lib GTest::gtest_main)
target_compile_definitions(kovrant_core_tests PRIVATE KOVRANT_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
add_test(NAME core_tests_windows COMMAND kovrant_core_tests)

# Helper programs that the Windows tests start: a recorder that writes its command line
# and current directory to a file, and two minimal windows used as start-up floors.
add_executable(recorder WIN32 ${PROJECT_SOURCE_DIR}/tests/support/recorder_win.cpp)
add_executable(empty_window WIN32 ${PROJECT_SOURCE_DIR}/bench/empty_window_win.cpp)
add_executable(controls_window WIN32 ${PROJECT_SOURCE_DIR}/bench/controls_window_win.cpp ${KOVRANT_RESOURCES})
target_link_libraries(controls_window PRIVATE comctl32 ole32)
add_library(planted SHARED ${PROJECT_SOURCE_DIR}/tests/support/planted_dll_win.cpp)
set_target_properties(planted PROPERTIES PREFIX "")
add_executable(window_probe ${PROJECT_SOURCE_DIR}/tests/support/window_probe_win.cpp)
add_executable(save_loop ${PROJECT_SOURCE_DIR}/tests/support/save_loop_win.cpp)
target_link_libraries(save_loop PRIVATE kovrant_lib)

file(GLOB KOVRANT_WIN_TESTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/win/*.cpp)
add_executable(kovrant_win_tests ${KOVRANT_WIN_TESTS} ${KOVRANT_RESOURCES})
target_link_libraries(kovrant_win_tests PRIVATE kovrant_lib GTest::gtest oleacc)
target_compile_options(kovrant_win_tests PRIVATE ${KOVRANT_WARNINGS})
target_compile_definitions(kovrant_win_tests PRIVATE
  KOVRANT_RECORDER_EXE="$<TARGET_FILE_NAME:recorder>")
add_dependencies(kovrant_win_tests recorder kovrant save_loop window_probe planted)
add_test(NAME gui_tests_windows COMMAND kovrant_win_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR})

add_test(NAME exe_imports_only_known_dlls
  COMMAND sh ${PROJECT_SOURCE_DIR}/tests/support/check-imports.sh $<TARGET_FILE:kovrant>)

# Benchmarks of the window under Wine; run by hand, never as tests.
add_executable(redraw_bench ${PROJECT_SOURCE_DIR}/bench/redraw_bench_win.cpp ${KOVRANT_RESOURCES})
target_link_libraries(redraw_bench PRIVATE kovrant_lib)
# How long the window's thread is held while a large menu is saved as it goes.
add_executable(save_stall ${PROJECT_SOURCE_DIR}/bench/save_stall_win.cpp ${KOVRANT_RESOURCES})
target_link_libraries(save_stall PRIVATE kovrant_lib)
target_compile_options(save_stall PRIVATE ${KOVRANT_WARNINGS})
# The keyboard's way to an entry: the summon key and each keystroke of a search.
add_executable(keyboard_bench ${PROJECT_SOURCE_DIR}/bench/keyboard_bench_win.cpp ${KOVRANT_RESOURCES})
target_link_libraries(keyboard_bench PRIVATE kovrant_lib)
target_compile_options(keyboard_bench PRIVATE ${KOVRANT_WARNINGS})
# The system's shell view on a folder, for comparison with the launcher's start-up; with
# the launcher's resources, so that both use the same common controls.
add_executable(shell_view_host WIN32 ${PROJECT_SOURCE_DIR}/bench/shell_view_host_win.cpp ${KOVRANT_RESOURCES})
target_link_libraries(shell_view_host PRIVATE kovrant_lib)
target_compile_options(shell_view_host PRIVATE ${KOVRANT_WARNINGS})
# Tells a script when another program's window has had its first paint.
add_executable(first_paint ${PROJECT_SOURCE_DIR}/bench/first_paint_win.cpp)
target_compile_options(first_paint PRIVATE ${KOVRANT_WARNINGS})

# A user's session with the real program, driven through mouse and keyboard on the display.
add_test(NAME user_session COMMAND bash ${PROJECT_SOURCE_DIR}/tests/e2e/user_session.sh ${CMAKE_BINARY_DIR})
# The menu on disk follows the running program: saved soon after a change, so a hard kill
# keeps it, and reloaded, never overwritten, when another program edits it.
add_test(NAME save_as_you_go COMMAND bash ${PROJECT_SOURCE_DIR}/tests/e2e/save_as_you_go.sh ${CMAKE_BINARY_DIR})
add_test(NAME full_volume COMMAND bash ${PROJECT_SOURCE_DIR}/tests/e2e/full_volume.sh ${CMAKE_BINARY_DIR})
add_test(NAME outside_race COMMAND bash ${PROJECT_SOURCE_DIR}/tests/e2e/outside_race.sh ${CMAKE_BINARY_DIR})
# The summon key both ways under a window manager, on a display of its own.
add_test(NAME summon_under_window_manager
  COMMAND bash ${PROJECT_SOURCE_DIR}/tests/e2e/summon_under_window_manager.sh ${CMAKE_BINARY_DIR})

# A test that hangs fails in its time instead of holding up the whole run.
set_tests_properties(core_tests_windows exe_imports_only_known_dlls PROPERTIES TIMEOUT 120)
set_tests_properties(gui_tests_windows PROPERTIES TIMEOUT 900)
set_tests_properties(user_session full_volume PROPERTIES TIMEOUT 300)
set_tests_properties(save_as_you_go outside_race summon_under_window_manager PROPERTIES TIMEOUT 180)
# The volume test is skipped, not failed, where the machine cannot mount a small volume.
set_tests_properties(full_volume summon_under_window_manager PROPERTIES SKIP_RETURN_CODE 77)
