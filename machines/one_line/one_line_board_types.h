// Plain descriptions of a one-line machine's board, shared by the rules, the
// path recipes, the art generators and the tests. No engine types: a
// generator includes this without the machine record.
#pragma once

namespace one_line {

// A ball in a windmill's band of rows turns it away (awayX columns) or
// towards (towardsX columns) with the kick and the phase kept; it then slows
// a frame a step down to `still`, and from there one frame every second
// step. Every ball in flight is tested against every windmill.
struct Windmill {
    int spinner; // MachineState::spinner index
    int yMin, yMax;
    int awayXMin, awayXMax;
    int towardsXMin, towardsXMax;
    int kick, still;
    int pictureX, pictureY; // corner of its sprite in the play view (pixels)
};

} // namespace one_line
