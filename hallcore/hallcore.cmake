# add_hallcore(noN): the engine compiled for one machine model.
#
# The engine reaches the model through machines/noN/machine_model.h (the record
# layout and the hooks), found on the include path, so engine code reads the
# record's words by name with no tables of offsets and no virtual calls.

# Every .cpp under hallcore/ is engine code (the platform lives in win32/ and null/).
file(GLOB_RECURSE HALLCORE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/hallcore/*.cpp)

function(add_hallcore model)
  file(GLOB model_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/machines/${model}/*.cpp)
  add_library(hallcore_${model} STATIC ${HALLCORE_SOURCES} ${model_sources})
  target_include_directories(hallcore_${model} PUBLIC
    ${CMAKE_SOURCE_DIR}
    ${CMAKE_SOURCE_DIR}/machines/${model})
endfunction()

# The null platform (a clock the caller sets, an in-memory data folder) that
# the tests, benchmarks and headless tools link instead of the Win32 layer.
set(NULL_PLATFORM_SOURCES
  ${CMAKE_SOURCE_DIR}/null/sys_null.cpp
  ${CMAKE_SOURCE_DIR}/null/null_files.cpp
  ${CMAKE_SOURCE_DIR}/null/null_shell.cpp
  ${CMAKE_SOURCE_DIR}/null/null_art.cpp
  ${CMAKE_SOURCE_DIR}/null/null_scenes.cpp)
