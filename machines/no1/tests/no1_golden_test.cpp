// Machine No.1's golden machine run: one seeded customer for 200,000 steps
// (machines/five_line/tests/five_line_golden.h).
#include "machines/five_line/tests/five_line_golden.h"
