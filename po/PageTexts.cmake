# Writes the texts (and titles) of the page's elements marked data-tr as tr()
# calls into OUTPUT, for xgettext to put in the catalog's template beside the
# texts of web/*.js.
# usage: cmake -DPAGE=web/index.html -DOUTPUT=page.js -P PageTexts.cmake
file(READ ${PAGE} page)
string(REGEX MATCHALL "<[a-z]+[^>]* data-tr[^>]*>[^<]*<" elements "${page}")
set(calls "")
foreach(element IN LISTS elements)
  string(REGEX REPLACE ".*>([^<]*)<$" "\\1" text "${element}")
  string(APPEND calls "tr(\"${text}\");\n")
  if(element MATCHES " title=\"([^\"]*)\"")
    string(APPEND calls "tr(\"${CMAKE_MATCH_1}\");\n")
  endif()
endforeach()
file(WRITE ${OUTPUT} "${calls}")
