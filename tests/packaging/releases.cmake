# The metadata's releases as read from changelogs: each row is a changelog entry's header,
# change lines and closing line ("|" for a line break, "^" for a semicolon, which a CMake
# list cannot hold), and the <release> it must give.
#   cmake -DSOURCE_DIR=... -DWORK_DIR=... -P releases.cmake
include("${SOURCE_DIR}/packaging/Releases.cmake")
set(trailer " -- A Developer <dev@example.org>")
set(rows
  "quorvel (0.1.0) unstable|  * First.|${trailer}  Wed, 09 Dec 2026 12:00:00 +0000"
  "<release version=\"0.1.0\" date=\"2026-12-09\">|      <description>|        <p>First.</p>"
  # An epoch and a Debian revision are not the program's version; a one-digit day.
  "quorvel (2:1.4.0-3) unstable|  * Fix.|${trailer}  Mon, 1 Feb 2027 08:00:00 +0100"
  "<release version=\"1.4.0\" date=\"2027-02-01\">"
  # A change over two lines, with a semicolon and what XML must escape.
  "quorvel (0.2.0) unstable|  * Tiles <cache> & more|    on two lines^ kept.|${trailer}  Sat, 31 Oct 2026 23:59:59 +0000"
  "<p>Tiles &lt^cache&gt^ &amp^ more on two lines^ kept.</p>"
  # A bracket opened on one line and closed on another, which a CMake list would join.
  "quorvel (0.3.0) unstable|  * Map [tiles|    cache] kept.|  * Second [.|${trailer}  Sun, 01 Nov 2026 10:00:00 +0000"
  "<p>Map [tiles cache] kept.</p>|        <p>Second [.</p>")
set(i 0)
while(rows)
  list(POP_FRONT rows entry expected)
  math(EXPR i "${i} + 1")
  foreach(v entry expected)
    string(REPLACE "|" "\n" ${v} "${${v}}")
    string(REPLACE "^" ";" ${v} "${${v}}")
  endforeach()
  file(WRITE "${WORK_DIR}/changelog${i}" "${entry}\n\n${entry}\n")
  quorvel_releases("${WORK_DIR}/changelog${i}" xml newest)
  string(FIND "${xml}" "${expected}" at)
  if(at LESS 0 OR NOT xml MATCHES "</release>.*<release ")
    message(FATAL_ERROR "row ${i}: expected\n${expected}\nin\n${xml}")
  endif()
endwhile()
message(STATUS "${i} changelog entries read")
