# The English language library English_Lang.dll, a resource-only PE32 image built from
# English_Lang.rc and put next to the executables, where the program looks for it.
#
# windres gets `cat` as its preprocessor, so the .rc holds no comments or directives; the input is
# named relative to the lang folder because windres hands it to the preprocessor through a shell.
find_program(PANELCFG_WINDRES_I686 i686-w64-mingw32-windres REQUIRED)
find_program(PANELCFG_LD_I686 i686-w64-mingw32-ld REQUIRED)

set(PANELCFG_ENGLISH_RC ${CMAKE_CURRENT_LIST_DIR}/English_Lang.rc)
set(panelcfg_english_res ${CMAKE_BINARY_DIR}/English.res)
if(CMAKE_RUNTIME_OUTPUT_DIRECTORY)
    set(PANELCFG_ENGLISH_DLL ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/English_Lang.dll)
else()
    set(PANELCFG_ENGLISH_DLL ${CMAKE_BINARY_DIR}/English_Lang.dll)
endif()

add_custom_command(
    OUTPUT ${panelcfg_english_res}
    COMMAND ${PANELCFG_WINDRES_I686} --preprocessor=cat -c 65001 -O coff -i English_Lang.rc
            -o ${panelcfg_english_res}
    DEPENDS ${PANELCFG_ENGLISH_RC}
    WORKING_DIRECTORY ${CMAKE_CURRENT_LIST_DIR}
    VERBATIM)
add_custom_command(
    OUTPUT ${PANELCFG_ENGLISH_DLL}
    COMMAND ${PANELCFG_LD_I686} --dll --entry=0 -s -o ${PANELCFG_ENGLISH_DLL} ${panelcfg_english_res}
    DEPENDS ${panelcfg_english_res}
    VERBATIM)
add_custom_target(english_lang_library ALL DEPENDS ${PANELCFG_ENGLISH_DLL})

# The library's own tests (tests/lang) read the built file. test_lang is defined in a folder that
# may be processed after this file, so the hook-up waits for the end of the top-level folder.
function(panelcfg_english_for_tests)
    if(TARGET test_lang)
        target_compile_definitions(test_lang PRIVATE ENGLISH_LANG_DLL="${PANELCFG_ENGLISH_DLL}")
        add_dependencies(test_lang english_lang_library)
    endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL panelcfg_english_for_tests)
