add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Werror)

if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # The calculators compare and produce Windows-1251 bytes.
    add_compile_options(-finput-charset=UTF-8 -fexec-charset=CP1251)
    # g++ 12 reports std::string assignments as overlapping copies at -O2 (GCC bug 105329).
    add_compile_options(-Wno-restrict)
else()
    # clang knows no other execution charset than UTF-8; only the fuzz build uses it.
    message(STATUS "Nerolith: ${CMAKE_CXX_COMPILER_ID} keeps string literals in UTF-8")
endif()

if(NEROLITH_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
    # One self-contained .exe: no DLL but the system's.
    add_link_options(-static -static-libgcc -static-libstdc++)
endif()

if(NEROLITH_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()
