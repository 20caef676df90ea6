# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DIN=<catalog>.ts -DOUT=<pseudo>.ts -P PseudoCatalog.cmake
# Writes a catalog whose every translation is its source wrapped in ⟦…⟧ (each
# plural form too). A window shown with it marks every text that went
# through a catalog; a text without the brackets did not.

cmake_minimum_required(VERSION 3.25)
file(READ ${IN} rest)
set(out "")
while(TRUE)
    string(FIND "${rest}" "<source>" at)
    if(at EQUAL -1)
        string(APPEND out "${rest}")
        break()
    endif()
    math(EXPR at "${at} + 8")
    string(SUBSTRING "${rest}" 0 ${at} head)
    string(SUBSTRING "${rest}" ${at} -1 rest)
    string(APPEND out "${head}")

    string(FIND "${rest}" "</source>" end)
    string(SUBSTRING "${rest}" 0 ${end} source)
    string(SUBSTRING "${rest}" ${end} -1 rest)
    string(APPEND out "${source}")

    # What lies between the source and the translation (comments) stays.
    string(FIND "${rest}" "<translation" open)
    string(SUBSTRING "${rest}" 0 ${open} between)
    string(FIND "${rest}" "</translation>" close)
    string(SUBSTRING "${rest}" ${open} ${close} translation)
    math(EXPR close "${close} + 14")
    string(SUBSTRING "${rest}" ${close} -1 rest)

    string(APPEND out "${between}")
    string(REGEX MATCHALL "<numerusform" forms "${translation}")
    list(LENGTH forms count)
    if(count GREATER 0)
        string(APPEND out "<translation>")
        foreach(form ${forms})
            string(APPEND out "<numerusform>⟦${source}⟧</numerusform>")
        endforeach()
        string(APPEND out "</translation>")
    else()
        string(APPEND out "<translation>⟦${source}⟧</translation>")
    endif()
endwhile()
file(WRITE ${OUT} "${out}")
