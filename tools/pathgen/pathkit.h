// pathkit: what every machine's ball path generator is made of. A model's
// recipe (machines/<model>/gen/paths/) describes its board and draws the
// routes particular to it; pathkit does the rest: the pin runs between fixed
// points, the first stage off the rail arc, the checks every path and every
// table must pass, and the C++ table the engine reads.
//
// Everything is integer arithmetic on a private pseudo-random sequence, so
// every build draws the same table byte for byte.
//
// Board units: a ball at (x, y) is drawn with its sprite corner at pixel
// (4x - 2, 4y - 4) of the 480x432 play view, its centre at (4x + 4, 4y + 2).
//
// How a path is drawn: a route is a list of fixed points (pins, windmills,
// corners, pockets); between two of them the ball makes a "pin run": it
// accelerates downward under gravity, and each pin it meets on the way takes
// most of its downward speed (sometimes bouncing it up a unit) and knocks it
// a unit or two sideways. Routes go round the board's features and, wherever
// they cross a windmill, put a point in its hit band so the windmill turns.
// A drawn path that breaks one of the board's rules is drawn again with the
// next pseudo-random numbers.
#pragma once
#include <cstdint>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace pathkit {

struct Pt {
    int x, y;
    bool operator==(const Pt& o) const { return x == o.x && y == o.y; }
    bool operator!=(const Pt& o) const { return !(*this == o); }
};
typedef std::vector<Pt> Path;

// The generators' own pseudo-random sequence (a 32-bit linear congruential
// generator), so a table depends on no C library.
class Lcg {
public:
    explicit Lcg(uint32_t seed) : s_(seed) {}
    int next()
    {
        s_ = s_ * 1664525u + 1013904223u;
        return int(s_ >> 16); // 0..65535
    }
    int range(int lo, int hi) { return lo + next() % (hi - lo + 1); }
    bool chance(int percent) { return next() % 100 < percent; }
    int sign() { return next() & 1 ? 1 : -1; }

private:
    uint32_t s_;
};

// Sub-unit fixed point of the pin runs.
const int FP = 16;

int floorDiv(int a, int b);
int toUnits(int f); // FP to units, rounded
int iabs(int v);
int clampInt(int v, int lo, int hi);
long long isqrt(long long v);

// ---------------------------------------------------------------- the board

struct Rect {
    int x0, y0, x1, y1;
    bool has(int x, int y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
    bool has(Pt p) const { return has(p.x, p.y); }
};

// Whether the segment a-b passes through the rectangle (sampled at eighths).
bool segmentMeets(Pt a, Pt b, const Rect& r);

// A windmill's hit band: its box less the column of its axle.
struct Windmill {
    Rect box;
    int axle;
    int stage; // 1: turned by first-stage balls, 2: by second-stage balls, 0: by both
    bool inBand(Pt p) const { return box.has(p.x, p.y) && p.x != axle; }
    bool turnedBy(int ballStage) const { return stage == 0 || stage == ballStage; }
};

// The door's mouth: an open door takes second-stage balls at x x0..x1 on
// row `upperRow` or `lowerRow` (the same row when it has one), and covers
// the rows below down to `bottomRow`, so a ball may not pass there uncaught.
struct Mouth {
    int x0, x1;
    int upperRow, lowerRow;
    int bottomRow;
    bool has(Pt p) const { return p.x >= x0 && p.x <= x1 && (p.y == upperRow || p.y == lowerRow); }
};

// How far a step of a stage may go.
struct StageRules {
    int stage;
    int maxDx, maxDy; // step lengths
    int maxRise;      // how far a step may go up
};

// Outcome codes after a path's end mark.
struct Codes {
    int lost, start, prize;
};

struct Board {
    Pt arcCentre;                   // the rail arc over the top of the board
    int arcRadius;
    int fieldRadius;                // no ball beyond this from the arc's centre
    int leftEdge, rightEdge;        // the inner rails
    int topRow, bottomRow;
    Pt railEnd;                     // last launch-rail position
    std::vector<Rect> features;     // balls go round these (and never through)
    std::vector<Windmill> windmills;
    Pt startPocket;
    std::vector<Pt> prizePockets;
    Rect outHole;                   // where lost balls leave
    bool hasMouth;
    Mouth mouth;
    std::vector<Pt> entries;        // zone z's second stage begins at entries[z]
    std::string zoneDigits;         // entry zone of each first-stage path
    Codes codes;
    StageRules firstStage, secondStage;

