// Machine No.2's seeded day of both shops: the soak and the golden day
// (tests/unit/day_runner.h runs the day every model runs).
#include "day_runner.h"

SEEDED_DAY_TESTS(DayRunner)
