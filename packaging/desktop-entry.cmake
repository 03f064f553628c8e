# Run at install time: writes the desktop entry for the prefix being installed to and installs it.
# Expects POKURAKU_BINDIR, POKURAKU_DATADIR (relative to the prefix, or absolute), POKURAKU_DESKTOP_IN and
# POKURAKU_STAGING (a folder of the build tree).
foreach(dir BINDIR DATADIR)
  set(full ${POKURAKU_${dir}})
  if(NOT IS_ABSOLUTE "${full}")
    set(full "${CMAKE_INSTALL_PREFIX}/${full}")
  endif()
  set(POKURAKU_FULL_${dir} "${full}")
endforeach()

# The entry starts the game in its data folder, because the game reads its files from its working folder.
set(POKURAKU_EXEC "${POKURAKU_FULL_BINDIR}/pokuraku")
if(POKURAKU_EXEC MATCHES "[ \t]")
  set(POKURAKU_EXEC "\"${POKURAKU_EXEC}\"")
endif()
set(POKURAKU_DATA_FOLDER "${POKURAKU_FULL_DATADIR}/pokuraku")

# A staging file of its own for each destination, so that installs to different places (a test's prefix,
# CPack's staging tree) may run side by side.
string(MD5 destination "$ENV{DESTDIR}|${CMAKE_INSTALL_PREFIX}")
set(staged "${POKURAKU_STAGING}/${destination}/pokuraku.desktop")
configure_file("${POKURAKU_DESKTOP_IN}" "${staged}" @ONLY)
file(INSTALL DESTINATION "${POKURAKU_FULL_DATADIR}/applications" TYPE FILE FILES "${staged}")
