# nerolith_options: what every target of ours compiles and links with, and nothing else does.
add_library(nerolith_options INTERFACE)
target_compile_options(nerolith_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Werror)

if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # The calculators compare and produce Windows-1251 bytes.
    target_compile_options(nerolith_options INTERFACE -finput-charset=UTF-8 -fexec-charset=CP1251)
    # g++ 12 reports std::string assignments as overlapping copies at -O2 (GCC bug 105329).
    target_compile_options(nerolith_options INTERFACE -Wno-restrict)
elseif(NEROLITH_FUZZ)
    message(STATUS "Nerolith: the fuzz build keeps the program's texts in UTF-8 "
                   "(${CMAKE_CXX_COMPILER_ID} cannot write Windows-1251), so its fuzzers check "
                   "invariants, not the Russian texts")
else()
    message(FATAL_ERROR "Nerolith: the program's texts are Windows-1251 bytes, which only g++ "
                        "(-fexec-charset=CP1251) writes; ${CMAKE_CXX_COMPILER_ID} would leave "
                        "them in UTF-8. Use g++ or MinGW-w64 g++.")
endif()

if(NEROLITH_SANITIZE)
    target_compile_options(nerolith_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(nerolith_options INTERFACE -fsanitize=address,undefined)
endif()

if(NEROLITH_FUZZ)
    target_compile_options(nerolith_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
    target_link_options(nerolith_options INTERFACE -fsanitize=address,undefined)
endif()

if(WIN32)
    # One self-contained .exe: no DLL but the system's.
    target_link_options(nerolith_options INTERFACE -static -static-libgcc -static-libstdc++)
endif()

# nerolith_add_library(NAME SOURCES... LIBS lib... PRIVATE_LIBS lib...): one of our libraries;
# its folder is its include path. LIBS are those its headers include, which its users see too;
# PRIVATE_LIBS those only its sources call, hidden from its users.
function(nerolith_add_library name)
    cmake_parse_arguments(L "" "" "SOURCES;LIBS;PRIVATE_LIBS" ${ARGN})
    add_library(${name} ${L_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${L_LIBS} PRIVATE ${L_PRIVATE_LIBS} nerolith_options)
endfunction()
