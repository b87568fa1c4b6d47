# Builds the per-user installer. wixl makes the database from the .wxs, run in BINARY_DIR
# (where nerolith.exe and Help.htm are) with nerolith-msi.wxi, written here beside OUTPUT,
# defining Version, Publisher and UpgradeCode (wixl takes no Cyrillic in -D). Then msibuild sets
# the database's code page to 1251 and applies the SQL file's statements, one a line ("--"
# starts a comment line), with @VERSION@, @PUBLISHER@ and @UPGRADE_CODE@ filled in.
# Usage: cmake -DWIXL=wixl -DMSIBUILD=msibuild -DWXS=nerolith.wxs -DSQL=nerolith-msi.sql
#              -DBINARY_DIR=dir -DVERSION=1.0 -DPUBLISHER=... -DUPGRADE_CODE=guid
#              -DOUTPUT=nerolith-1.0-win64.msi -P Msi.cmake
cmake_minimum_required(VERSION 3.25)
foreach(variable WIXL MSIBUILD WXS SQL BINARY_DIR VERSION PUBLISHER UPGRADE_CODE OUTPUT)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "Msi.cmake needs -D${variable}=...")
    endif()
endforeach()

get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(WRITE ${output_dir}/nerolith-msi.wxi "<?xml version=\"1.0\" encoding=\"utf-8\"?>
<Include>
  <?define Version = \"${VERSION}\"?>
  <?define Publisher = \"${PUBLISHER}\"?>
  <?define UpgradeCode = \"${UPGRADE_CODE}\"?>
</Include>
")
set(database ${OUTPUT}.part)
file(REMOVE ${database})
execute_process(
    COMMAND ${WIXL} --arch x64 -I ${output_dir} -o ${database} ${WXS}
    WORKING_DIRECTORY ${BINARY_DIR}
    RESULT_VARIABLE failed
    ERROR_VARIABLE complaints)
# wixl only warns about an attribute or element it does not know, and then leaves it out.
if(failed OR complaints)
    message(FATAL_ERROR "wixl could not build ${OUTPUT}:\n${complaints}")
endif()

set(codepage_table ${OUTPUT}.codepage.idt)
file(WRITE ${codepage_table} "\r\n\r\n1251\t_ForceCodepage\r\n")
# A statement's own semicolons are kept apart from those of the list of lines.
file(READ ${SQL} statements)
string(REPLACE ";" "<semicolon>" statements "${statements}")
string(REPLACE "\n" ";" lines "${statements}")
set(queries)
foreach(line IN LISTS lines)
    if(line AND NOT line MATCHES "^--")
        string(CONFIGURE "${line}" query @ONLY)
        string(REPLACE "<semicolon>" "\\;" query "${query}")
        list(APPEND queries -q "${query}")
    endif()
endforeach()
execute_process(
    COMMAND ${MSIBUILD} ${database} -i ${codepage_table} ${queries}
    RESULT_VARIABLE failed
    OUTPUT_VARIABLE report
    ERROR_VARIABLE report)
file(REMOVE ${codepage_table})
if(failed)
    message(FATAL_ERROR "msibuild could not apply ${SQL} to ${OUTPUT}:\n${report}")
endif()
file(RENAME ${database} ${OUTPUT})
