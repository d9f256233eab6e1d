// One ball in flight: the four words of a ball slot of a machine record.
#pragma once
#include <cstdint>

struct BallSlot {
    int32_t state;    // 0 free, 1 launch rail, 2 first stage, 3 second stage, 4 landed
    int32_t step;     // index of the next point
    int32_t path;     // path number in the machine's path table
    int32_t position; // low byte x, next byte y, in board units of 4 pixels
};
static_assert(sizeof(BallSlot) == 16, "ball slots are four words in the file");

inline int ballX(const BallSlot& b) { return b.position & 0xFF; }
inline int ballY(const BallSlot& b) { return (b.position >> 8) & 0xFF; }
inline void setBallPosition(BallSlot& b, int x, int y)
{
    b.position = (b.position & ~0xFFFF) | (x & 0xFF) | ((y & 0xFF) << 8);
}
