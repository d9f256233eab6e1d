# read_machine_identity(<model>): the module's names from
# machines/<model>/machine_identity.h (its plain #defines), as CMake
# variables MACHINE_NUMBER, MACHINE_PROGRAM, MACHINE_PROGRAM_TITLE,
# MACHINE_TITLE, MACHINE_MAIN_CLASS, MACHINE_SHOP_FILE, MACHINE_HELP_FILE and
# MACHINE_RECORD_BYTES in the caller's scope.
function(read_machine_identity model)
  set(header ${CMAKE_SOURCE_DIR}/machines/${model}/machine_identity.h)
  if(NOT EXISTS ${header})
    message(FATAL_ERROR "machine ${model}: no ${header}")
  endif()
  file(STRINGS ${header} lines ENCODING UTF-8 REGEX "^#define MACHINE_[A-Z_]+ ")
  foreach(line IN LISTS lines)
    if(line MATCHES "^#define (MACHINE_[A-Z_]+) +\"([^\"]*)\"")
      set(${CMAKE_MATCH_1} "${CMAKE_MATCH_2}" PARENT_SCOPE)
    elseif(line MATCHES "^#define (MACHINE_[A-Z_]+) +([0-9]+)")
      set(${CMAKE_MATCH_1} "${CMAKE_MATCH_2}" PARENT_SCOPE)
    endif()
  endforeach()
endfunction()
