# Shared compile settings and helpers for the libraries, the executable and the tests.

function(kest_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wno-missing-field-initializers)
    target_compile_definitions(${target} PRIVATE QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
endfunction()

# One precompiled header of the Qt headers, built once and reused by every
# target that knows widgets; the widget-free core has its own.
set(KEST_PCH_DIR ${CMAKE_CURRENT_LIST_DIR})
function(kest_pch_targets)
    add_library(kest_pch_core OBJECT ${KEST_PCH_DIR}/pch_dummy.cpp)
    target_link_libraries(kest_pch_core PRIVATE Qt6::Core Qt6::Sql Qt6::Network)
    target_precompile_headers(kest_pch_core PRIVATE ${KEST_PCH_DIR}/pch_core.h)
    kest_warnings(kest_pch_core)
    add_library(kest_pch_widgets OBJECT ${KEST_PCH_DIR}/pch_dummy.cpp)
    target_link_libraries(kest_pch_widgets PRIVATE Qt6::Widgets Qt6::Sql Qt6::Network)
    target_precompile_headers(kest_pch_widgets PRIVATE ${KEST_PCH_DIR}/pch_widgets.h)
    kest_warnings(kest_pch_widgets)
endfunction()

function(kest_use_pch target kind)
    if(KEST_NO_PCH)
        return()
    endif()
    target_precompile_headers(${target} REUSE_FROM kest_pch_${kind})
endfunction()

# kest_add_library(name SOURCES ... DEPENDS ... [CORE]): one static library
# per folder of src/; CORE for the widget-free ones.
function(kest_add_library name)
    cmake_parse_arguments(ARG "CORE" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    kest_warnings(${name})
    if(ARG_CORE)
        kest_use_pch(${name} core)
    else()
        kest_use_pch(${name} widgets)
    endif()
endfunction()

# kest_add_feature(name PREFIX EB SOURCES ... DEPENDS ...): the library of a
# feature folder: every screen unit whose file name starts with PREFIX (one
# per screen id, a print layout beside its search screen), the folder's
# other SOURCES, on the lookups and the screen bases.
function(kest_add_feature name)
    cmake_parse_arguments(ARG "" "PREFIX" "SOURCES;DEPENDS" ${ARGN})
    file(GLOB screens CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_PREFIX}*.cpp
                                       ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_PREFIX}*.h)
    kest_add_library(${name} SOURCES ${screens} ${ARG_SOURCES} DEPENDS ${ARG_DEPENDS} kest_lookups kest_forms)
endfunction()

# kest_add_test(name SOURCES ... DEPENDS ... [DATABASE] [CORE]): a QTest
# binary run offscreen (no shared precompiled header: QtTest defines its
# build folder per target); DATABASE tests get the private PostgreSQL server of
# the run; CORE tests link no widgets and run without a GUI platform.
function(kest_add_test name)
    cmake_parse_arguments(ARG "DATABASE;CORE" "" "SOURCES;DEPENDS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    kest_warnings(${name})
    if(ARG_CORE)
        target_link_libraries(${name} PRIVATE kest_test_core Qt6::Test ${ARG_DEPENDS})
        set(env "QT_QPA_PLATFORM=none")
    else()
        target_link_libraries(${name} PRIVATE kest_test_support Qt6::Test ${ARG_DEPENDS})
        set(env "QT_QPA_PLATFORM=offscreen")
    endif()
    add_test(NAME ${name} COMMAND ${name})
    # The counters and the server keep one calendar: the server runs on
    # Korean time, so the client of a test does too, or "today" differs
    # between them for nine hours of every day.
    list(APPEND env "KEST_TEST_NAME=${name}" "KEST_SOURCE_DIR=${PROJECT_SOURCE_DIR}" "TZ=Asia/Seoul")
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 600)
    if(ARG_DATABASE)
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED kest_database)
    endif()
endfunction()
