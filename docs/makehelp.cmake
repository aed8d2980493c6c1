# Builds the help file from its source: every <h1> (a group) and every
# <h2 id="..."> (a topic) goes into the table of contents, which replaces the
# CONTENTS marker. Usage: cmake -DSOURCE=... -DOUTPUT=... -P makehelp.cmake
file(READ "${SOURCE}" html)
string(REGEX MATCHALL "<h1>[^<]*</h1>|<h2 id=\"[0-9]+\">[^<]*</h2>" headings "${html}")
set(toc "<ul>\n")
set(open_group FALSE)
foreach(h IN LISTS headings)
  if(h MATCHES "^<h1>([^<]*)</h1>$")
    if(open_group)
      string(APPEND toc "</ul></li>\n")
    endif()
    string(APPEND toc "<li><b>${CMAKE_MATCH_1}</b><ul>\n")
    set(open_group TRUE)
  elseif(h MATCHES "^<h2 id=\"([0-9]+)\">([^<]*)</h2>$")
    string(APPEND toc "<li><a href=\"#${CMAKE_MATCH_1}\">${CMAKE_MATCH_2}</a></li>\n")
  endif()
endforeach()
if(open_group)
  string(APPEND toc "</ul></li>\n")
endif()
string(APPEND toc "</ul>")
string(REPLACE "<!-- CONTENTS -->" "${toc}" html "${html}")
# Qt's HTML reader takes anchors from <a name>; add one to every topic so the
# viewer can scroll to it, keeping the id that names the topic.
string(REGEX REPLACE "<h2 id=\"([0-9a-z]+)\">" "<h2 id=\"\\1\"><a name=\"\\1\"></a>" html "${html}")
file(WRITE "${OUTPUT}.tmp" "${html}")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
