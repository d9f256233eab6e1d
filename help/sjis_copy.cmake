# cmake -DSRC=dir -DDEST=dir -DICONV=path "-DFILES=a;b" -P sjis_copy.cmake
# Copies the help pages as Shift-JIS (code page 932), the code page HTML Help
# reads contents, index and titles in for a Japanese help file. A declared
# charset of UTF-8 becomes Shift_JIS so each page still says what it is.
file(MAKE_DIRECTORY ${DEST})
foreach(name IN LISTS FILES)
  file(READ ${SRC}/${name} text)
  string(REPLACE "charset=UTF-8" "charset=Shift_JIS" text "${text}")
  file(WRITE ${DEST}/${name}.utf8 "${text}")
  execute_process(COMMAND ${ICONV} -f UTF-8 -t CP932 ${DEST}/${name}.utf8
    OUTPUT_FILE ${DEST}/${name} RESULT_VARIABLE failed ERROR_VARIABLE why)
  file(REMOVE ${DEST}/${name}.utf8)
  if(failed)
    message(FATAL_ERROR "${name} cannot be written in Shift-JIS: ${why}")
  endif()
endforeach()
