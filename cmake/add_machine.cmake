# add_machine(<model> PROGRAM <name> [MECHANISM <folder> ...])
#
# Everything of one machine model, from its module machines/<model>/ (and the
# shared mechanisms it names, machines/<folder>/): the engine compiled for it
# (hallcore_<model>), and
#   native tree:  the unit tests (unit_<model>: the engine's tests, which run
#                 against every module, and the module's own in tests/), the
#                 path and art generators with their up-to-date checks, the
#                 simulator hallsim_<model> with its tests, the benchmark
#                 bench_<model> and the data-file fuzz target and corpus replay;
#   Windows tree: the program <name>.exe, its help <name>.chm, and the unit
#                 tests built for Windows (unit_<model>.exe, run under Wine).
# The program's names come from machines/<model>/machine_identity.h.
include(${CMAKE_CURRENT_LIST_DIR}/machine_identity.cmake)
include(${CMAKE_SOURCE_DIR}/help/help.cmake)

# Every .cpp under hallcore/ is engine code (the platform lives in win32/ and null/).
file(GLOB_RECURSE HALLCORE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/hallcore/*.cpp)

# The null platform (a clock the caller sets, an in-memory data folder) that
# the tests, benchmarks and headless tools link instead of the Win32 layer.
file(GLOB NULL_PLATFORM_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/null/*.cpp)

file(GLOB WIN32_LAYER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/win32/*.cpp)

set(TAMAROW_MACHINES "" CACHE INTERNAL "machine models of this tree")
find_package(Threads REQUIRED)

# The engine's test suites that need a model's pictures (left out until it has them).
set(TAMAROW_ART_TESTS "ArtFiles.*:DeliveredArt.*:Panel.*:Screens.*:SceneTicks.*")

function(add_machine model)
  cmake_parse_arguments(M "" "PROGRAM" "MECHANISM" ${ARGN})
  read_machine_identity(${model})
  if(NOT MACHINE_PROGRAM STREQUAL M_PROGRAM)
    message(FATAL_ERROR "add_machine(${model}): PROGRAM ${M_PROGRAM}, but its identity says ${MACHINE_PROGRAM}")
  endif()
  set(dir ${CMAKE_SOURCE_DIR}/machines/${model})
  set(TAMAROW_MACHINES ${TAMAROW_MACHINES} ${model} CACHE INTERNAL "machine models of this tree")

  # The engine for this model: the module's folder on the include path, so
  # "machine_model.h" and "machine_identity.h" are its own.
  file(GLOB module_sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  foreach(mechanism IN LISTS M_MECHANISM)
    file(GLOB shared CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/machines/${mechanism}/*.cpp)
    list(APPEND module_sources ${shared})
  endforeach()
  add_library(hallcore_${model} STATIC ${HALLCORE_SOURCES} ${module_sources})
  target_include_directories(hallcore_${model} PUBLIC ${CMAKE_SOURCE_DIR} ${dir})

  # Unit tests: the engine's (model-neutral) and the module's own.
  file(GLOB engine_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
  file(GLOB module_tests CONFIGURE_DEPENDS ${dir}/tests/*.cpp)
  foreach(mechanism IN LISTS M_MECHANISM) # a shared mechanism's tests run against each model
    file(GLOB shared_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/machines/${mechanism}/tests/*.cpp)
    list(APPEND module_tests ${shared_tests})
  endforeach()
  # (the exact odds of the game's generator: the statistics tests derive their figures with it)
  add_executable(unit_${model} ${engine_tests} ${module_tests} ${NULL_PLATFORM_SOURCES}
    ${CMAKE_SOURCE_DIR}/tools/odds/exact_odds.cpp)
  target_include_directories(unit_${model} PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit)
  target_compile_definitions(unit_${model} PRIVATE TAMAROW_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    TAMAROW_MODEL="${model}")
  if(WIN32)
    target_link_libraries(unit_${model} PRIVATE hallcore_${model} gtest_main)
    target_link_options(unit_${model} PRIVATE -static -static-libgcc -static-libstdc++)
  else()
    target_link_libraries(unit_${model} PRIVATE hallcore_${model} GTest::gtest_main Threads::Threads)
    if(EXISTS ${dir}/art/art.rc)
      gtest_discover_tests(unit_${model} TEST_PREFIX "${model}.")
    else()
      # A model whose pictures have not come yet: the engine's tests that load
      # or draw them wait for its art (tools/test.sh leaves them out the same way).
      message(STATUS "unit_${model}: no machines/${model}/art yet; CTest leaves out the tests that need its pictures")
      gtest_discover_tests(unit_${model} TEST_PREFIX "${model}."
        TEST_FILTER "-${TAMAROW_ART_TESTS}")
    endif()
  endif()

  add_machine_help(${model})

  if(WIN32)
    # a model whose screen and art are still to come has no resource script yet
    if(EXISTS ${dir}/machine_resources.rc)
      add_machine_program(${model})
    endif()
  else()
    add_machine_tools(${model})
  endif()
endfunction()

# The program: the Win32 layer, the engine for the model and the resource
# script. A static 32-bit GUI executable.
function(add_machine_program model)
  set(dir ${CMAKE_SOURCE_DIR}/machines/${model})
  set(program ${MACHINE_PROGRAM})
  add_executable(${program} WIN32 ${WIN32_LAYER_SOURCES} ${CMAKE_SOURCE_DIR}/programs/program.rc)
  target_link_libraries(${program} PRIVATE hallcore_${model} winmm gdi32 user32 kernel32)
  target_compile_definitions(${program} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN)
  target_link_options(${program} PRIVATE -municode -static -static-libgcc -static-libstdc++)
  # The resource compiler finds the module's script and art from its folder,
  # the family's scripts and art from programs/, the id headers from the top.
  target_include_directories(${program} PRIVATE ${dir} ${CMAKE_SOURCE_DIR}/programs ${CMAKE_SOURCE_DIR}/machines
    ${CMAKE_SOURCE_DIR})
  file(GLOB_RECURSE resources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/programs/*.rc ${CMAKE_SOURCE_DIR}/programs/art/*
    ${dir}/*.rc ${dir}/art/* ${dir}/machine_identity.h)
  set_source_files_properties(${CMAKE_SOURCE_DIR}/programs/program.rc PROPERTIES
    OBJECT_DEPENDS "${resources};${CMAKE_SOURCE_DIR}/programs/resource_ids.h")
endfunction()

# The native tree's tools for the model.
function(add_machine_tools model)
  set(dir ${CMAKE_SOURCE_DIR}/machines/${model})
  # a module's generators, once it has them (gen/paths, gen/art)
  if(COMMAND add_machine_paths AND EXISTS ${dir}/gen/paths)
    add_machine_paths(${model})
  endif()
  if(COMMAND add_machine_art AND EXISTS ${dir}/gen/art)
    add_machine_art(${model})
  endif()
  if(COMMAND add_machine_simulator AND EXISTS ${dir}/sim)
    add_machine_simulator(${model})
  endif()
  if(TARGET benchmark::benchmark)
    file(GLOB bench_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
    add_executable(bench_${model} ${bench_sources} ${NULL_PLATFORM_SOURCES})
    target_link_libraries(bench_${model} PRIVATE hallcore_${model} benchmark::benchmark)
    target_compile_definitions(bench_${model} PRIVATE TAMAROW_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
      TAMAROW_MODEL="${model}")
  endif()
  # The data-file fuzz targets: data_files (the files read, then a minute of
  # the hall) and data_files_check (read and checked only, fast). In the
  # ordinary build each replays the family's corpus and the model's own as a
  # test; tools/fuzz.sh builds them with clang, libFuzzer and the sanitizers.
  set(fuzz ${CMAKE_SOURCE_DIR}/tests/fuzz)
  set(corpora ${fuzz}/corpus)
  if(EXISTS ${dir}/tests/fuzz_corpus)
    list(APPEND corpora ${dir}/tests/fuzz_corpus)
  endif()
  foreach(target data_files data_files_check)
    if(TAMAROW_FUZZ)
      add_executable(fuzz_${target}_${model} ${fuzz}/${target}_fuzz.cpp ${NULL_PLATFORM_SOURCES})
      target_link_libraries(fuzz_${target}_${model} PRIVATE hallcore_${model})
      target_link_options(fuzz_${target}_${model} PRIVATE -fsanitize=fuzzer)
    endif()
    add_executable(replay_${target}_${model} ${fuzz}/${target}_fuzz.cpp ${fuzz}/replay_main.cpp
      ${NULL_PLATFORM_SOURCES})
    target_link_libraries(replay_${target}_${model} PRIVATE hallcore_${model})
  endforeach()
  add_test(NAME ${model}.DataFilesFuzzCorpus COMMAND replay_data_files_${model} ${corpora})
  add_test(NAME ${model}.DataFilesCheckFuzzCorpus COMMAND replay_data_files_check_${model} ${corpora})
endfunction()
