# nerolith.exe: the window program, its help file, the system-DLL check and the ZIP package.
enable_language(RC)

add_executable(nerolith WIN32
    Startup.cpp
    WinMain.cpp
    ShellState.cpp
    MainWindow.cpp
    MainWindowChildren.cpp
    PageTable.cpp
    PageSwitch.cpp
    PageDialog.cpp
    BoxTextIo.cpp
    OneBoxPageProcs.cpp
    MatrixPageProc.cpp
    MenuCommands.cpp
    HelpCommand.cpp
    FolderOfPath.cpp
    AboutBox.cpp
    nerolith.rc)
target_compile_definitions(nerolith PRIVATE UNICODE _UNICODE)
target_link_libraries(nerolith PRIVATE nerolith_pages comctl32 gdi32 shell32)
set_source_files_properties(nerolith.rc PROPERTIES
    OBJECT_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/resource.h;${CMAKE_CURRENT_SOURCE_DIR}/res/nerolith.ico;${CMAKE_CURRENT_SOURCE_DIR}/res/about.bmp;${CMAKE_CURRENT_SOURCE_DIR}/res/nerolith.manifest")

# Help.htm stands next to nerolith.exe.
set(NEROLITH_HELP_FILE ${CMAKE_CURRENT_BINARY_DIR}/Help.htm)
add_custom_command(OUTPUT ${NEROLITH_HELP_FILE}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/Help.htm ${NEROLITH_HELP_FILE}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/Help.htm)
add_custom_target(nerolith_help ALL DEPENDS ${NEROLITH_HELP_FILE})
add_dependencies(nerolith nerolith_help)

set(NEROLITH_ZIP ${CMAKE_BINARY_DIR}/nerolith-${PROJECT_VERSION}-win64.zip)
add_custom_target(package
    COMMAND ${CMAKE_COMMAND} -E tar cf ${NEROLITH_ZIP} --format=zip nerolith.exe Help.htm
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    DEPENDS nerolith nerolith_help
    COMMENT "Packing ${NEROLITH_ZIP}"
    VERBATIM)

if(NEROLITH_TESTS)
    add_test(NAME NerolithSystemDlls
        COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DPROGRAM=$<TARGET_FILE:nerolith>
                -P ${CMAKE_CURRENT_SOURCE_DIR}/CheckSystemDlls.cmake)
    add_subdirectory(tests/e2e)
endif()