    bool inside(Pt p) const;
    // Every pocket, the start pocket first.
    std::vector<Pt> pockets() const;
    int firstStagePaths() const { return int(zoneDigits.size()); }
    int zoneOf(int firstStagePath) const { return zoneDigits[firstStagePath] - '0'; }
};

// The step rules No.3's table was drawn with.
extern const StageRules kFirstStageSteps;  // 6 across, 6 down, 5 up
extern const StageRules kSecondStageSteps; // 4 across, 5 down, 2 up

// ---------------------------------------------------------------- from a geometry header

// A geometry header's point and box (anything with x, y or x0, y0, x1, y1).
template <class P> constexpr Pt pt(const P& p) { return {p.x, p.y}; }
template <class B> constexpr Rect rect(const B& b) { return {b.x0, b.y0, b.x1, b.y1}; }

// A windmill given by its band of rows and its away and towards columns; the
// axle is the column after the away ones. One without a stage is turned by
// balls of both stages.
template <class W> auto windmillStage(const W& w, int) -> decltype(int(w.stage)) { return w.stage; }
template <class W> int windmillStage(const W&, long) { return 0; }
template <class W> Windmill windmillOf(const W& w)
{
    return {{w.awayXMin, w.yMin, w.towardsXMax, w.yMax}, w.awayXMax + 1, windmillStage(w, 0)};
}

// The board of a geometry namespace G (no3board, no4board, no5board): the
// field, kCentreFeature, kWindmills, kPockets (the prize ones by their code),
// kOutHole, kEntryPoints, kZoneDigits and the codes, with the door's mouth
// as the model has it and No.3's step rules. A macro, since a namespace is no
// template argument.
#define PATHKIT_BOARD_OF(G, doorMouth)                                      \
    [] {                                                                    \
        pathkit::Board b;                                                   \
        b.arcCentre = pathkit::pt(G::kArcCentre);                           \
        b.arcRadius = G::kArcRadius;                                        \
        b.fieldRadius = G::kFieldRadius;                                    \
        b.leftEdge = G::kLeftEdge;                                          \
        b.rightEdge = G::kRightEdge;                                        \
        b.topRow = G::kTopRow;                                              \
        b.bottomRow = G::kBottomRow;                                        \
        b.railEnd = pathkit::pt(G::kRailEnd);                               \
        b.features = {pathkit::rect(G::kCentreFeature)};                    \
        for (const auto& w : G::kWindmills)                                 \
            b.windmills.push_back(pathkit::windmillOf(w));                  \
        b.startPocket = pathkit::pt(G::kStartPocket);                       \
        for (const auto& p : G::kPockets)                                   \
            if (p.code == G::kCodePrizePocket)                              \
                b.prizePockets.push_back(pathkit::pt(p.at));                \
        b.outHole = pathkit::rect(G::kOutHole);                             \
        b.hasMouth = true;                                                  \
        b.mouth = doorMouth;                                                \
        for (const auto& e : G::kEntryPoints)                               \
            b.entries.push_back(pathkit::pt(e));                            \
        b.zoneDigits = G::kZoneDigits;                                      \
        b.codes = {G::kCodeLost, G::kCodeStartPocket, G::kCodePrizePocket}; \
        b.firstStage = pathkit::kFirstStageSteps;                           \
        b.secondStage = pathkit::kSecondStageSteps;                         \
        return b;                                                           \
    }()

// ---------------------------------------------------------------- the checks

// Whether the path is sound: not empty, at most 30 points, ending at
// `target`, on the board, round the features, steps within `rules`, turning
// every windmill of its stage it crosses and meeting none of the other's;
// a second-stage path passes no pocket but its own (`pocket`, null for a
// lost ball, which leaves by the out hole) and is in the door's mouth
// whenever it gets over the door. `before` is where the ball was just
// before the first point. brokenRule() tells what the last failed check
// found.
bool pathIsValid(const Board& board, const Path& p, const StageRules& rules, Pt before, Pt target, const Pt* pocket);
bool windmillsTouched(const Board& board, const Path& p, int stage, Pt before);
const char* brokenRule();

// -v: how hard each path was to draw, on standard error.
extern bool verbose;

// Calls draw(attempt) for attempt 0, 1, ... until it returns true; after
// `attempts` failures the tool stops with a message naming `what` and the
// rule last broken.
void drawUntilSound(const std::string& what, int attempts, const std::function<bool(int attempt)>& draw);

// ---------------------------------------------------------------- pin runs

struct RunStyle {
    int gravity;   // FP per step per step
    int fallCap;   // FP per step: pins keep the ball slower than this
    int sideCap;   // FP per step of steady sideways drift
    int pinPitch;  // units of drop between pins
    int pinChance; // percent: a pin in the way is met
    int knock;     // FP: largest sideways knock of a pin
    int keep;      // eighths of the downward speed a pin leaves the ball
};

// Through the upper and the lower pins, gentle first, then brisker ones
// (pins slowing the ball less) for a path that will not fit in 30 points.
extern const RunStyle kUpperRunStyles[3];
extern const RunStyle kLowerRunStyles[3];

// The ball at `a` moving (vx, vy) (FP per step) falls to `b`; appends the
// points after `a` up to and including `b`, and gives the speed it arrives
// with in (vxOut, vyOut). A pin cannot be met before step `firstPin` (the
// ball flies free off the rail).
void pinRun(Path& out, Pt a, int vx, int vy, Pt b, const RunStyle& st, int firstPin, Lcg& rng, int& vxOut,
            int& vyOut);

// Follows a list of fixed points from `a`, one pin run to each.
void runRoute(Path& out, Pt a, int vx, int vy, const Path& route, const RunStyle& st, int firstPin, Lcg& rng);

// Adds the points a route from `from` needs: a corner of a feature where a
// leg would cut through it, a point in a windmill's hit band where a leg of
// a ball of `stage` crosses the windmill.
void completeRoute(const Board& board, Pt from, Path& route, int stage, Lcg& rng);

// Points on `row` from x `fromX` towards `toX`, `step` columns apart, none
// beyond toX (the runs along a door's mouth).
Path rowRun(int row, int fromX, int toX, int step);

// A random point in x0..x1, y0..y1 (x drawn first).
Pt pick(Lcg& rng, int x0, int x1, int y0, int y1);
// Where pick() draws a route's point, in its argument order.
struct PickArea {
    int x0, x1, y0, y1;
};
// Appends a point picked in each area, in turn.
void pickEach(Path& route, Lcg& rng, std::initializer_list<PickArea> areas);
// The path at x -> axis - x.
Path mirrored(const Path& p, int axis);

// Draws one lower-board path from `start` along the route `makeRoute`
// gives (the left half's; mirrored for the right half), into `pocket` or
// (null) out at the hole. `before` is where the ball was before `start`.
template <class MakeRoute>
Path drawLowerPath(const Board& b, const std::string& what, Pt start, Pt before, bool mirror, int axis,
                   const Pt* pocket, MakeRoute makeRoute, Lcg& rng)
{
    Path out;
    drawUntilSound(what, 600, [&](int attempt) {
        const RunStyle& st = kLowerRunStyles[attempt / 200];
        Path route = makeRoute(rng);
        if (mirror)
            route = mirrored(route, axis);
        out.clear();
        out.push_back(start);
        completeRoute(b, start, route, 2, rng);
        runRoute(out, start, 0, FP, route, st, 1, rng);
        return pathIsValid(b, out, b.secondStage, before, route.back(), pocket);
    });
    return out;
}

// Second-stage path `index` of `zone` on a board whose right half mirrors
// the left at x -> axis - x: zones 4..7 draw the routes of zones 3..0
// mirrored, and the first path of each half of four (index 0 and 4) is the
// lucky one. aim() gives its pocket and outcome code.
struct SecondStageSlot {
    int zone, index, axis;
    bool right;    // zone 4..7
    int leftZone;  // the left half's zone whose routes it draws
    int half, k;   // index = 4 half + k
    bool lucky;    // k == 0
    bool toPocket; // set by aim()
    Pt leftPocket; // the pocket in the left half, and on the path's own half
    Pt pocket;
    int code;

