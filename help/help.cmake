# add_machine_help(<model>): the program's help, from the family's pages in
# this folder (templates filled with the program's names) and the module's
# own pages in machines/<model>/help/ (machine.html, and help.txt with the
# names the templates need beyond the identity: MACHINE_READING,
# MACHINE_SUMMARY). Call after read_machine_identity(<model>).
#
# The filled pages go to <build>/help/<program>/, UTF-8, readable in any
# browser. In the Windows tree they are also compiled with chmcmd (Debian
# package fp-utils) into <program>.chm beside the program; HTML Help reads
# the contents, the index and the titles in the Japanese code page, so the
# compiler gets Shift-JIS copies. Without chmcmd or iconv the programs still
# build, only without the .chm.
find_program(CHMCMD_EXECUTABLE chmcmd)
find_program(ICONV_EXECUTABLE iconv)
set(HELP_TEMPLATE_DIR ${CMAKE_CURRENT_LIST_DIR})

function(add_machine_help model)
  set(module_help ${CMAKE_SOURCE_DIR}/machines/${model}/help)
  if(NOT EXISTS ${module_help}/help.txt)
    message(STATUS "help: machines/${model}/help/help.txt is missing; ${MACHINE_PROGRAM} gets no help yet")
    return()
  endif()
  file(STRINGS ${module_help}/help.txt names ENCODING UTF-8 REGEX "^MACHINE_[A-Z_]+=")
  foreach(line IN LISTS names)
    string(REGEX MATCH "^(MACHINE_[A-Z_]+)=(.*)$" _ "${line}")
    set(${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
  endforeach()

  set(pages ${CMAKE_BINARY_DIR}/help/${MACHINE_PROGRAM})
  set(files)
  foreach(name index.html play.html hall.html menus.html help.hhp help.hhc help.hhk)
    configure_file(${HELP_TEMPLATE_DIR}/${name} ${pages}/${name} @ONLY)
    list(APPEND files ${name})
  endforeach()
  configure_file(${HELP_TEMPLATE_DIR}/style.css ${pages}/style.css COPYONLY)
  list(APPEND files style.css)
  file(GLOB own CONFIGURE_DEPENDS RELATIVE ${module_help} ${module_help}/*.html)
  foreach(name IN LISTS own)
    configure_file(${module_help}/${name} ${pages}/${name} @ONLY)
    list(APPEND files ${name})
  endforeach()

  if(NOT WIN32)
    return()
  endif()
  if(NOT CHMCMD_EXECUTABLE OR NOT ICONV_EXECUTABLE)
    message(STATUS "help: chmcmd or iconv not found (Debian: fp-utils); building without ${MACHINE_HELP_FILE}")
    return()
  endif()
  set(stage ${CMAKE_BINARY_DIR}/help/${MACHINE_PROGRAM}-sjis)
  set(sources)
  foreach(name IN LISTS files)
    list(APPEND sources ${pages}/${name})
  endforeach()
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${MACHINE_HELP_FILE}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} -DSRC=${pages} -DDEST=${stage} -DICONV=${ICONV_EXECUTABLE}
      "-DFILES=${files}" -P ${HELP_TEMPLATE_DIR}/sjis_copy.cmake
    COMMAND ${CMAKE_COMMAND} -E chdir ${stage} ${CHMCMD_EXECUTABLE} help.hhp
    COMMAND ${CMAKE_COMMAND} -E copy ${stage}/${MACHINE_HELP_FILE} ${CMAKE_BINARY_DIR}/${MACHINE_HELP_FILE}
    DEPENDS ${sources} ${HELP_TEMPLATE_DIR}/sjis_copy.cmake
    COMMENT "Compiling the help file ${MACHINE_HELP_FILE}"
    VERBATIM)
  add_custom_target(help_${MACHINE_PROGRAM} ALL DEPENDS ${CMAKE_BINARY_DIR}/${MACHINE_HELP_FILE})
endfunction()
