# Shared compile settings and helpers for the libraries, the executable and the tests.

function(kest_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wno-missing-field-initializers)
    target_compile_definitions(${target} PRIVATE QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
endfunction()

# kest_add_library(name SOURCES ... DEPENDS ...): one static library per folder of src/.
function(kest_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    kest_warnings(${name})
endfunction()

# kest_add_test(name SOURCES ... DEPENDS ... [DATABASE]): a QTest binary run
# offscreen; DATABASE tests get the private PostgreSQL server of the run.
function(kest_add_test name)
    cmake_parse_arguments(ARG "DATABASE" "" "SOURCES;DEPENDS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE kest_test_support Qt6::Test ${ARG_DEPENDS})
    kest_warnings(${name})
    add_test(NAME ${name} COMMAND ${name})
    set(env "QT_QPA_PLATFORM=offscreen" "KEST_TEST_NAME=${name}" "KEST_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 600)
    if(ARG_DATABASE)
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED kest_database)
    endif()
endfunction()
