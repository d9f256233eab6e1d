// The one-line mechanism of machines No.4 and No.5: three reels (left,
// middle, right) on one pay line, the same strip of fifteen symbols on each,
// a reach when the left and middle reels agree, a big prize on three equal
// symbols, and the chance state (raised odds for the next big prizes after a
// win on a chance symbol).
//
// Compiled into each model's engine library with that model's folder on the
// include path, so MachineState below is the model's record; the words this
// file reads have the same names in both (reelPos, reelTravel, reelBoost,
// spinner, spinPhase, drawOutcome, modeTick, actionTick, reachSymbol, round,
// attackerCount, vHit, chanceCount). What differs between the models is
// described by the model's OneLineModel (kOneLine, defined by the model) and
// by the few model functions declared at the end.
//
// Reel arithmetic: the strip's cell c holds symbol 15 - c. A reel at
// position P (pixels) shows the symbol of cell (P / cellPixels) mod 15, and
// travel lowers P. Positions are kept in positionFloor .. positionFloor +
// turnPixels - 1 at every step, so cell 0 is stored at the strip's end
// (P = turnPixels) and the picture is never read above its first cell.
#pragma once
#include <cstdint>

#include "hallcore/machine/big_prize.h"
#include "hallcore/machine/lottery.h"
#include "hallcore/machine/machine_module.h"
#include "one_line_board_types.h"

enum {
    kOneLineReels = 3,
    kReelLeft = 0,
    kReelMiddle = 1,
    kReelRight = 2,
    kStripCells = 15,
    kNoSymbol = 0, // reachSymbol after a reset: no reach yet
};

// One windmill (the board geometry's, one_line_board_types.h): a ball in
// rows yMin..yMax turns it away in columns awayXMin..awayXMax and towards in
// towardsXMin..towardsXMax, with a kick of `kick` (and the phase kept); it
// then slows one frame a step down to `still`, and one frame every second
// step from there.
using WindmillZone = one_line::Windmill;

struct OneLineModel {
    // --- the reels
    int cellPixels;         // pixels a strip cell
    int turnPixels;         // one turn: 15 cells
    int positionFloor;      // positions are kept at or above this
    int longTravel[3];      // at most one start still held
    int shortTravel[3];     // two or more held: the reels make short work of it
    int middleBoostExtra;   // cells the middle's travel is short of whole turns
    // spin phase 0: a reel with less than restBelow to go moves the rest,
    // with at most slowWithin to go slowMove, else fastMove
    int restBelow, slowWithin, slowMove, fastMove;
    int settleAfter;        // the settle ends when modeTick passes this
    const int* chanceSymbols; // a win on one of them starts the chance state
    int chanceSymbolCount;
    const LotteryTable* lottery;

    // --- the big prize
    int introSteps;         // round 0 lasts this long
    int introSound;         // wave requested at the start of round 0
    int doorOpensAt;        // modeTick of a round at which the door opens
    int firstRoundOpensAt;  // round 1 opens already here (0: as the others)
    int doorClosesAt;       // at the latest
    int ballsPerRound;      // the door closes on this many
    int endingSteps;
    bool vHitCountsUp;      // vHit 1..31 counts up a step while the door is open
    bool doorRedrawEveryStep; // the attacker's redraw bit on every step of an open door
    BoardBox closingSweep;  // balls here when the door closes are taken as prize entries
    int attackerPathFirst, attackerPathLast; // the door's paths
    int attackerCountCap;   // attackerCount is held at this (0: not held)
    int lastVRound;         // the V counts in rounds 1..lastVRound

    // --- the board
    int luckyOdds[8];       // by zone: the lucky second-stage path 1 in n (rand % n == 0)
    const WindmillZone* windmills;
    int windmillCount;
};

// The model's description (machines/noN/noN_rules.cpp), defined constexpr:
// the windmill rows are sorted from it during start-up (one_line_board.cpp),
// so it must be in place before any start-up code runs.
extern const OneLineModel kOneLine;

// Outcome codes of the paths, the same on both boards.
enum {
    kCodeLost = 0,
    kCodeStartPocket = 5,
    kCodePrizePocket = 15,
    kSecondStageFirstPath = 128,
    kSecondStageLastPath = 191,
};

// ---------------------------------------------------------------- reel arithmetic

// Symbol of strip cell c (any c: a true modulo).
int stripSymbol(int cell);
// Cell of a symbol 1..15 (-1 for any other value).
int symbolCell(int symbol);
// A position brought into positionFloor .. positionFloor + turnPixels - 1.
int32_t wrapPosition(int64_t position);
// Cell index of a position (any position: a true modulo).
int positionCell(int32_t position);
// The symbol a reel shows at the line.
int shownSymbol(const MachineState& m, int reel);
// The symbol a running reel will stop on: cell (P / cell - (travel / cell + boost)) mod 15.
int comingSymbol(const MachineState& m, int reel);
// The smallest k in 0..14 for which cell (P / cell - k) mod 15 holds the
// symbol; 15 when no cell does (no symbol).
int cellsToSymbol(int32_t position, int symbol);
// The position rounded down to its cell's boundary (and wrapped).
int32_t roundToCell(int32_t position);
// Whether a position is on a cell boundary.
bool onCellBoundary(int32_t position);
// (a - b) mod 15 in 0..14.
int cellDifference(int a, int b);

