// Draws the ball path table of machine No.3 and writes it as C++ source.
//
//   pathgen_no3 [output.cpp]     (standard output without an argument)
//
// The committed machines/no3/no3_paths.cpp is this program's output. The
// output depends on nothing but this file: integer arithmetic only and a
// private pseudo-random sequence, so every build reproduces the table byte for
// byte (a CTest test compares the two).
//
// Board units: a ball at (x, y) is drawn with its sprite corner at pixel
// (4x - 2, 4y - 4) of the 480x432 play view, its centre at (4x + 4, 4y + 2).
//
// How the paths are drawn:
//  - First stage (paths 0..127, the launch strength grows with the number):
//    the ball comes off the launch rail at (10, 25) and runs clockwise along
//    the rail arc over the top of the board (centre (59, 78), radius 72), the
//    stronger the faster, and drops off the arc the further right the stronger
//    it is. It then falls through the pins to its entry zone and ends just
//    above the zone's entry point, where its second stage begins.
//  - Second stage (128..191): from the zone's entry point through the lower
//    pins and windmills, into a pocket (the lucky paths) or out at the hole
//    under the bottom ornament (the lost ones, several over the door's mouth).
//    The right half of the board mirrors the left (x -> 118 - x).
//  - A route is a list of fixed points (pins, windmills, corners, pockets);
//    between two of them the ball makes a "pin run": it accelerates downward
//    under gravity, and each pin it meets on the way takes most of its
//    downward speed (sometimes bouncing it up a unit) and knocks it a unit or
//    two sideways.
//  - Routes go round the centre feature (top lamp, held-start lamps, reel
//    window) and, wherever they cross a windmill, put a point in the
//    windmill's hit band, so the windmill turns.
//  - Each path drawn is checked against the board's rules (bounds, step
//    lengths, windmills, feature, pockets, door); one that breaks a rule is
//    drawn again with the next pseudo-random numbers.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Pt {
    int x, y;
};
typedef std::vector<Pt> Path;

// The tool's own pseudo-random sequence (a 32-bit linear congruential
// generator), so the table does not depend on any C library.
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

int floorDiv(int a, int b)
{
    int q = a / b;
    if (a % b != 0 && ((a < 0) != (b < 0)))
        q--;
    return q;
}
int toUnits(int f) { return floorDiv(f + FP / 2, FP); }
int iabs(int v) { return v < 0 ? -v : v; }
int clampInt(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }
long long isqrt(long long v)
{
    if (v <= 0)
        return 0;
    long long r = 1;
    while (r * r <= v)
        r *= 2;
    long long lo = 0, hi = r; // lo*lo <= v < hi*hi
    while (hi - lo > 1) {
        long long mid = (lo + hi) / 2;
        if (mid * mid <= v)
            lo = mid;
        else
            hi = mid;
    }
    return lo;
}

// ---------------------------------------------------------------- the board

const int kPaths = 194;
const int kFirstStage = 128;
const int kMaxPoints = 30;
const int kMirror = 118; // the right half is the left half at x -> 118 - x

const int kArcCx = 59, kArcCy = 78, kArcR = 72; // the rail arc
const int kBoardR = 73;                          // no ball beyond this from the arc's centre
const int kLeftEdge = 6, kRightEdge = 112;       // the inner rails
const Pt kRailEnd = {10, 25};                    // last launch-rail position

const Pt kEntry[8] = {{14, 50}, {25, 43}, {32, 52}, {37, 53}, {81, 53}, {86, 52}, {93, 43}, {104, 50}};

// Entry zone of each first-stage path.
const char kZoneDigits[] = "0001000100010001"
                           "1223122312231223"
                           "12331233123312331233123312331233"
                           "1223125465546554"
                           "6554655465546554"
                           "6554655476557765"
                           "7765776577657765";

const Pt kStartPocket = {59, 73};
const Pt kSidePocketLeft = {18, 71};
const Pt kLowPocketLeft = {37, 89};
const Pt kPockets[5] = {{59, 73}, {18, 71}, {100, 71}, {37, 89}, {81, 89}};

enum { kCodeLost = 0, kCodeStart = 7, kCodePrize = 15 };

