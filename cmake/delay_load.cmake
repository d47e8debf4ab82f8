# kovrant.exe imports only kernel32 and msvcrt when it starts. Every other system DLL is
# bound on first call through a delay-import library, after main has limited the search
# for libraries to the system folder. Imports resolved by the loader before main would
# otherwise be looked for beside the program first, and so would their own imports.
find_program(KOVRANT_NM NAMES x86_64-w64-mingw32-nm REQUIRED)
find_program(KOVRANT_DLLTOOL NAMES x86_64-w64-mingw32-dlltool REQUIRED)
set(KOVRANT_DELAY_LOADED comctl32 shell32 ole32 oleaut32 gdi32 user32 comdlg32 advapi32)

set(KOVRANT_DELAY_LIBRARIES)
foreach(dll IN LISTS KOVRANT_DELAY_LOADED)
  find_library(KOVRANT_IMPORT_${dll} NAMES lib${dll}.a REQUIRED)
  set(output ${CMAKE_BINARY_DIR}/delay-load/libdelay_${dll}.a)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delay-load
    COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/delay-import-lib.sh ${KOVRANT_NM} ${KOVRANT_DLLTOOL}
            ${KOVRANT_IMPORT_${dll}} ${dll}.dll ${output}
    DEPENDS ${PROJECT_SOURCE_DIR}/cmake/delay-import-lib.sh ${KOVRANT_IMPORT_${dll}}
    VERBATIM)
  list(APPEND KOVRANT_DELAY_LIBRARIES ${output})
endforeach()
add_custom_target(kovrant_delay_libraries DEPENDS ${KOVRANT_DELAY_LIBRARIES})

# Links the program against the delay-import libraries; they come right after the code
# that calls them, ahead of the ordinary import libraries.
function(kovrant_delay_load target)
  add_dependencies(${target} kovrant_delay_libraries)
  target_link_libraries(${target} PRIVATE ${KOVRANT_DELAY_LIBRARIES})
endfunction()