bool isChanceSymbol(int symbol);
// Whether the three reels show the same symbol.
bool reelsAgree(const MachineState& m);

// ---------------------------------------------------------------- the spin

enum { kDrawMiss = kLotteryMiss, kDrawReach = kLotteryReach, kDrawWin = kLotteryPrize };

// A reach or a win favours the chance symbols only while the luck reserve
// holds more than this (each model's chooseReachSymbol).
enum { kReserveFavouringChance = 4 };

// The family's lottery (drawLotteryResult) with the chance state's odds
// while chanceCount is above 0. Returns kDrawWin, kDrawReach or kDrawMiss;
// the model maps it to its drawOutcome with its own draws.
int drawOneLineLottery(MachineState& m);

// The travel of a new spin: long while at most one start is still held.
void setSpinTravel(MachineState& m);

// The reel set-up for drawOutcome: every position rounded down to its cell;
// for a reach or a win the model's symbol (chooseReachSymbol) goes to
// reachSymbol and the left and middle boosts bring it to the line (the
// middle's plus middleBoostExtra), the right boost is rand % 15; for
// drawOutcome 0 three random boosts, and if the left and middle would then
// agree, the middle boost (next draw even) or else the left one is raised by
// one. Draws in that order.
void setUpReels(MachineState& m);

// Moves a reel of spin phase 0 that still has travel: the move by the travel
// left (restBelow, slowWithin), then `jumped` may let the model stop it at
// once (its sudden stops; it returns true when it did), then a boost takes
// one cell more; the position is wrapped; a travel that reaches 0 becomes -1.
// Returns true when the travel has just become -1 this step.
bool moveRunningReel(MachineState& m, int reel, bool (*jumped)(MachineState&, int reel));

// Moves a reel by `pixels` (towards lower positions) and takes them off its
// travel; the position is wrapped.
void moveReel(MachineState& m, int reel, int pixels);

// The reset of the shared words (modelResetDisplay): the reels stand on
// random cells, never three of a kind (then one reel, drawn, stands a cell
// back); no travel, boost, spin, outcome, action or reach; the windmills
// still; the chance state over. Draws in that order; the model resets its
// own words after it, and puts the reels of a new machine or day.
void resetOneLineReels(MachineState& m);

// Spin phase settle: after settleAfter steps the spin ends, in the big prize
// when the three reels agree (reachSymbol becomes the symbol shown, which is
// what won even on a reach the lottery did not plan), else in mode 1.
void settleSpin(MachineState& m);

// ---------------------------------------------------------------- the big prize

// The chance state at the start of a big prize: two more at raised odds
// after a win on a chance symbol, else one used up.
void bookChanceState(MachineState& m);

// One step of mode 3: round 0, the rounds with the door, the ending.
void oneLineFeverStep(MachineState& m);

// The door closes: balls in the closing sweep are taken as prize entries,
// the next round follows a V, else the ending.
void closeDoor(MachineState& m);

// Counts a ball into the attacker (held at attackerCountCap).
void countAttackerBall(MachineState& m);

// ---------------------------------------------------------------- the board

// The lucky second-stage path of the zone with 1 in luckyOdds (the half
// first, then the lucky test, then the unlucky variant): path 128 + code +
// 4 (rand % 2) + variant.
void chooseOneLineSecondStage(BallSlot& ball, int code);

// Whether a ball runs on a path of the lower board (128..191): only those
// are taken by doors, wings and gates, never a ball already on their paths.
bool onLowerBoardPath(const BallSlot& ball);

// Whether the V takes a ball now: in rounds 1..lastVRound of a big prize,
// once a round.
bool vCountsNow(const MachineState& m);

// A ball landed: the start pocket pays and holds a start (true when it held
// one: landInStartPocket), a prize pocket pays and counts a ball from the
// door's paths into the attacker; a lost ball does nothing.
bool landOneLineBall(MachineState& m, const BallSlot& ball, int code);

// Every windmill a ball at (x, y) is in the band of starts turning (on both
// boards, modelUpperBoardHit and modelLowerBoardHit); modelSlowWindmills.
void hitOneLineWindmills(MachineState& m, int x, int y);
void slowOneLineWindmills(MachineState& m);

// ---------------------------------------------------------------- records

// The shared words of a record read from a file: positions wrapped into
// their range, then whether the reels, windmills, spin and prize words are
// in the ranges play produces (maxPhase, maxOutcome the model's), and the
// door open only in rounds 1..16 of a big prize.
bool oneLineWordsAreValid(MachineState& m, int maxPhase, int maxOutcome, int maxVHit);

// ---------------------------------------------------------------- the model's part

// The symbol of a reach or win (the model's draws), 1..15.
int chooseReachSymbol(MachineState& m);
