# add_machine_simulator(<model>): hallsim_<model>, the hall of that machine
# model run headless at full speed, with its statistics. The shared part (the
# run, the figures, the writers) is tools/hallsim; the model gives its
# lottery table and how to tell a reach in machines/<model>/sim/*.cpp, and its
# own simulator tests in machines/<model>/sim/tests/. The reusable library
# hallsim_core_<model> is what the tests drive.
set(HALLSIM_DIR ${CMAKE_CURRENT_LIST_DIR})

# The machine step calls the module's hooks and the engine's helpers across
# files on every step; link-time optimisation inlines them, about 15% fewer
# instructions a pass. Release trees only (the sanitizer and fuzz trees keep
# their plain builds; the Windows tree has no simulator).
include(CheckIPOSupported)
set(HALLSIM_LTO OFF)
if(CMAKE_BUILD_TYPE STREQUAL "Release" AND NOT TAMAROW_FUZZ)
  check_ipo_supported(RESULT HALLSIM_LTO LANGUAGES CXX)
endif()

# The family side by side, from each machine's CSV (tools/compare.sh runs it).
add_executable(hallsim_compare ${HALLSIM_DIR}/compare.cpp)
target_include_directories(hallsim_compare PRIVATE ${CMAKE_SOURCE_DIR})

function(add_machine_simulator model)
  set(dir ${CMAKE_SOURCE_DIR}/machines/${model}/sim)
  file(GLOB model_sim CONFIGURE_DEPENDS ${dir}/*.cpp)
  file(GLOB model_tests CONFIGURE_DEPENDS ${dir}/tests/*.cpp)
  add_library(hallsim_core_${model} STATIC
    ${HALLSIM_DIR}/hall_sim.cpp ${HALLSIM_DIR}/observer.cpp ${HALLSIM_DIR}/odds.cpp ${HALLSIM_DIR}/report.cpp
    ${HALLSIM_DIR}/sim_stats.cpp ${HALLSIM_DIR}/exact_lottery.cpp ${model_sim})
  target_link_libraries(hallsim_core_${model} PUBLIC hallcore_${model} exact_odds)
  # where the model keeps the lottery counted over the generator's states
  target_compile_definitions(hallsim_core_${model} PUBLIC
    HALLSIM_EXACT_LOTTERY="${CMAKE_SOURCE_DIR}/machines/${model}/sim/exact_lottery.txt")

  add_executable(hallsim_${model} ${HALLSIM_DIR}/hallsim.cpp ${NULL_PLATFORM_SOURCES})
  target_link_libraries(hallsim_${model} PRIVATE hallsim_core_${model})
  if(HALLSIM_LTO) # the engine's objects too: the tests and benchmarks that link them are optimised alike
    set_property(TARGET hallcore_${model} hallsim_core_${model} hallsim_${model} PROPERTY INTERPROCEDURAL_OPTIMIZATION ON)
  endif()

  add_executable(hallsim_test_${model} ${HALLSIM_DIR}/tests/hallsim_test.cpp ${model_tests} ${NULL_PLATFORM_SOURCES})
  target_link_libraries(hallsim_test_${model} PRIVATE hallsim_core_${model} GTest::gtest_main)
  target_compile_definitions(hallsim_test_${model} PRIVATE HALLSIM_PROGRAM="$<TARGET_FILE:hallsim_${model}>")
  add_dependencies(hallsim_test_${model} hallsim_${model})
  gtest_discover_tests(hallsim_test_${model} TEST_PREFIX "${model}.")

  # the program itself, briefly: a fresh hall for an hour, every output
  add_test(NAME ${model}.HallsimRunsAnHour
    COMMAND hallsim_${model} --hours 1 --quiet
      --csv ${CMAKE_CURRENT_BINARY_DIR}/hallsim_${model}_hour.csv --svg ${CMAKE_CURRENT_BINARY_DIR}/hallsim_${model}_hour.svg)
  set_tests_properties(${model}.HallsimRunsAnHour PROPERTIES PASS_REGULAR_EXPRESSION "machine-hours per second")
endfunction()
