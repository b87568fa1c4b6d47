# GoogleTest: Debian's package natively; built from Debian's sources for the Windows build,
# whose test programs then run under Wine (see scripts/wine-run.sh).
if(CMAKE_CROSSCOMPILING)
    set(NEROLITH_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest sources")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(${NEROLITH_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    if(NOT TARGET GTest::gtest_main)
        add_library(GTest::gtest_main ALIAS gtest_main)
        add_library(GTest::gtest ALIAS gtest)
    endif()
    set(CMAKE_CROSSCOMPILING_EMULATOR
        ${PROJECT_SOURCE_DIR}/scripts/wine-run.sh ${CMAKE_BINARY_DIR}/wineprefix)
else()
    find_package(GTest REQUIRED)
endif()

# nerolith_add_test(NAME SOURCES src... LIBS lib...): one GoogleTest program, one ctest entry.
function(nerolith_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main nerolith_options)
    add_test(NAME ${name} COMMAND ${name})
endfunction()
