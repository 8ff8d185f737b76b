# Fails when a source file differs from what clang-format makes of it.
file(GLOB_RECURSE PLIKI
    ${ZRODLA}/app/*.cpp ${ZRODLA}/app/*.h ${ZRODLA}/core/*.cpp ${ZRODLA}/core/*.h
    ${ZRODLA}/lang/*.cpp ${ZRODLA}/lang/*.h ${ZRODLA}/elements/*.cpp ${ZRODLA}/elements/*.h
    ${ZRODLA}/platform/*.cpp ${ZRODLA}/platform/*.h ${ZRODLA}/comm/*.cpp ${ZRODLA}/comm/*.h
    ${ZRODLA}/memory/*.cpp ${ZRODLA}/memory/*.h ${ZRODLA}/report/*.cpp ${ZRODLA}/report/*.h
    ${ZRODLA}/ui/*.cpp ${ZRODLA}/ui/*.h ${ZRODLA}/sim/*.cpp ${ZRODLA}/sim/*.h
    ${ZRODLA}/tests/*.cpp ${ZRODLA}/tests/*.h ${ZRODLA}/bench/*.cpp)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${PLIKI} RESULT_VARIABLE wynik)
if(NOT wynik EQUAL 0)
    message(FATAL_ERROR "clang-format: some files are not formatted (run clang-format -i on them)")
endif()
