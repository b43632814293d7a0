# How the suite's libraries are declared, installed and tested. Every include path starts at the
# suite's own source folder (ControlSuite_SOURCE_DIR), so the suite builds the same on its own and
# inside another project through add_subdirectory; installed, the same paths start at
# include/ControlSuite.

set(SUITE_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/ControlSuite)

# Gives a library the suite's include root, for itself and (PUBLIC) for whatever links it.
function(suite_include_root target scope)
    target_include_directories(${target} ${scope}
        $<BUILD_INTERFACE:${ControlSuite_SOURCE_DIR}>
        $<INSTALL_INTERFACE:${SUITE_INSTALL_INCLUDEDIR}>)
endfunction()

# Installs a library into the exported package (ControlSuite::<target>, the same name a project
# that adds the suite as a subdirectory links) and the headers of the calling folder, tests
# excepted, under the same relative path they have here.
function(suite_install target)
    add_library(ControlSuite::${target} ALIAS ${target})
    install(TARGETS ${target} EXPORT ControlSuiteTargets
            LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
            ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
    file(RELATIVE_PATH folder ${ControlSuite_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/ DESTINATION ${SUITE_INSTALL_INCLUDEDIR}/${folder}
            FILES_MATCHING PATTERN "*.h" PATTERN "tests" EXCLUDE)
endfunction()

# One gtest executable per test folder; CTest runs each test case in its own process. Nothing
# when the suite's tests are not built.
function(suite_add_tests name)
    if(NOT SUITE_BUILD_TESTS)
        return()
    endif()
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} testsupport GTest::gtest GTest::gmock
                                          GTest::gtest_main)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
endfunction()

# A control library from every source under the calling folder. <name>_core is a static library
# that tests link; lib<name>.so adds the four class-factory exports of library/<name>Library.cpp
# and hides everything else. Both are installed. The tests (tests/*Test.cpp) become
# <name in lower case>_tests and can load lib<name>.so from the library folder.
function(suite_add_control_library name)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    list(FILTER sources EXCLUDE REGEX "/tests/")
    list(FILTER sources EXCLUDE REGEX "/library/${name}Library.cpp$")
    if(NOT sources)
        return()
    endif()
    add_library(${name}_core STATIC ${sources})
    target_link_libraries(${name}_core PUBLIC shared platform)
    suite_include_root(${name}_core PUBLIC)
    suite_install(${name}_core)

    set(exports ${CMAKE_CURRENT_SOURCE_DIR}/library/${name}Library.cpp)
    if(EXISTS ${exports})
        add_library(${name} SHARED ${exports})
        target_link_libraries(${name} PRIVATE ${name}_core)
        # The static core's symbols stay inside: only the four exports are visible.
        target_link_options(${name} PRIVATE -Wl,--exclude-libs,ALL)
        set_target_properties(${name} PROPERTIES CXX_VISIBILITY_PRESET hidden
                                                 VISIBILITY_INLINES_HIDDEN ON)
        add_library(ControlSuite::${name} ALIAS ${name})
        install(TARGETS ${name} EXPORT ControlSuiteTargets
                LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
    endif()

    file(GLOB_RECURSE test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*Test.cpp)
    string(TOLOWER ${name}_tests tests)
    if(test_sources)
        suite_add_tests(${tests} SOURCES ${test_sources} LIBS ${name}_core)
    endif()
    if(TARGET ${tests} AND TARGET ${name})
        add_dependencies(${tests} ${name})
    endif()
endfunction()
