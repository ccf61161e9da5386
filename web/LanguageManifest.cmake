# Writes the web app manifest MANIFEST as it reads in LANGUAGE to OUTPUT: its
# description translated by the catalog CATALOG (a PO file; msggrep finds
# the entry) and its lang set to the language.
# usage: cmake -DMSGGREP=msggrep -DMANIFEST=manifest.webmanifest -DCATALOG=en.po -DLANGUAGE=en
#          -DOUTPUT=manifest.en.webmanifest -P LanguageManifest.cmake
file(READ ${MANIFEST} manifest)
string(JSON description GET "${manifest}" description)
execute_process(COMMAND ${MSGGREP} --no-wrap --no-location --msgid --fixed-strings --regexp=${description} ${CATALOG}
  OUTPUT_VARIABLE entries COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE "([][+.*()^$?|\\\\])" "\\\\\\1" source "${description}")
if(NOT entries MATCHES "\nmsgid \"${source}\"\nmsgstr (\"[^\"\n][^\n]*\")\n")
  message(FATAL_ERROR "${CATALOG} does not translate the manifest's description \"${description}\"")
endif()
# The escapes of a PO file's string are JSON's, for a description's text.
string(JSON manifest SET "${manifest}" description "${CMAKE_MATCH_1}")
string(JSON manifest SET "${manifest}" lang "\"${LANGUAGE}\"")
file(WRITE ${OUTPUT} "${manifest}\n")
