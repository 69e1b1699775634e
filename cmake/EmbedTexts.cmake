# Writes OUTPUT: one std::string_view per entry of ENTRIES ("symbol=path|..."),
# holding the file's exact bytes as a string literal of hex escapes.
string(REPLACE "|" ";" entries "${ENTRIES}")
set(body "// Generated from the stock text files; do not edit.\n#include <string_view>\n\nnamespace ${NAMESPACE} {\n")
foreach(entry IN LISTS entries)
    string(REGEX MATCH "^[^=]+" symbol "${entry}")
    string(REGEX REPLACE "^[^=]+=" "" path "${entry}")
    file(READ "${path}" hex HEX)
    string(LENGTH "${hex}" hex_length)
    math(EXPR size "${hex_length} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
    # Break the literal into lines of 32 bytes (128 characters of escapes).
    string(REGEX REPLACE "((\\\\x[0-9a-f][0-9a-f]){32})" "\\1\"\n    \"" escaped "${escaped}")
    string(APPEND body "extern const std::string_view ${symbol};\n"
                       "const std::string_view ${symbol}{\n    \"${escaped}\",\n    ${size}};\n\n")
endforeach()
string(APPEND body "} // namespace ${NAMESPACE}\n")
file(WRITE "${OUTPUT}.tmp" "${body}")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