    SecondStageSlot(int zone, int index, int axis);
    // Into the left half's `left` (null: lost at the hole), the code from
    // the board's: the start code for its start pocket, the prize code for
    // any other.
    void aim(const Board& b, const Pt* left);
    const Pt* target() const { return toPocket ? &pocket : nullptr; }
    std::string what() const; // "zone 2, path 5"
};

// drawLowerPath for the slot's path from `start`.
template <class MakeRoute>
Path drawLowerPath(const Board& b, const SecondStageSlot& s, Pt start, MakeRoute makeRoute, Lcg& rng)
{
    return drawLowerPath(b, s.what(), start, start, s.right, s.axis, s.target(), makeRoute, rng);
}

// ---------------------------------------------------------------- first stage

// The point of the rail arc above x (FP), in FP.
int arcY(const Board& board, int xf);
// Walks the arc from x (FP) until the chord from the current point is `len`
// (FP) long.
int arcAdvance(const Board& board, int xf, int len);

// How a board's first-stage balls run: off the rail with a first step of
// 7.5 to 10 units along the arc, on at 3.5 to 6 units a step (the stronger,
// the longer and the faster), dropping off further right the stronger they
// are (give or take two units), then down through the pins to one to three
// rows above their zone's entry point (give or take a column). A path that
// breaks a rule is drawn again, `attemptsPerStyle` times in each of the
// three styles.
struct FirstStageStyle {
    int releaseFrom, releaseSpan; // path 0 drops off the arc at x releaseFrom, the last one releaseSpan further
    int leftZones;                // zones below this are the left half
    int leftHalfLastRelease;      // a left-half ball drops off at this x at the latest (plus 0..3)
    int rightHalfFirstRelease;    // a right-half ball at this x at the earliest (plus 0..3)
    int lastRelease;              // nothing drops off further right
    int rubberX;                  // from here the rubber at the rail's end throws the ball back
    std::vector<int> zoneWindmill; // per zone: index in Board::windmills its balls may cross, -1 none
    int windmillChance;            // percent of those that go through that windmill's band
    const RunStyle* styles;       // three, gentle first
    int attempts, attemptsPerStyle;
};

// The first stage on the family's field (board_field.h), as every model has
// it: dropping off the arc from x 19 to 103, the left half's balls by x 50,
// the right half's from x 66, the rubber from x 98; 80 in a hundred of a
// zone's balls through the windmill `zoneWindmill` gives it; the upper pins'
// styles, 400 attempts, 120 a style.
FirstStageStyle fieldFirstStage(const std::vector<int>& zoneWindmill);

// First-stage path p into its zone (Board::zoneDigits[p]).
Path firstStagePath(const Board& board, const FirstStageStyle& style, int p, Lcg& rng);

// ---------------------------------------------------------------- the table

enum class Role {
    FirstStage,  // p < 128: ends above its zone's entry, code 8 x zone
    SecondStage, // from a zone's entry into a pocket or out at the hole
    Door,        // the door's runs along its mouth (code prize)
    Special,     // a model's own (wings, gates): on the board or hidden at (0, 0), into a
                 // pocket of its code's kind when that is the start or prize code
};

struct Entry {
    Path points;
    int code;
    std::string note; // the comment over the path in the table
    Role role;
    int zone; // FirstStage, SecondStage
};
typedef std::vector<Entry> Table;

// What the written file is called and says.
struct TableFormat {
    std::string model;  // "no3": table no3PathTable, header no3_paths.h, target no3_paths
    int machineNumber;  // 3: "machine No.3"
    int paths;          // 194
};

// The invariants every table keeps, whatever drew it: the path count, at
// most 30 points a path, every point on the board and round the features,
// steps within the stage's rules, first-stage codes by the zone digits and
// ends a second-stage step above the zone's entry, second-stage paths from
// their zone's entry point into a pocket of the code's kind or out at the
// hole, windmills touched, the door's mouth kept, door runs along the mouth.
// Appends what is wrong to `problems`; true when nothing is.
bool checkTable(const Board& board, const TableFormat& format, const Table& table, std::vector<std::string>& problems);

// The note of a second-stage path: "zone 2, prize pocket (18, 71)".
std::string secondStageNote(const Board& board, int zone, const Path& points, int code);

void writeTable(FILE* f, const TableFormat& format, const Table& table);

// ---------------------------------------------------------------- a recipe

// A model's whole table: its board, how its first stage runs, and how its
// second stage and its own paths are drawn. The first stage's path p is
// fixedFirstStage(p) when that gives points, else drawn by firstStagePath;
// then secondStage(zone, index) for zones 0..7 and indices 0..7 (paths
// 128 + 8 zone + index); then the extra paths in order (doors, wings, gates,
// numbered from 192). Everything is drawn on one Lcg seeded with `seed`, in
// that order; afterDrawing, when given, then sees the whole table.
struct Recipe {
    TableFormat format;
    uint32_t seed;
    Board board;
    FirstStageStyle firstStage;
    std::function<Path(int p)> fixedFirstStage;                               // empty path: draw it
    std::function<Path(int zone, int index, Lcg& rng, int& code)> secondStage; // sets the outcome code
    std::function<Table()> extraPaths;
    std::function<void(Table&)> afterDrawing; // the model's last changes to the drawn table (roles, notes)
};

// Draws the recipe's table.
Table drawTable(const Recipe& r);

// The program: pathgen_<model> [-v] [output.cpp] (standard output without
// an argument). Draws, checks and writes the table; 0 on success.
int pathgenMain(int argc, char** argv, const Recipe& r);

} // namespace pathkit
