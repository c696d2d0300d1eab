# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Turns a language's unit name catalogue (engine/units/names/<code>.po) into the engine's table of
# that language, a C++ source file written from TEMPLATE. Run as a script:
#   cmake -DPO=names/de.po -DCODE=de -DTEMPLATE=names/unit_names.cpp.in -DOUTPUT=unit_names_de.cpp -P ...
# The entries are written in the catalogue's order, which is the template's, and nothing else
# (no time, no path) reaches the output: two builds write the same bytes.
#
# Entries, by context:
#   "<unit key>|names"     the names read, separated by ';': "=EL" a symbol read in its exact case,
#                          "~qm" an abbreviation read in any case, anything else a written name
#   "<unit key>|singular"  the display name after a number of the plural rule's "one"
#   "<unit key>|plural"    the display name after any other number
#   "<unit key>|names|<n>", "<unit key>|singular|<n>", "<unit key>|plural|<n>"   the unit record's
#                          n-th form of its own ("ml" answers in milliliters): the names that ask
#                          for it, read as the unit too (English's always do), and its display names
#   "currency|<code>|names", "currency|<code>|singular", "currency|<code>|plural"   a currency's
#                          names read in the language, and its display names
#   "currency|<code>|beside"   names read as the currency only beside another one ("Pfund")
#   "currency|<key>|shared"    the language's words for a name several currencies share ("Krone")
#   "<unit key>|description"   the unit's description, as --list and --explain show it
#   "<category key>|category"  the category's name
#   "words|into", "words|per", "words|and"   the query's own words, separated by ';'
#   "words|alike"          words the language spells as English does, separated by ';'
#   "words|numbers", "words|multipliers", "words|scales", "words|parts"   number words, "word=value"
#   "words|articles", "words|of"   words a value and a substance start with
#   "words|questions"      question forms, X the unit asked for and Y the value with its unit
# An empty or fuzzy translation is left out.

cmake_minimum_required(VERSION 3.25)

foreach(variable PO CODE TEMPLATE OUTPUT)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "UnitNameCatalogue.cmake needs -D${variable}=...")
    endif()
endforeach()

# CMake lists are separated by ';', which the catalogue's lists use too: the file's own semicolons
# become the unit separator character while it is read.
# Square brackets would hold a list's separators together: they are set aside too.
string(ASCII 31 semicolon)
string(ASCII 2 open_bracket)
string(ASCII 3 close_bracket)
file(READ "${PO}" content)
string(REPLACE ";" "${semicolon}" content "${content}")
string(REPLACE "[" "${open_bracket}" content "${content}")
string(REPLACE "]" "${close_bracket}" content "${content}")
string(REPLACE "\r" "" content "${content}")
string(REPLACE "\n" ";" lines "${content}")

set(entries_context "")
set(entries_text "")
set(context "")
set(translation "")
set(field "")
set(fuzzy FALSE)

# Records the entry read so far, then starts the next.
macro(end_entry)
    if(NOT context STREQUAL "" AND NOT translation STREQUAL "" AND NOT fuzzy)
        list(APPEND entries_context "${context}")
        list(APPEND entries_text "${translation}")
    endif()
    set(context "")
    set(translation "")
    set(field "")
    set(fuzzy FALSE)
endmacro()

foreach(line IN LISTS lines)
    if(line MATCHES "^#,.*fuzzy")
        end_entry()
        set(fuzzy TRUE)
    elseif(line MATCHES "^#" OR line STREQUAL "")
        if(NOT field STREQUAL "")
            end_entry()
        endif()
    elseif(line MATCHES "^msgctxt \"(.*)\"$")
        set(keep_fuzzy ${fuzzy})
        end_entry()
        set(fuzzy ${keep_fuzzy})
        set(context "${CMAKE_MATCH_1}")
        set(field context)
    elseif(line MATCHES "^msgid \"(.*)\"$")
        set(field id)
    elseif(line MATCHES "^msgstr \"(.*)\"$")
        set(translation "${CMAKE_MATCH_1}")
        set(field translation)
    elseif(line MATCHES "^\"(.*)\"$")
        if(field STREQUAL "translation")
            string(APPEND translation "${CMAKE_MATCH_1}")
        elseif(field STREQUAL "context")
            string(APPEND context "${CMAKE_MATCH_1}")
        endif()
    else()
        message(FATAL_ERROR "${PO}: cannot read the line \"${line}\"")
    endif()
endforeach()
end_entry()

# The pieces of a ';'-separated list, trimmed, into `out`; `text` keeps the catalogue's escapes,
# which C++ string literals share.
function(catalogue_pieces text out)
    string(REPLACE "${semicolon}" ";" pieces "${text}")
    set(kept "")
    foreach(piece IN LISTS pieces)
        string(STRIP "${piece}" piece)
        if(NOT piece STREQUAL "")
            list(APPEND kept "${piece}")
        endif()
    endforeach()
    set(${out} "${kept}" PARENT_SCOPE)
endfunction()

set(word_lists into per and alike numbers multipliers scales parts articles of questions)
set(MEZZURIX_NAME_ROWS "")
set(MEZZURIX_DISPLAY_ROWS "")
set(MEZZURIX_FORM_ROWS "")
set(MEZZURIX_CURRENCY_ROWS "")
set(MEZZURIX_SHARED_CURRENCY_ROWS "")
set(MEZZURIX_DESCRIPTION_ROWS "")
set(MEZZURIX_CATEGORY_ROWS "")
set(singulars "")
foreach(word_list ${word_lists})
    set(words_${word_list} "")
