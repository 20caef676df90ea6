# SPDX-License-Identifier: GPL-3.0-or-later
# The catalogs. German is the language the texts are written in, English the
# first translation. Two catalogs, one for the rules and the game's data
# (game_<language>.ts), one for the windows (windows_<language>.ts); the
# German ones hold only the plural forms (the texts with %n), which the
# sources cannot spell for every number. `cmake --build build --target
# update_translations` brings them up to date with the sources; the built
# catalogs go into the program as ":/i18n/<catalog>_<language>.qm".

set(STRATAGON_TS_DIR ${CMAKE_SOURCE_DIR}/translations)
set(STRATAGON_LUPDATE_OPTIONS -source-language de -locations none -no-ui-lines -no-obsolete)

file(GLOB_RECURSE game_text_sources CONFIGURE_DEPENDS
    src/world/*.cpp src/world/*.h src/simulation/*.cpp src/simulation/*.h
    src/storage/*.cpp src/storage/*.h src/session/*.cpp src/session/*.h)
file(GLOB_RECURSE window_text_sources CONFIGURE_DEPENDS
    src/platform/*.cpp src/platform/*.h src/mapview/*.cpp src/mapview/*.h
    src/generals/*.cpp src/generals/*.h src/shell/*.cpp src/shell/*.h)
list(APPEND window_text_sources ${CMAKE_SOURCE_DIR}/src/main.cpp)

# One lupdate target per catalog file: stratagon_<catalog>_<language>_lupdate.
function(stratagon_catalog catalog sources)
    foreach(language en de)
        set(ts ${STRATAGON_TS_DIR}/${catalog}_${language}.ts)
        if(NOT EXISTS ${ts})
            continue()
        endif()
        set(options ${STRATAGON_LUPDATE_OPTIONS} -target-language ${language})
        if(language STREQUAL de)
            list(APPEND options -pluralonly)
        endif()
        # qt_add_lupdate wants a target to name its own after.
        add_custom_target(stratagon_${catalog}_${language})
        qt_add_lupdate(stratagon_${catalog}_${language} TS_FILES ${ts} SOURCES ${sources}
            INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}/src OPTIONS ${options})
        set_property(GLOBAL APPEND PROPERTY STRATAGON_TS_FILES ${ts})
    endforeach()
endfunction()

stratagon_catalog(game "${game_text_sources}")
stratagon_catalog(windows "${window_text_sources}")

get_property(STRATAGON_TS_FILES GLOBAL PROPERTY STRATAGON_TS_FILES)
qt_add_lrelease(stratagon_ui TS_FILES ${STRATAGON_TS_FILES} QM_FILES_OUTPUT_VARIABLE STRATAGON_QM_FILES)
qt_add_resources(stratagon_ui stratagon_catalogs PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}
    FILES ${STRATAGON_QM_FILES})
