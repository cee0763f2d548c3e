# Writes the desktop entry for prefixes with characters the entry's Exec must quote or escape
# and has desktop-file-validate read each; the Exec line must give back the program's path.
# (Backslashes and semicolons are left out: CMake itself takes them for a folder separator
# and a list separator in install paths.)
#   cmake -DSOURCE_DIR=... -DWORK_DIR=... -P desktop_entry_quoting.cmake
set(prefixes
  "/opt/quorvel"
  "/opt/with space"
  "/opt/dollar$sign"
  "/opt/quote\"d"
  "/opt/back`tick"
  "/opt/per%cent")
find_program(VALIDATE desktop-file-validate REQUIRED)
set(i 0)
foreach(prefix IN LISTS prefixes)
  math(EXPR i "${i} + 1")
  set(ENV{DESTDIR} "${WORK_DIR}/root${i}")
  file(REMOVE_RECURSE "$ENV{DESTDIR}")
  set(CMAKE_INSTALL_PREFIX "${prefix}")
  set(QUORVEL_APP_ID org.quorvel.Quorvel)
  set(QUORVEL_DESKTOP_IN "${SOURCE_DIR}/packaging/org.quorvel.Quorvel.desktop.in")
  set(QUORVEL_BINDIR bin)
  set(QUORVEL_DATADIR share)
  include("${SOURCE_DIR}/packaging/InstallDesktopEntry.cmake")
  set(entry "$ENV{DESTDIR}${prefix}/share/applications/org.quorvel.Quorvel.desktop")
  execute_process(COMMAND "${VALIDATE}" "${entry}" RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0 OR out MATCHES "error|warning")
    message(FATAL_ERROR "desktop-file-validate on the entry for \"${prefix}\":\n${out}")
  endif()
  # Undo the escapes as a launcher does (string level, then quoting level) and compare.
  file(STRINGS "${entry}" exec REGEX "^Exec=[^ ]*$|^Exec=\".*\"$")
  list(GET exec 0 exec)
  string(REGEX REPLACE "^Exec=" "" exec "${exec}")
  string(REPLACE "%%" "%" exec "${exec}")
  string(REPLACE "\\\\" "\\" exec "${exec}")
  if(exec MATCHES "^\"(.*)\"$")
    set(exec "${CMAKE_MATCH_1}")
    string(REGEX REPLACE "\\\\([\"`$\\\\])" "\\1" exec "${exec}")
  endif()
  if(NOT exec STREQUAL "${prefix}/bin/quorvel")
    message(FATAL_ERROR "Exec for \"${prefix}\" reads back as \"${exec}\"")
  endif()
endforeach()
message(STATUS "${i} prefixes quoted and validated")
