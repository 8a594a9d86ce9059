# SPDX-License-Identifier: MIT
# cmake -D PAGE=FRAGMENT -D LANGUAGE=en|de -D OUTPUT=HTML -P html-manual.cmake:
# makes mandoc's HTML fragment of a Windows page a document titled with the NAME
# line, edition and date under the title, in a column of readable width.
file(READ ${PAGE} body)
string(REGEX MATCH "<p class=\"Pp\">weckwerk - ([^<]*)</p>" _ "${body}")
string(REGEX REPLACE "[ \n]+" " " purpose "${CMAKE_MATCH_1}")
string(REGEX MATCH "<td class=\"foot-date\">([^<]*)</td>[ \n]*<td class=\"foot-os\">([^<]*)</td>" _ "${body}")
set(edition "${CMAKE_MATCH_2}, ${CMAKE_MATCH_1}")
# The text from the section after NAME, which the title now says, to the footer.
set(name_end "</section>\n")
string(FIND "${body}" "${name_end}" start)
string(FIND "${body}" "<table class=\"foot\">" end)
if(purpose STREQUAL "" OR edition STREQUAL ", " OR start LESS 0 OR end LESS start)
  message(FATAL_ERROR "${PAGE}: not laid out as cmake/html-manual.cmake expects of mandoc")
endif()
string(LENGTH "${name_end}" skip)
math(EXPR start "${start} + ${skip}")
math(EXPR length "${end} - ${start}")
string(SUBSTRING "${body}" ${start} ${length} body)
set(title "Weckwerk &#x2014; ${purpose}")
file(WRITE ${OUTPUT} "<!DOCTYPE html>
<html lang=\"${LANGUAGE}\">
<head>
<meta charset=\"utf-8\">
<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">
<title>${title}</title>
<style>
body { max-width: 45em; margin: 2em auto; padding: 0 1em; font-family: \"Segoe UI\", Arial, sans-serif; line-height: 1.45; }
h1 { font-size: 1.5em; }
h1.Sh { font-size: 1.15em; margin-top: 1.5em; }
h2.Ss { font-size: 1em; }
b { white-space: nowrap; }
a.permalink { color: inherit; text-decoration: none; }
pre { background: #f3f3f3; padding: 0.4em 0.6em; overflow-x: auto; }
table.tbl td { padding: 0.1em 2em 0.1em 0; }
</style>
</head>
<body>
<h1>${title}</h1>
<p>${edition}</p>
<div class=\"manual-text\">
${body}</body>
</html>
")
