# The ball path generators: the library pathkit and, per machine model, the
# program pathgen_<model> built from pathkit and the model's recipe
# (machines/<model>/gen/paths/*.cpp). Its output is the committed path table
# machines/<model>/<model>_paths.cpp; after changing a recipe or pathkit,
# rewrite the table with
#   cmake --build <native tree> --target <model>_paths
# and commit both. CTest checks that the committed table is what the program
# draws now. Native (host) tree only.
include_guard(GLOBAL)

set(PATHKIT_DIR ${CMAKE_CURRENT_LIST_DIR})

add_library(pathkit STATIC ${PATHKIT_DIR}/pathkit.cpp)
target_include_directories(pathkit PUBLIC ${PATHKIT_DIR})

# pathkit's own tests: the table check against a made-up board.
find_package(GTest QUIET)
if(GTest_FOUND)
  include(GoogleTest)
  add_executable(pathkit_test ${PATHKIT_DIR}/pathkit_test.cpp)
  target_link_libraries(pathkit_test PRIVATE pathkit GTest::gtest_main)
  gtest_discover_tests(pathkit_test TEST_PREFIX "pathkit.")
endif()

# add_machine_paths(<model>): pathgen_<model>, the target <model>_paths that
# rewrites the committed table, and the tests <model>.PathTableGenerate and
# <model>.PathTableUpToDate.
function(add_machine_paths model)
  set(module ${CMAKE_SOURCE_DIR}/machines/${model})
  file(GLOB recipe CONFIGURE_DEPENDS ${module}/gen/paths/*.cpp)
  if(NOT recipe)
    message(FATAL_ERROR "add_machine_paths(${model}): no recipe in ${module}/gen/paths")
  endif()
  add_executable(pathgen_${model} ${recipe})
  target_link_libraries(pathgen_${model} PRIVATE pathkit)
  target_include_directories(pathgen_${model} PRIVATE ${CMAKE_SOURCE_DIR} ${module})

  add_custom_target(${model}_paths
    COMMAND pathgen_${model} ${module}/${model}_paths.cpp
    COMMENT "Rewriting machines/${model}/${model}_paths.cpp")

  # The committed table is what the program draws now.
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/generated)
  set(drawn ${CMAKE_BINARY_DIR}/generated/${model}_paths.cpp)
  add_test(NAME ${model}.PathTableGenerate COMMAND pathgen_${model} ${drawn})
  set_tests_properties(${model}.PathTableGenerate PROPERTIES FIXTURES_SETUP ${model}_path_table)
  add_test(NAME ${model}.PathTableUpToDate
    COMMAND ${CMAKE_COMMAND} -E compare_files --ignore-eol ${drawn} ${module}/${model}_paths.cpp)
  set_tests_properties(${model}.PathTableUpToDate PROPERTIES FIXTURES_REQUIRED ${model}_path_table)
endfunction()
