# add_hallcore(noN): the engine compiled for one machine model.
#
# The engine reaches the model through machines/noN/machine_model.h (the record
# layout and the hooks), found on the include path, so engine code reads the
# record's words by name with no tables of offsets and no virtual calls.

set(HALLCORE_SOURCES
  hallcore/machine/random.cpp
  hallcore/machine/machine_step.cpp
  hallcore/machine/ball_flight.cpp
  hallcore/hall/clock.cpp
  hallcore/hall/shops.cpp
  hallcore/hall/hall_loop.cpp
  hallcore/hall/day_setup.cpp
  hallcore/hall/customers.cpp
  hallcore/shell/anim_clock.cpp
  hallcore/shell/tick.cpp
  hallcore/shell/player_slots.cpp
  hallcore/shell/startup.cpp
  hallcore/gfx/palette.cpp
  hallcore/gfx/screens.cpp
  hallcore/players/data_files.cpp
)

function(add_hallcore model)
  file(GLOB model_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/machines/${model}/*.cpp)
  set(sources)
  foreach(s IN LISTS HALLCORE_SOURCES)
    list(APPEND sources ${CMAKE_SOURCE_DIR}/${s})
  endforeach()
  add_library(hallcore_${model} STATIC ${sources} ${model_sources})
  target_include_directories(hallcore_${model} PUBLIC
    ${CMAKE_SOURCE_DIR}
    ${CMAKE_SOURCE_DIR}/machines/${model})
endfunction()
