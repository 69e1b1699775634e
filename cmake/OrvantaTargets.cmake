# Settings every target of ours shares: strict warnings, treated as errors
# with ORVANTA_WERROR.
function(orvanta_strict_warnings target)
    if(MSVC)  # a desktop build on Windows with Qt's MSVC kit
        target_compile_options(${target} PRIVATE /W4 /permissive- $<$<BOOL:${ORVANTA_WERROR}>:/WX>)
        return()
    endif()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic $<$<BOOL:${ORVANTA_WERROR}>:-Werror>)
    # GCC 12 at -O3 reports std::string concatenation as overlapping memcpy
    # (GCC bug 105329), a false positive fixed in GCC 13.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
endfunction()

# orvanta_add_layer(<name> <sources>... [LINKS <layer>...]): the core's library
# orvanta_<name> of the folder src/<name>, linking only the layers it names.
# Every layer shares the include root src/; tools/check_layer_includes.py
# fails the tests on an include of a layer the folder does not link.
function(orvanta_add_layer name)
    cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
    add_library(orvanta_${name} STATIC ${ARG_UNPARSED_ARGUMENTS})
    target_include_directories(orvanta_${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    foreach(layer IN LISTS ARG_LINKS)
        target_link_libraries(orvanta_${name} PRIVATE orvanta_${layer})
    endforeach()
    orvanta_strict_warnings(orvanta_${name})
endfunction()

# Embeds text files into a generated C++ source, byte for byte.
#   orvanta_embed_texts(OUTPUT <cpp> NAMESPACE <ns> FILES <symbol>=<path>...)
function(orvanta_embed_texts)
    cmake_parse_arguments(ARG "" "OUTPUT;NAMESPACE" "FILES" ${ARGN})
    set(inputs)
    foreach(entry IN LISTS ARG_FILES)
        string(REGEX REPLACE "^[^=]+=" "" path "${entry}")
        list(APPEND inputs "${path}")
    endforeach()
    string(REPLACE ";" "|" entries "${ARG_FILES}")
    add_custom_command(
        OUTPUT "${ARG_OUTPUT}"
        COMMAND "${CMAKE_COMMAND}" "-DOUTPUT=${ARG_OUTPUT}" "-DNAMESPACE=${ARG_NAMESPACE}"
                "-DENTRIES=${entries}" -P "${PROJECT_SOURCE_DIR}/cmake/EmbedTexts.cmake"
        DEPENDS ${inputs} "${PROJECT_SOURCE_DIR}/cmake/EmbedTexts.cmake"
        COMMENT "Embedding stock texts"
        VERBATIM)
endfunction()