endforeach()
list(LENGTH entries_context count)
if(count GREATER 0)
    math(EXPR last "${count} - 1")
    foreach(i RANGE ${last})
        list(GET entries_context ${i} context)
        list(GET entries_text ${i} text)
        if(context MATCHES "^currency\\|([a-z-]+)\\|shared$")
            set(key "${CMAKE_MATCH_1}")
            catalogue_pieces("${text}" pieces)
            string(REPLACE ";" "|" joined "${pieces}")
            string(APPEND MEZZURIX_SHARED_CURRENCY_ROWS "    {\"${key}\", \"${joined}\"},\n")
            continue()
        endif()
        if(context MATCHES "^currency\\|([A-Z][A-Z][A-Z])\\|(names|beside|singular|plural)$")
            set(code "${CMAKE_MATCH_1}")
            set(role "${CMAKE_MATCH_2}")
            if(role STREQUAL "names" OR role STREQUAL "beside")
                catalogue_pieces("${text}" pieces)
                string(REPLACE ";" "|" currency_${role}_${code} "${pieces}")
            elseif(role STREQUAL "singular")
                set(currency_singular_${code} "${text}")
            else()
                if(NOT DEFINED currency_singular_${code})
                    message(FATAL_ERROR "${PO}: \"${context}\" has no singular before it")
                endif()
                string(APPEND MEZZURIX_CURRENCY_ROWS
                       "    {\"${code}\", \"${currency_names_${code}}\", \"${currency_singular_${code}}\", \"${text}\", "
                       "\"${currency_beside_${code}}\"},\n")
            endif()
            continue()
        endif()
        if(NOT context MATCHES "^([a-z0-9_]+)\\|([a-z]+)(\\|([1-9]))?$")
            message(FATAL_ERROR "${PO}: the context \"${context}\" is not <key>|<role> or <key>|<role>|<form>")
        endif()
        set(key "${CMAKE_MATCH_1}")
        set(role "${CMAKE_MATCH_2}")
        set(form "${CMAKE_MATCH_4}")
        if(NOT form STREQUAL "" AND NOT role MATCHES "^(names|singular|plural)$")
            message(FATAL_ERROR "${PO}: a form has no \"${role}\" in \"${context}\"")
        endif()
        if(key STREQUAL "words")
            list(FIND word_lists "${role}" known)
            if(known EQUAL -1)
                message(FATAL_ERROR "${PO}: no word list \"${role}\"")
            endif()
            catalogue_pieces("${text}" pieces)
            foreach(piece IN LISTS pieces)
                string(APPEND words_${role} "\"${piece}\", ")
            endforeach()
        elseif(role STREQUAL "names")
            catalogue_pieces("${text}" pieces)
            foreach(piece IN LISTS pieces)
                set(kind Name)
                if(piece MATCHES "^=(.+)$")
                    set(kind CaseSymbol)
                    set(piece "${CMAKE_MATCH_1}")
                elseif(piece MATCHES "^~(.+)$")
                    set(kind Symbol)
                    set(piece "${CMAKE_MATCH_1}")
                endif()
                string(APPEND MEZZURIX_NAME_ROWS "    {\"${key}\", \"${piece}\", ${kind}},\n")
                if(NOT form STREQUAL "")
                    list(APPEND form_names_${key}_${form} "${piece}")
                endif()
            endforeach()
        elseif(role STREQUAL "singular" AND NOT form STREQUAL "")
            set(form_singular_${key}_${form} "${text}")
        elseif(role STREQUAL "plural" AND NOT form STREQUAL "")
            if(NOT DEFINED form_singular_${key}_${form})
                message(FATAL_ERROR "${PO}: \"${context}\" has no singular before it")
            endif()
            string(REPLACE ";" "|" joined "${form_names_${key}_${form}}")
            string(APPEND MEZZURIX_FORM_ROWS
                   "    {\"${key}\", ${form}, \"${joined}\", \"${form_singular_${key}_${form}}\", \"${text}\"},\n")
        elseif(role STREQUAL "singular")
            set(singular_${key} "${text}")
            list(APPEND singulars ${key})
        elseif(role STREQUAL "plural")
            if(NOT DEFINED singular_${key})
                message(FATAL_ERROR "${PO}: \"${key}\" has a plural and no singular before it")
            endif()
            string(APPEND MEZZURIX_DISPLAY_ROWS "    {\"${key}\", \"${singular_${key}}\", \"${text}\"},\n")
        elseif(role STREQUAL "description")
            string(APPEND MEZZURIX_DESCRIPTION_ROWS "    {\"${key}\", \"${text}\"},\n")
        elseif(role STREQUAL "category")
            string(APPEND MEZZURIX_CATEGORY_ROWS "    {\"${key}\", \"${text}\"},\n")
        else()
            message(FATAL_ERROR "${PO}: no role \"${role}\" in \"${context}\"")
        endif()
    endforeach()
endif()

set(MEZZURIX_LANGUAGE_CODE "${CODE}")
set(generated MEZZURIX_NAME_ROWS MEZZURIX_DISPLAY_ROWS MEZZURIX_FORM_ROWS MEZZURIX_CURRENCY_ROWS
    MEZZURIX_SHARED_CURRENCY_ROWS)
foreach(word_list ${word_lists})
    string(TOUPPER ${word_list} upper)
    set(MEZZURIX_${upper}_WORDS "${words_${word_list}}")
    list(APPEND generated MEZZURIX_${upper}_WORDS)
endforeach()
foreach(rows ${generated} MEZZURIX_DESCRIPTION_ROWS MEZZURIX_CATEGORY_ROWS)
    string(REPLACE "${semicolon}" ";" ${rows} "${${rows}}")
    string(REPLACE "${open_bracket}" "[" ${rows} "${${rows}}")
    string(REPLACE "${close_bracket}" "]" ${rows} "${${rows}}")
endforeach()
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
