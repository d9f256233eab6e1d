# The art generators: the library artkit (drawing, sound, the file writers,
# the driver and the engine's picture families), the engine's program
# artgen_engine and, per machine model, artgen_<model> built from artkit and
# machines/<model>/gen/art/*.cpp. Their output is committed: the engine's in
# programs/art/ (with engine_art.rc), a machine's in machines/<model>/art/
# (with art.rc). After changing a generator, rewrite the files with
#   cmake --build <native tree> --target engine_art      (or <model>_art)
# and commit both; CTest checks that the committed files are what the
# programs draw now. Native (host) tree only.
include_guard(GLOBAL)

set(ARTKIT_DIR ${CMAKE_CURRENT_LIST_DIR})

add_library(artkit STATIC
  ${ARTKIT_DIR}/canvas.cpp ${ARTKIT_DIR}/lamps.cpp ${ARTKIT_DIR}/synth.cpp ${ARTKIT_DIR}/board.cpp
  ${ARTKIT_DIR}/artset.cpp ${ARTKIT_DIR}/driver.cpp ${ARTKIT_DIR}/hall_preview.cpp
  ${ARTKIT_DIR}/panel.cpp ${ARTKIT_DIR}/street.cpp ${ARTKIT_DIR}/hall.cpp
  ${ARTKIT_DIR}/buttons.cpp ${ARTKIT_DIR}/icons.cpp
  ${CMAKE_SOURCE_DIR}/hallcore/gfx/palette.cpp
  ${CMAKE_SOURCE_DIR}/hallcore/gfx/bitmap.cpp)
target_include_directories(artkit PUBLIC ${CMAKE_SOURCE_DIR} ${ARTKIT_DIR})
# The same bytes on every machine: no fused multiply-add contraction.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(artkit PUBLIC -ffp-contract=off)
endif()

# add_engine_art(): artgen_engine, the target engine_art that rewrites
# programs/art, and the test engine.ArtUpToDate.
function(add_engine_art)
  add_executable(artgen_engine ${ARTKIT_DIR}/engine_main.cpp)
  target_link_libraries(artgen_engine PRIVATE artkit)
  add_custom_target(engine_art
    COMMAND artgen_engine ${CMAKE_SOURCE_DIR}/programs/art
    COMMENT "Rewriting programs/art")
  add_test(NAME engine.ArtUpToDate COMMAND artgen_engine --check ${CMAKE_SOURCE_DIR}/programs/art)
endfunction()

# add_machine_art(<model>): artgen_<model> from artkit, the model's
# machines/<model>/gen/art/*.cpp and its committed path table (the board's
# pins stand beside the paths), the target <model>_art that rewrites
# machines/<model>/art, and the test <model>.ArtUpToDate.
function(add_machine_art model)
  set(module ${CMAKE_SOURCE_DIR}/machines/${model})
  file(GLOB sources CONFIGURE_DEPENDS ${module}/gen/art/*.cpp)
  if(NOT sources)
    message(FATAL_ERROR "add_machine_art(${model}): no sources in ${module}/gen/art")
  endif()
  # the board's pins stand beside the model's paths once it has its table
  if(EXISTS ${module}/${model}_paths.cpp)
    list(APPEND sources ${module}/${model}_paths.cpp)
  endif()
  add_executable(artgen_${model} ${sources})
  target_link_libraries(artgen_${model} PRIVATE artkit)
  target_include_directories(artgen_${model} PRIVATE ${CMAKE_SOURCE_DIR} ${module} ${module}/gen/art)
  add_custom_target(${model}_art
    COMMAND artgen_${model} ${module}/art
    COMMENT "Rewriting machines/${model}/art")
  add_test(NAME ${model}.ArtUpToDate COMMAND artgen_${model} --check ${module}/art)
endfunction()
