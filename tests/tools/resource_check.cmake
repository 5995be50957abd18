# Checks that the program carries the About window's stored skin as the
# resource ABOUTSKIN: the name (UTF-16) and the skin's bytes, whole, in the
# executable. -DEXE=<Runeview.exe> -DSKIN=<stored skin>
file(READ ${EXE} exe HEX)
file(READ ${SKIN} skin HEX)
string(LENGTH "${skin}" skin_len)
if(skin_len LESS 4)
  message(FATAL_ERROR "${SKIN} is empty")
endif()
string(FIND "${exe}" "${skin}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${EXE} does not hold the stored skin ${SKIN}")
endif()
# "ABOUTSKIN" as the resource directory stores names: UTF-16LE.
string(FIND "${exe}" "410042004f005500540053004b0049004e00" name_at)
if(name_at EQUAL -1)
  message(FATAL_ERROR "${EXE} has no resource named ABOUTSKIN")
endif()
