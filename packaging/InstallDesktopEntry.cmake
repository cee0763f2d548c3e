# Writes the desktop entry at install time, with Exec naming the installed program. Run by
# `cmake --install` (also when the Debian package is built) with QUORVEL_APP_ID,
# QUORVEL_DESKTOP_IN, QUORVEL_BINDIR and QUORVEL_DATADIR set.
set(program "${CMAKE_INSTALL_PREFIX}/${QUORVEL_BINDIR}/quorvel")
# An argument with a space or another reserved character is written in double quotes, with
# the characters the entry's quoting rule names escaped, and a per cent sign doubled.
if(program MATCHES "[ \t\n\"'\\\\><~|&;$*?#()`]")
  string(REPLACE "\\" "\\\\\\\\" program "${program}")
  string(REPLACE "\"" "\\\\\"" program "${program}")
  string(REPLACE "`" "\\\\`" program "${program}")
  string(REPLACE "$" "\\\\$" program "${program}")
  set(program "\"${program}\"")
endif()
string(REPLACE "%" "%%" program "${program}")
set(QUORVEL_EXEC "${program}")
set(target "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${QUORVEL_DATADIR}/applications/${QUORVEL_APP_ID}.desktop")
configure_file("${QUORVEL_DESKTOP_IN}" "${target}" @ONLY)
message(STATUS "Installing: ${target}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${target}")
