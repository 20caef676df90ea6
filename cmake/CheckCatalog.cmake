# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DLUPDATE=… -DLRELEASE=… -DTS=<catalog>.ts -DSOURCES=<files or folders, by commas>
#       -DINCLUDE=<folder> -DWORK=<scratch folder> [-DOPTIONS=<lupdate options, by commas>]
#       -P CheckCatalog.cmake
# Fails when the catalog lacks a text of the sources (lupdate would add it)
# or holds a text without its translation (lrelease counts it unfinished).

file(MAKE_DIRECTORY ${WORK})
get_filename_component(name ${TS} NAME)
set(copy ${WORK}/${name})
file(COPY_FILE ${TS} ${copy})
string(REPLACE "," ";" SOURCES "${SOURCES}")
string(REPLACE "," ";" OPTIONS "${OPTIONS}")
execute_process(COMMAND ${LUPDATE} -I ${INCLUDE} -source-language de -locations none -no-ui-lines -no-obsolete
                        ${OPTIONS} ${SOURCES} -ts ${copy}
                OUTPUT_VARIABLE updated ERROR_VARIABLE updated RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "lupdate failed:\n${updated}")
endif()
file(READ ${TS} before)
file(READ ${copy} after)
if(NOT before STREQUAL after)
    string(REGEX MATCH "Found [^\n]*" found "${updated}")
    message(FATAL_ERROR "${name} is not up to date with the sources (${found}); run the update_translations "
                        "target and translate what it adds.")
endif()

execute_process(COMMAND ${LRELEASE} ${TS} -qm ${WORK}/${name}.qm
                OUTPUT_VARIABLE released ERROR_VARIABLE released RESULT_VARIABLE failed)
if(failed OR NOT released MATCHES "and 0 unfinished\\)")
    message(FATAL_ERROR "${name} is not fully translated:\n${released}")
endif()
message(STATUS "${name}: ${released}")
