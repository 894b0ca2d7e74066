# One function per kind of target, so that every target gets the same flags.

function(flotanor_apply_flags target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wno-unused-parameter)
    target_compile_definitions(${target} PRIVATE
        QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
endfunction()

# flotanor_add_library(name SOURCES ... [LIBS ...])
# A static library whose headers are included by their path below src/.
function(flotanor_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
    flotanor_apply_flags(${name})
endfunction()

# flotanor_add_executable(name SOURCES ... [LIBS ...])
function(flotanor_add_executable name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    flotanor_apply_flags(${name})
endfunction()

# flotanor_add_test(name SOURCES ... [LIBS ...] [ENGINES sqlite postgres] [WIDGETS])
# A QtTest executable registered with CTest. With ENGINES it is registered once per
# database engine (name_sqlite, name_postgres) and reads FLOTANOR_TEST_ENGINE.
# WIDGETS runs it on the offscreen platform.
function(flotanor_add_test name)
    cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;LIBS;ENGINES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} flotanor_testsupport Qt6::Test)
    flotanor_apply_flags(${name})
    set(env "LANG=pl_PL.UTF-8" "LC_ALL=" "TZ=Europe/Warsaw")
    if(ARG_WIDGETS)
        list(APPEND env "QT_QPA_PLATFORM=offscreen")
    endif()
    if(ARG_ENGINES)
        foreach(engine IN LISTS ARG_ENGINES)
            add_test(NAME ${name}_${engine} COMMAND ${name})
            set_tests_properties(${name}_${engine} PROPERTIES
                ENVIRONMENT "${env};FLOTANOR_TEST_ENGINE=${engine}"
                LABELS "${engine}")
        endforeach()
    else()
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}")
    endif()
endfunction()

# flotanor_add_benchmark(name SOURCES ... [LIBS ...]): built, never registered as a test.
function(flotanor_add_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    flotanor_apply_flags(${name})
endfunction()