struct Rect {
    int x0, y0, x1, y1;
    bool has(int x, int y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
};

// Top lamp, held-start lamps and reel window: balls go round them (no ball
// sprite overlaps the reel window at pixels (186, 176) 108x80).
const Rect kFeature = {45, 24, 73, 64};

// A windmill's hit band: its box less the column of its axle.
struct Windmill {
    Rect box;
    int axle;
    int stage; // 1: turned by first-stage balls, 2: by second-stage balls
    bool inBand(Pt p) const { return box.has(p.x, p.y) && p.x != axle; }
};
const Windmill kWindmills[6] = {
    {{29, 27, 39, 35}, 34, 1},  {{79, 27, 89, 35}, 84, 1},  {{9, 52, 17, 60}, 13, 2},
    {{101, 52, 109, 60}, 105, 2}, {{32, 61, 40, 65}, 36, 2}, {{78, 61, 86, 65}, 82, 2},
};

// The door: an open door takes second-stage balls at x 48..70 on y 96 or 98.
const int kMouthX0 = 48, kMouthX1 = 70;
bool inMouth(Pt p) { return p.x >= kMouthX0 && p.x <= kMouthX1 && (p.y == 96 || p.y == 98); }

// The hole under the bottom ornament where lost balls leave.
const Rect kOutHole = {44, 104, 74, 106};

// The telling rows: these paths are fixed.
const Path kPath3 = {{16, 20}, {19, 18}, {22, 18}, {25, 20}, {26, 22}, {24, 25}, {22, 29}, {23, 28},
                     {24, 29}, {24, 32}, {24, 34}, {22, 35}, {23, 37}, {24, 38}, {25, 40}, {25, 41}};
const Path kPath128 = {{14, 50}, {14, 53}, {16, 56}, {15, 59}, {14, 62}, {15, 65},
                       {16, 67}, {17, 66}, {18, 67}, {18, 69}, {18, 71}};
const Path kPath140 = {{25, 43}, {25, 47}, {25, 51}, {28, 52}, {31, 54}, {34, 55}, {37, 58},
                       {40, 61}, {42, 64}, {44, 68}, {47, 68}, {50, 69}, {53, 72}, {55, 70},
                       {57, 70}, {59, 71}, {59, 70}, {59, 72}, {59, 73}};

Path doorPath(bool leftward)
{
    Path p;
    if (leftward)
        for (int x = 70; x >= 48; x -= 2)
            p.push_back({x, 97});
    else
        for (int x = 47; x <= 69; x += 2)
            p.push_back({x, 97}); // the last points are the V zone
    return p;
}

Path mirrored(const Path& p)
{
    Path m;
    for (const Pt& q : p)
        m.push_back({kMirror - q.x, q.y});
    return m;
}

// ---------------------------------------------------------------- the rules

struct StageRules {
    int stage;
    int maxDx, maxDy; // step lengths
    int maxRise;      // how far a step may go up
};
const StageRules kStage1 = {1, 6, 6, 5};
const StageRules kStage2 = {2, 4, 5, 2};

bool insideBoard(Pt p)
{
    long long dx = p.x - kArcCx, dy = p.y - kArcCy;
    return p.x >= kLeftEdge && p.x <= kRightEdge && p.y >= 1 && p.y <= 107 &&
           dx * dx + dy * dy <= (long long)kBoardR * kBoardR;
}

// Whether the segment a-b passes through the rectangle (sampled at eighths).
bool segmentMeets(Pt a, Pt b, const Rect& r)
{
    for (int k = 0; k <= 8; k++) {
        int x8 = 8 * a.x + (b.x - a.x) * k, y8 = 8 * a.y + (b.y - a.y) * k;
        if (x8 >= 8 * r.x0 && x8 <= 8 * r.x1 && y8 >= 8 * r.y0 && y8 <= 8 * r.y1)
            return true;
    }
    return false;
}

// A path crossing a windmill must touch its hit band on that step.
bool windmillsTouched(const Path& p, int stage, Pt before)
{
    for (size_t i = 0; i < p.size(); i++) {
        Pt a = i == 0 ? before : p[i - 1], b = p[i];
        for (const Windmill& w : kWindmills) {
            if (w.stage != stage) {
                if (w.box.has(b.x, b.y))
                    return false; // the other stage's windmills are not on its way
                continue;
            }
            if (segmentMeets(a, b, w.box) && !w.inBand(a) && !w.inBand(b))
                return false;
        }
    }
    return true;
}

bool nearPocket(Pt p, Pt pocket) { return iabs(p.x - pocket.x) <= 2 && iabs(p.y - pocket.y) <= 2; }

bool verbose = false; // -v: how hard each path was to draw

// Which rule the last path checked broke (for -v).
const char* brokenRule = "";
bool broke(const char* rule)
{
    brokenRule = rule;
    return false;
}

// Checks a drawn path; `before` is where the ball was just before its first
// point, `target` where it must end, `pocket` the pocket it ends in (or none).
bool pathIsValid(const Path& p, const StageRules& rules, Pt before, Pt target, const Pt* pocket)
{
    if (p.empty() || int(p.size()) > kMaxPoints)
        return broke("too long");
    if (p.back().x != target.x || p.back().y != target.y)
        return broke("misses its end");
    for (size_t i = 0; i < p.size(); i++) {
        Pt a = i == 0 ? before : p[i - 1], b = p[i];
        if (!insideBoard(b))
            return broke("off the board");
        if (kFeature.has(b.x, b.y) || segmentMeets(a, b, kFeature))
            return broke("through the centre feature");
        if (i > 0 && (iabs(b.x - a.x) > rules.maxDx || iabs(b.y - a.y) > rules.maxDy || a.y - b.y > rules.maxRise))
            return broke("step too long");
        if (rules.stage == 2) {
            for (const Pt& q : kPockets) {
                bool own = pocket && q.x == pocket->x && q.y == pocket->y;
                if (!own && nearPocket(b, q))
                    return broke("through a pocket");
            }
        }
    }
    if (!windmillsTouched(p, rules.stage, before))
        return broke("past a windmill");
    if (rules.stage == 2 && !pocket && !kOutHole.has(p.back().x, p.back().y))
        return broke("lost elsewhere than the hole");
    if (rules.stage == 2) {
        // A ball that gets over the door's mouth is in the mouth on that step,
        // so an open door takes it.
        bool caught = false;
        for (size_t i = 1; i < p.size(); i++) {
            Pt a = p[i - 1], b = p[i];
            caught = caught || inMouth(a) || inMouth(b);
            if (caught)
                break;
            bool overDoor = (b.x >= kMouthX0 && b.x <= kMouthX1 && b.y >= 96 && b.y <= 101);
            bool across = a.y < 96 && b.y > 98 && segmentMeets(a, b, {kMouthX0, 96, kMouthX1, 98});
            if (overDoor || across)
                return broke("over the door uncaught");
        }
    }
    return true;
}

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

// The ball at `a` moving (vx, vy) (FP per step) falls to `b`; appends the
// points after `a` up to and including `b`, and gives the speed it arrives
// with in (vxOut, vyOut). A pin cannot be met before step `firstPin` (the
// ball flies free off the rail).
void pinRun(Path& out, Pt a, int vx, int vy, Pt b, const RunStyle& st, int firstPin, Lcg& rng, int& vxOut,
            int& vyOut)
{
    const int dx = b.x - a.x, dy = b.y - a.y;
    int nMin = (iabs(dx) * FP + st.sideCap - 1) / st.sideCap;
    if (nMin < 1)
        nMin = 1;

    // Downward motion: free fall, checked by pins.
    std::vector<int> fall;  // FP drop per step
    std::vector<bool> pin;  // a pin met on this step
    if (dy <= 1) {
        // Rolling along: no free fall to speak of.
        int n = nMin < 2 ? 2 : nMin;
        for (int i = 0; i < n; i++) {
            fall.push_back(FP);
            pin.push_back(false);
        }
    } else {
        int v = clampInt(vy, -2 * FP, st.fallCap), drop = 0, lastPin = firstPin > 1 ? -1 : 0;
        int pitch = st.pinPitch * FP + rng.range(0, 2 * FP);

        while ((drop < dy * FP || int(fall.size()) < nMin) && fall.size() < 40) {
            int step = int(fall.size()) + 1;
            v += st.gravity;
            if (v > st.fallCap)
                v = st.fallCap;
            // Off the rail, the first pin can come as soon as the ball is free;
            // otherwise pins stand a pitch apart.
            bool due = lastPin < 0 || drop - lastPin >= pitch;
            bool hit = step >= firstPin && due && rng.chance(st.pinChance);
            if (hit) {
                v = v * st.keep / 8 + rng.range(-3 * FP / 4, FP / 4); // now and then a bounce
                lastPin = drop < 0 ? 0 : drop;
                pitch = st.pinPitch * FP + rng.range(0, 2 * FP);
            }
            drop += v;
            fall.push_back(v);
            pin.push_back(hit);
        }
    }
    const int n = int(fall.size());
    std::vector<int> sum(n + 1, 0);
    for (int i = 0; i < n; i++)
        sum[i + 1] = sum[i] + fall[i];
    if (sum[n] <= 0) { // cannot happen with the falls above; keep the division sound
        for (int i = 0; i <= n; i++)
            sum[i] = i * FP;
    }

    // Sideways: off the rail the ball keeps its own drift until the first
    // pin. From then on it works its way towards `b`, the drift re-aimed at
    // every step, and each pin knocks it aside; a knock dies away over a few
    // steps but leaves the ball where it put it.
    const bool flying = firstPin > 1;
    std::vector<int> xs(n + 1);
    xs[0] = a.x * FP;
    int x = xs[0], knock = 0, lastSign = rng.sign();
    bool steering = !flying;
    for (int i = 1; i <= n; i++) {
        int step;
        // (leaving a fixed point, which is a pin itself, it may be knocked too)
        if (pin[i - 1] || (i == 1 && !flying && dy > 1 && rng.chance(50))) {
            steering = true;
            int s = rng.chance(70) ? -lastSign : lastSign;
            knock = s * rng.range(FP / 2, st.knock);
            lastSign = s;
        }
        if (steering) {
            int aim = floorDiv(b.x * FP - x, n - i + 1);
            step = i == n ? aim : aim + knock;
            knock = knock * 2 / 3;
        } else {
            step = vx;
        }
        x += step;
        xs[i] = x;
    }
    if (xs[n] != b.x * FP) { // never steered: glide straight to b
        for (int i = 1; i <= n; i++)
            xs[i] = a.x * FP + floorDiv((b.x - a.x) * FP * i, n);
    }

    int lastX = a.x, lastY = a.y;
    for (int i = 1; i <= n; i++) {
        int px = i == n ? b.x : toUnits(xs[i]);
        int py = i == n ? b.y : a.y + toUnits(floorDiv(sum[i] * dy * FP, sum[n]));
        out.push_back({px, py});
        if (i == n) {
            vxOut = (px - lastX) * FP;
            vyOut = (py - lastY) * FP;
        }
        lastX = px;
        lastY = py;
    }
}

// Follows a list of fixed points from `a`, one pin run to each.
void runRoute(Path& out, Pt a, int vx, int vy, const Path& route, const RunStyle& st, int firstPin, Lcg& rng)
{
    for (const Pt& b : route) {
        int vxOut = 0, vyOut = 0;
        pinRun(out, a, vx, vy, b, st, firstPin, rng, vxOut, vyOut);
        a = b;
        vx = 0; // a fixed point is a hit: the sideways drift starts afresh
        vy = vyOut / 2;
        firstPin = 1;
    }
}

// Adds the points a route needs: a corner of the centre feature where a leg
// would cut through it, a point in a windmill's hit band where a leg crosses
// the windmill.
void completeRoute(Pt from, Path& route, int stage, Lcg& rng)
{
    for (int round = 0; round < 8; round++) {
        bool changed = false;
        Pt a = from;
        for (size_t i = 0; i < route.size() && !changed; i++) {
            Pt b = route[i];
            if (segmentMeets(a, b, {kFeature.x0 - 1, kFeature.y0 - 1, kFeature.x1 + 1, kFeature.y1}) ) {
                Pt corner = b.x < kArcCx ? Pt{kFeature.x0 - 2 - rng.range(0, 1), kFeature.y0 - rng.range(2, 3)}
                                         : Pt{kFeature.x1 + 2 + rng.range(0, 1), kFeature.y0 - rng.range(2, 3)};
                if (!(corner.x == a.x && corner.y == a.y)) {
                    route.insert(route.begin() + i, corner);
                    changed = true;
                    break;
                }
            }
            for (const Windmill& w : kWindmills) {
                if (w.stage != stage || w.inBand(a) || w.inBand(b) || !segmentMeets(a, b, w.box))
                    continue;
                // Where the leg is at the windmill's middle row.
                int ym = (w.box.y0 + w.box.y1) / 2;
                int x = b.y == a.y ? a.x : a.x + (b.x - a.x) * (ym - a.y) / (b.y - a.y);
                x = clampInt(x, w.box.x0 + 1, w.box.x1 - 1);
                if (x == w.axle)
                    x += rng.sign();
                int y = clampInt(ym + rng.range(-2, 2), w.box.y0 + 1, w.box.y1 - 1);
                route.insert(route.begin() + i, Pt{x, y});
                changed = true;
                break;
            }
            a = b;
        }
        if (!changed)
            return;
    }
}

// ---------------------------------------------------------------- first stage

// The point of the rail arc above x (FP), in FP.
int arcY(int xf)
{
    long long r = (long long)kArcR * FP, d = xf - kArcCx * FP;
    return kArcCy * FP - int(isqrt(r * r - d * d));
}

// Walks the arc from x (FP) until the chord from the current point is `len`
// (FP) long.
int arcAdvance(int xf, int len)
{
    int y = arcY(xf), nx = xf;
    for (;;) {
        nx++;
        long long ddx = nx - xf, ddy = arcY(nx) - y;
        if (ddx * ddx + ddy * ddy >= (long long)len * len)
            return nx;
    }
}

// Falls through the upper pins, gentle first; a path that will not fit in 30
// points is drawn again in a brisker style, where pins slow the ball less.
const RunStyle kUpperStyles[3] = {
    {12, 4 * FP, 4 * FP, 3, 75, 3 * FP / 2, 3},
    {14, 5 * FP, 4 * FP, 3, 75, 3 * FP / 2, 4},
    {16, 5 * FP + FP / 2, 5 * FP, 4, 70, 3 * FP / 2, 5},
};

Path firstStagePath(int p, Lcg& rng)
{
    const int zone = kZoneDigits[p] - '0';
    const Pt entry = kEntry[zone];
    for (int attempt = 0; attempt < 400; attempt++) {
        const RunStyle& st = kUpperStyles[attempt / 120 < 2 ? attempt / 120 : 2];
        Path out;
        // Along the arc: the stronger the launch, the faster and the further.
        int speed = 56 + 40 * p / 127; // FP per step, 3.5 .. 6 units
        int releaseX = 19 + 84 * p / 127 + rng.range(-2, 2);
        // A ball that just reaches the top falls back to the left or goes on
        // over to the right: where it drops off tells which half it falls in.
        if (zone <= 3 && releaseX > 50)
            releaseX = 50 + rng.range(0, 3);
        if (zone >= 4 && releaseX < 66)
            releaseX = 66 + rng.range(0, 3);
        if (releaseX > 104)
            releaseX = 104;
        int xf = kRailEnd.x * FP;
        xf = arcAdvance(xf, 120 + 40 * p / 127); // off the rail, a long first step
        out.push_back({toUnits(xf), toUnits(arcY(xf))});
        int prevx = kRailEnd.x * FP, prevy = kRailEnd.y * FP;
        while (toUnits(xf) < releaseX) {
            prevx = xf;
            prevy = arcY(xf);
            xf = arcAdvance(xf, speed);
            out.push_back({toUnits(xf), toUnits(arcY(xf))});
        }
        int px = xf, py = arcY(xf);
        int vx = px - prevx, vy = py - prevy;
        if (toUnits(px) >= 98) {
            vx = -vx / 4; // the rubber at the end of the rail throws it back
            vy = vy / 2;
        }
        Pt release = out.back();

        // From the release point down to the zone.
        Pt target = {entry.x + rng.range(-1, 1), entry.y - rng.range(1, 3)};
        Path route;
        int drop = target.y - release.y;
        if (drop > 18 && rng.chance(70)) {
            // a pin half-way that turns the ball
            int mx = (release.x + target.x) / 2 + rng.range(-5, 5);
            int my = release.y + drop / 2 + rng.range(-3, 3);
            route.push_back({mx, my});
        }
        bool leftMill = zone == 2 || zone == 3, rightMill = zone == 4 || zone == 5;
        if ((leftMill || rightMill) && rng.chance(80)) {
            const Windmill& w = kWindmills[leftMill ? 0 : 1];
            int x = rng.chance(50) ? rng.range(w.box.x0 + 1, w.axle - 1) : rng.range(w.axle + 1, w.box.x1 - 1);
            route.push_back({x, rng.range(w.box.y0 + 1, w.box.y1 - 2)});
            if (route.size() == 2 && route[0].y >= route[1].y)
                route.erase(route.begin()); // the windmill is the pin half-way
        }
        route.push_back(target);
        completeRoute(release, route, 1, rng);
        runRoute(out, release, vx, vy, route, st, rng.range(2, 3), rng);
        Pt first = out.front();
        bool offRail = first.x > kRailEnd.x && first.x - kRailEnd.x <= 9 && first.y < kRailEnd.y &&
                       kRailEnd.y - first.y <= 9;
        if (offRail && pathIsValid(out, kStage1, kRailEnd, target, nullptr)) {
            if (verbose)
                std::fprintf(stderr, "path %d: %d attempts\n", p, attempt + 1);
            return out;
        }
        if (verbose && attempt % 50 == 0)
            std::fprintf(stderr, "path %d: %s\n", p, brokenRule);
    }
    std::fprintf(stderr, "pathgen: no sound first-stage path %d (%s)\n", p, brokenRule);
    std::exit(1);
}

// ---------------------------------------------------------------- second stage

// Falls through the lower pins, gentle first, as above.
const RunStyle kLowerStyles[3] = {
    {10, 4 * FP, 5 * FP / 2, 3, 75, 3 * FP / 2, 3},
    {12, 4 * FP, 3 * FP, 3, 75, 3 * FP / 2, 4},
    {14, 4 * FP + FP / 2, 3 * FP, 4, 70, 3 * FP / 2, 5},
};

Pt pick(Lcg& rng, int x0, int x1, int y0, int y1) { return {rng.range(x0, x1), rng.range(y0, y1)}; }

// The way out from the lower left: over the door's mouth or past its left end
// into the hole under the bottom ornament.
void exitRoute(Path& r, bool overMouth, Lcg& rng)
{
    if (overMouth) {
        Pt m = {rng.range(49, 58), rng.chance(50) ? 96 : 98};
        r.push_back(m);
        r.push_back({m.x + rng.range(2, 6), rng.range(104, 106)});
    } else {
        r.push_back(pick(rng, 36, 40, 98, 100));
        r.push_back(pick(rng, 44, 46, 104, 106));
    }
}

// Route of a lost ball of a left-half zone (0..3) from its entry point.
Path lostRoute(int zone, int variant, bool overMouth, Lcg& rng)
{
    Path r;
    switch (zone) {
    case 0: // through the far-left windmill (either side of its axle), down
            // the left past the side pocket
        r.push_back(variant == 1 ? pick(rng, 10, 12, 53, 57) : pick(rng, 14, 16, 53, 57));
        if (variant == 0) {
            r.push_back(pick(rng, 11, 13, 66, 70));
            r.push_back(pick(rng, 17, 21, 81, 85));
        } else {
            r.push_back(pick(rng, 22, 25, 66, 69));
            r.push_back(pick(rng, 27, 30, 80, 84));
        }
        r.push_back(pick(rng, 29, 33, 90, 93));
        break;
    case 1:
        if (variant == 0) { // over the inner windmill, left of the low pocket
            r.push_back(pick(rng, 26, 28, 52, 56));
            r.push_back(pick(rng, 32, 34, 62, 64));
            r.push_back(pick(rng, 30, 32, 76, 80));
            r.push_back(pick(rng, 31, 33, 89, 92));
        } else if (variant == 1) { // into the far-left windmill
            r.push_back(pick(rng, 16, 17, 55, 59));
            r.push_back(pick(rng, 12, 13, 67, 70));
            r.push_back(pick(rng, 19, 22, 82, 85));
            r.push_back(pick(rng, 29, 32, 91, 93));
        } else { // between the windmills, then right of the low pocket
            r.push_back(pick(rng, 23, 26, 57, 61));
            r.push_back(pick(rng, 26, 29, 73, 77));
            r.push_back(pick(rng, 41, 43, 82, 86));
            r.push_back(pick(rng, 44, 46, 90, 92));
        }
        break;
    case 2:
        if (variant == 0) {
            r.push_back(pick(rng, 32, 34, 62, 64));
            r.push_back(pick(rng, 29, 32, 76, 80));
            r.push_back(pick(rng, 30, 33, 90, 92));
        } else if (variant == 1) {
            r.push_back(pick(rng, 37, 39, 62, 64));
            r.push_back(pick(rng, 41, 44, 76, 81));
            r.push_back(pick(rng, 43, 46, 88, 91));
        } else {
            r.push_back(pick(rng, 28, 29, 59, 62));
            r.push_back(pick(rng, 24, 27, 75, 79));
            r.push_back(pick(rng, 29, 32, 90, 93));
        }
        break;
    default: // 3, right above the inner windmill
        if (variant == 1) {
            r.push_back(pick(rng, 33, 35, 62, 64));
            r.push_back(pick(rng, 30, 33, 76, 80));
            r.push_back(pick(rng, 31, 33, 90, 93));
        } else {
            r.push_back(pick(rng, 37, 40, 62, 64));
            r.push_back(pick(rng, 41, 44, 76, 82));
            r.push_back(pick(rng, 44, 46, 88, 91));
        }
        break;
    }
    exitRoute(r, overMouth, rng);
    return r;
}

// Route of a lucky ball of a left-half zone into `pocket`.
Path luckyRoute(int zone, Pt pocket, Lcg& rng)
{
    Path r;
    if (pocket.x == kStartPocket.x) { // along under the reel window
        if (zone != 3)
            r.push_back(pick(rng, 32, 34, 55, 57));
        r.push_back(pick(rng, 38, 40, 61, 63));
        r.push_back(pick(rng, 43, 45, 67, 69));
        r.push_back(pick(rng, 50, 53, 70, 71));
        r.push_back(pick(rng, 56, 57, 71, 72));
    } else if (pocket.x == kSidePocketLeft.x) {
        r.push_back(pick(rng, zone == 1 ? 23 : 28, zone == 1 ? 24 : 29, 55, 59));
        r.push_back(pick(rng, 21, 22, 63, 65));
        r.push_back(pick(rng, 18, 19, 68, 69));
    } else { // the low pocket
        if (zone == 0) {
            r.push_back(pick(rng, 15, 16, 55, 58));
            r.push_back(pick(rng, 21, 22, 64, 66));
            r.push_back(pick(rng, 26, 28, 76, 79));
        } else {
            r.push_back(rng.chance(50) ? pick(rng, 33, 35, 62, 64) : pick(rng, 37, 38, 62, 64));
            r.push_back(pick(rng, 35, 37, 75, 78));
        }
        r.push_back(pick(rng, 36, 38, 85, 86));
    }
    r.push_back(pocket);
    return r;
}

// Pockets of the lucky paths of the left-half zones, first half then second.
const Pt kLuckyPocket[4][2] = {
    {kSidePocketLeft, kLowPocketLeft}, // zone 0 (the first is the fixed path 128)
    {kSidePocketLeft, kStartPocket},   // zone 1 (the second is the fixed path 140)
    {kSidePocketLeft, kLowPocketLeft},
    {kStartPocket, kStartPocket},
};

Path secondStagePath(int zone, int index, Lcg& rng, int& code)
{
    const bool right = zone >= 4;
    const int leftZone = right ? 7 - zone : zone;
    const int half = index / 4, k = index % 4;
    const bool lucky = k == 0;
    const Pt entry = kEntry[zone];
    Pt pocket = {0, 0};
    if (lucky) {
        pocket = kLuckyPocket[leftZone][half];
        code = pocket.x == kStartPocket.x ? kCodeStart : kCodePrize;
        // the telling rows, and their mirror images on the right
        if (leftZone == 0 && half == 0)
            return right ? mirrored(kPath128) : kPath128;
        if (leftZone == 1 && half == 1)
            return right ? mirrored(kPath140) : kPath140;
        if (right)
            pocket.x = kMirror - pocket.x;
    } else {
        code = kCodeLost;
    }
    // Lost balls: the middle one of each half goes over the door's mouth
    // (except from the far zones), the others do so now and then.
    const int variants = leftZone == 3 ? 2 : 3;
    for (int attempt = 0; attempt < 600; attempt++) {
        const RunStyle& st = kLowerStyles[attempt / 200];
        Path route;
        if (lucky) {
            route = luckyRoute(leftZone, right ? Pt{kMirror - pocket.x, pocket.y} : pocket, rng);
        } else {
            int variant = (half * 3 + k - 1 + zone) % variants;
            bool overMouth = (k == 2 && leftZone != 0) || rng.chance(35);
            route = lostRoute(leftZone, variant, overMouth, rng);
        }
        if (right)
            route = mirrored(route);
        Path out;
        out.push_back(entry);
        completeRoute(entry, route, 2, rng);
        runRoute(out, entry, 0, FP, route, st, 1, rng);
        if (pathIsValid(out, kStage2, entry, route.back(), lucky ? &pocket : nullptr)) {
            if (verbose)
                std::fprintf(stderr, "zone %d path %d: %d attempts\n", zone, index, attempt + 1);
            return out;
        }
        if (verbose && attempt % 50 == 0)
            std::fprintf(stderr, "zone %d path %d: %s\n", zone, index, brokenRule);
    }
    std::fprintf(stderr, "pathgen: no sound path for zone %d, path %d (%s)\n", zone, index, brokenRule);
    std::exit(1);
}

// ---------------------------------------------------------------- output

struct Entry {
    Path points;
    int code;
    std::string note;
};

void writeTable(FILE* f, const std::vector<Entry>& table)
{
    std::fprintf(f, "// Ball paths of machine No.3: generated by tools/pathgen; do not edit.\n"
                    "// Rewrite with: cmake --build <tree> --target no3_paths\n"
                    "#include \"no3_paths.h\"\n\n"
                    "const unsigned char no3PathTable[194][32][2] = {\n");
    for (size_t p = 0; p < table.size(); p++) {
        const Entry& e = table[p];
        std::fprintf(f, "    // %d: %s\n    {", int(p), e.note.c_str());
        for (int i = 0; i < 32; i++) {
            if (i > 0)
                std::fprintf(f, i % 8 == 0 ? ",\n     " : ", ");
            if (i < int(e.points.size()))
                std::fprintf(f, "{%3d,%3d}", e.points[i].x, e.points[i].y);
            else if (i == int(e.points.size()))
                std::fprintf(f, "{0xFF,%2d}", e.code);
            else
                std::fprintf(f, "{  0,  0}");
        }
        std::fprintf(f, "},\n");
    }
    std::fprintf(f, "};\n");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "-v") {
        verbose = true;
        argc--;
        argv++;
    }
    Lcg rng(0x4E6F3033u);
    std::vector<Entry> table;
    for (int p = 0; p < kFirstStage; p++) {
        int zone = kZoneDigits[p] - '0';
        Path points = p == 3 ? kPath3 : firstStagePath(p, rng);
        table.push_back({points, zone * 8, "first stage, into zone " + std::to_string(zone)});
    }
    static const char* const kOutcome[16] = {"lost", 0, 0, 0, 0, 0, 0, "start pocket", 0, 0, 0, 0, 0, 0, 0,
                                             "prize pocket"};
    for (int zone = 0; zone < 8; zone++) {
        for (int i = 0; i < 8; i++) {
            int code = 0;
            Path points = secondStagePath(zone, i, rng, code);
            std::string note = "zone " + std::to_string(zone) + ", " + kOutcome[code];
            if (code != kCodeLost) {
                char at[32];
                std::snprintf(at, sizeof at, " (%d, %d)", points.back().x, points.back().y);
                note += at;
            }
            table.push_back({points, code, note});
        }
    }
    table.push_back({doorPath(true), kCodePrize, "door, right to left"});
    table.push_back({doorPath(false), kCodePrize, "door, left to right into the V zone"});
    if (int(table.size()) != kPaths || kZoneDigits[kFirstStage] != '\0') {
        std::fprintf(stderr, "pathgen: table is not %d paths\n", kPaths);
        return 1;
    }

    FILE* f = stdout;
    if (argc > 1) {
        f = std::fopen(argv[1], "w");
        if (!f) {
            std::perror(argv[1]);
            return 1;
        }
    }
    writeTable(f, table);
    if (f != stdout && std::fclose(f) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
