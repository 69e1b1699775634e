# The documents the package carries besides the programs, made from the
# sources into ${PROJECT_BINARY_DIR}/package: the copyright file, the AppStream
# metadata, and the compressed manual pages and changelog.
#
# docs/changelog (Debian's changelog format) is the record of releases: its
# first entry must be this version, and its signature line gives the package's
# maintainer and the release date of the AppStream metadata.
set(ORVANTA_APPSTREAM_ID org.orvanta.orvanta)
set(package_documents "${PROJECT_BINARY_DIR}/package")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    "${PROJECT_SOURCE_DIR}/docs/changelog" "${PROJECT_SOURCE_DIR}/LICENSE" "${PROJECT_SOURCE_DIR}/data/description.txt")

file(READ "${PROJECT_SOURCE_DIR}/docs/changelog" changelog)
string(REPLACE "." "\\." version_pattern "${PROJECT_VERSION}")
string(REGEX MATCH "\n -- [^\n]*" signature "${changelog}")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
string(JOIN "|" month_pattern ${months})
if(NOT changelog MATCHES "^orvanta \\(${version_pattern}\\) "
   OR NOT signature MATCHES "^\n -- ([^<\n]+ <([^>\n]+)>)  [A-Z][a-z][a-z], ([0-9][0-9]) (${month_pattern}) ([0-9]+) ")
    message(FATAL_ERROR "docs/changelog: the first entry must be \"orvanta (${PROJECT_VERSION}) ...\", "
                        "signed \" -- Name <address>  Day, DD Mon YYYY hh:mm:ss +zzzz\"")
endif()
set(ORVANTA_MAINTAINER "${CMAKE_MATCH_1}")
set(ORVANTA_MAINTAINER_ADDRESS "${CMAKE_MATCH_2}")
list(FIND months "${CMAKE_MATCH_4}" month)
math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
if(month LESS 10)
    set(month "0${month}")
endif()
set(ORVANTA_RELEASE_DATE "${CMAKE_MATCH_5}-${month}-${CMAKE_MATCH_3}")

# The machine-readable copyright file, its holder and licence text from LICENSE.
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" license)
if(NOT license MATCHES "\nCopyright \\(c\\) ([^\n]+)\n\n(.+[^\n])\n*$")
    message(FATAL_ERROR "LICENSE: expected a \"Copyright (c) ...\" line followed by the licence text")
endif()
set(ORVANTA_COPYRIGHT "${CMAKE_MATCH_1}")
string(REPLACE "\n" "\n " ORVANTA_LICENSE_TEXT " ${CMAKE_MATCH_2}")
string(REPLACE "\n \n" "\n .\n" ORVANTA_LICENSE_TEXT "${ORVANTA_LICENSE_TEXT}")
configure_file("${PROJECT_SOURCE_DIR}/data/copyright.in" "${package_documents}/copyright" @ONLY)

# The AppStream metadata; its description is the package's, one <p> a paragraph.
file(READ "${PROJECT_SOURCE_DIR}/data/description.txt" package_description)
string(STRIP "${package_description}" description)
string(REPLACE "&" "&amp;" description "${description}")
string(REPLACE "<" "&lt;" description "${description}")
string(REPLACE "\n\n" "</p>\n    <p>" description "${description}")
set(ORVANTA_DESCRIPTION_XML "    <p>${description}</p>")
configure_file("${PROJECT_SOURCE_DIR}/data/orvanta.metainfo.xml.in"
               "${package_documents}/${ORVANTA_APPSTREAM_ID}.metainfo.xml" @ONLY)

# Manual pages and the changelog compressed as Debian wants them: gzip -9,
# without the name and time stamp that would make the package unreproducible.
set(compressed)
foreach(source data/orvanta.1 data/orvanta-cli.1 docs/changelog)
    get_filename_component(name "${source}" NAME)
    add_custom_command(OUTPUT "${package_documents}/${name}.gz"
        COMMAND "${CMAKE_COMMAND}" -E copy "${PROJECT_SOURCE_DIR}/${source}" "${package_documents}/${name}"
        COMMAND gzip -9nf "${package_documents}/${name}"
        DEPENDS "${PROJECT_SOURCE_DIR}/${source}" VERBATIM)
    list(APPEND compressed "${package_documents}/${name}.gz")
endforeach()
add_custom_target(orvanta_compressed_docs ALL DEPENDS ${compressed})
