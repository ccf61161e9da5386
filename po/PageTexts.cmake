# Writes the texts (and titles) of the page's elements marked data-tr, the
# content of its <meta> elements so marked, and its web app manifest's
# description as tr() calls into OUTPUT, for xgettext to put in the catalog's
# template beside the texts of web/*.js.
# usage: cmake -DPAGE=web/index.html -DMANIFEST=web/manifest.webmanifest -DOUTPUT=page.js -P PageTexts.cmake
file(READ ${PAGE} page)
string(REGEX MATCHALL "<[a-z]+[^>]* data-tr[^>]*>[^<]*<" elements "${page}")
set(calls "")
foreach(element IN LISTS elements)
  if(element MATCHES "^<meta [^>]* content=\"([^\"]*)\"")
    string(APPEND calls "// TRANSLATORS: the page's <meta> description, shown by search engines\n"
      "tr(\"${CMAKE_MATCH_1}\");\n")
    continue()
  endif()
  string(REGEX REPLACE ".*>([^<]*)<$" "\\1" text "${element}")
  string(APPEND calls "tr(\"${text}\");\n")
  if(element MATCHES " title=\"([^\"]*)\"")
    string(APPEND calls "tr(\"${CMAKE_MATCH_1}\");\n")
  endif()
endforeach()
file(READ ${MANIFEST} manifest)
string(JSON description GET "${manifest}" description)
string(APPEND calls "// TRANSLATORS: the description of the page installed as an app (its manifest)\n"
  "tr(\"${description}\");\n")
file(WRITE ${OUTPUT} "${calls}")
