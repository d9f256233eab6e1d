// Machine No.1's golden day of both shops and the day's soak (the runner is
// the five-line machines' own, machines/five_line/tests/five_line_day.h).
#include "machines/five_line/tests/five_line_day.h"
