// pathkit: pin runs, the first stage, the checks and the table writer (see
// pathkit.h).
#include "pathkit.h"

#include <cstdlib>

namespace pathkit {

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

const StageRules kFirstStageSteps = {1, 6, 6, 5};
const StageRules kSecondStageSteps = {2, 4, 5, 2};

bool segmentMeets(Pt a, Pt b, const Rect& r)
{
    for (int k = 0; k <= 8; k++) {
        int x8 = 8 * a.x + (b.x - a.x) * k, y8 = 8 * a.y + (b.y - a.y) * k;
        if (x8 >= 8 * r.x0 && x8 <= 8 * r.x1 && y8 >= 8 * r.y0 && y8 <= 8 * r.y1)
            return true;
    }
    return false;
}

bool Board::inside(Pt p) const
{
    long long dx = p.x - arcCentre.x, dy = p.y - arcCentre.y;
    return p.x >= leftEdge && p.x <= rightEdge && p.y >= topRow && p.y <= bottomRow &&
           dx * dx + dy * dy <= (long long)fieldRadius * fieldRadius;
}

std::vector<Pt> Board::pockets() const
{
    std::vector<Pt> all = {startPocket};
    all.insert(all.end(), prizePockets.begin(), prizePockets.end());
    return all;
}

// ---------------------------------------------------------------- the checks

bool verbose = false;

namespace {

const char* lastBroken = "";
bool broke(const char* rule)
{
    lastBroken = rule;
    return false;
}

bool nearPocket(Pt p, Pt pocket) { return iabs(p.x - pocket.x) <= 2 && iabs(p.y - pocket.y) <= 2; }

} // namespace

const char* brokenRule() { return lastBroken; }

bool windmillsTouched(const Board& board, const Path& p, int stage, Pt before)
{
    for (size_t i = 0; i < p.size(); i++) {
        Pt a = i == 0 ? before : p[i - 1], b = p[i];
        for (const Windmill& w : board.windmills) {
            if (!w.turnedBy(stage)) {
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

bool pathIsValid(const Board& board, const Path& p, const StageRules& rules, Pt before, Pt target, const Pt* pocket)
{
    if (p.empty() || int(p.size()) > 30)
        return broke("too long");
    if (p.back() != target)
        return broke("misses its end");
    const std::vector<Pt> pockets = board.pockets();
    for (size_t i = 0; i < p.size(); i++) {
        Pt a = i == 0 ? before : p[i - 1], b = p[i];
        if (!board.inside(b))
            return broke("off the board");
        for (const Rect& f : board.features)
            if (f.has(b) || segmentMeets(a, b, f))
                return broke("through the centre feature");
        if (i > 0 && (iabs(b.x - a.x) > rules.maxDx || iabs(b.y - a.y) > rules.maxDy || a.y - b.y > rules.maxRise))
            return broke("step too long");
        if (rules.stage == 2) {
            for (const Pt& q : pockets) {
                bool own = pocket && q == *pocket;
                if (!own && nearPocket(b, q))
                    return broke("through a pocket");
            }
        }
    }
    if (!windmillsTouched(board, p, rules.stage, before))
        return broke("past a windmill");
    if (rules.stage == 2 && !pocket && !board.outHole.has(p.back()))
        return broke("lost elsewhere than the hole");
    if (rules.stage == 2 && board.hasMouth) {
        // A ball that gets over the door's mouth is in the mouth on that step,
        // so an open door takes it.
        const Mouth& m = board.mouth;
        bool caught = false;
        for (size_t i = 1; i < p.size(); i++) {
            Pt a = p[i - 1], b = p[i];
            caught = caught || m.has(a) || m.has(b);
            if (caught)
                break;
            bool overDoor = b.x >= m.x0 && b.x <= m.x1 && b.y >= m.upperRow && b.y <= m.bottomRow;
            bool across = a.y < m.upperRow && b.y > m.lowerRow &&
                          segmentMeets(a, b, {m.x0, m.upperRow, m.x1, m.lowerRow});
            if (overDoor || across)
                return broke("over the door uncaught");
        }
    }
    return true;
}

void drawUntilSound(const std::string& what, int attempts, const std::function<bool(int attempt)>& draw)
{
    for (int attempt = 0; attempt < attempts; attempt++) {
        if (draw(attempt)) {
            if (verbose)
                std::fprintf(stderr, "%s: %d attempts\n", what.c_str(), attempt + 1);
            return;
        }
        if (verbose && attempt % 50 == 0)
            std::fprintf(stderr, "%s: %s\n", what.c_str(), lastBroken);
    }
    std::fprintf(stderr, "pathgen: no sound %s (%s)\n", what.c_str(), lastBroken);
    std::exit(1);
}

// ---------------------------------------------------------------- pin runs

const RunStyle kUpperRunStyles[3] = {
    {12, 4 * FP, 4 * FP, 3, 75, 3 * FP / 2, 3},
    {14, 5 * FP, 4 * FP, 3, 75, 3 * FP / 2, 4},
    {16, 5 * FP + FP / 2, 5 * FP, 4, 70, 3 * FP / 2, 5},
};
const RunStyle kLowerRunStyles[3] = {
    {10, 4 * FP, 5 * FP / 2, 3, 75, 3 * FP / 2, 3},
    {12, 4 * FP, 3 * FP, 3, 75, 3 * FP / 2, 4},
    {14, 4 * FP + FP / 2, 3 * FP, 4, 70, 3 * FP / 2, 5},
};

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

void completeRoute(const Board& board, Pt from, Path& route, int stage, Lcg& rng)
{
    for (int round = 0; round < 8; round++) {
        bool changed = false;
        Pt a = from;
        for (size_t i = 0; i < route.size() && !changed; i++) {
            Pt b = route[i];
            for (const Rect& f : board.features) {
                if (!segmentMeets(a, b, {f.x0 - 1, f.y0 - 1, f.x1 + 1, f.y1}))
                    continue;
                Pt corner = b.x < board.arcCentre.x ? Pt{f.x0 - 2 - rng.range(0, 1), f.y0 - rng.range(2, 3)}
                                                    : Pt{f.x1 + 2 + rng.range(0, 1), f.y0 - rng.range(2, 3)};
                if (corner != a) {
                    route.insert(route.begin() + i, corner);
                    changed = true;
                    break;
                }
            }
            if (changed)
                break;
            for (const Windmill& w : board.windmills) {
                if (!w.turnedBy(stage) || w.inBand(a) || w.inBand(b) || !segmentMeets(a, b, w.box))
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

Path rowRun(int row, int fromX, int toX, int step)
{
    const int dir = fromX <= toX ? 1 : -1;
    Path p;
    for (int x = fromX; (toX - x) * dir >= 0; x += dir * step)
        p.push_back({x, row});
    return p;
}

Pt pick(Lcg& rng, int x0, int x1, int y0, int y1) { return {rng.range(x0, x1), rng.range(y0, y1)}; }

void pickEach(Path& route, Lcg& rng, std::initializer_list<PickArea> areas)
{
    for (const PickArea& a : areas)
        route.push_back(pick(rng, a.x0, a.x1, a.y0, a.y1));
}

Path mirrored(const Path& p, int axis)
{
    Path m;
    for (const Pt& q : p)
        m.push_back({axis - q.x, q.y});
    return m;
}

// ---------------------------------------------------------------- first stage

int arcY(const Board& board, int xf)
{
    long long r = (long long)board.arcRadius * FP, d = xf - board.arcCentre.x * FP;
    return board.arcCentre.y * FP - int(isqrt(r * r - d * d));
}

int arcAdvance(const Board& board, int xf, int len)
{
    int y = arcY(board, xf), nx = xf;
    for (;;) {
        nx++;
        long long ddx = nx - xf, ddy = arcY(board, nx) - y;
        if (ddx * ddx + ddy * ddy >= (long long)len * len)
            return nx;
    }
}

SecondStageSlot::SecondStageSlot(int zone, int index, int axis)
    : zone(zone), index(index), axis(axis), right(zone >= 4), leftZone(right ? 7 - zone : zone), half(index / 4),
      k(index % 4), lucky(k == 0), toPocket(false), leftPocket{0, 0}, pocket{0, 0}, code(0)
{
}

void SecondStageSlot::aim(const Board& b, const Pt* left)
{
    toPocket = left != nullptr;
    if (!toPocket) {
        leftPocket = pocket = {0, 0};
        code = b.codes.lost;
        return;
    }
    leftPocket = pocket = *left;
    code = *left == b.startPocket ? b.codes.start : b.codes.prize;
    if (right)
        pocket.x = axis - pocket.x;
}

std::string SecondStageSlot::what() const
{
    return "zone " + std::to_string(zone) + ", path " + std::to_string(index);
}

FirstStageStyle fieldFirstStage(const std::vector<int>& zoneWindmill)
{
    return {19, 84, 4, 50, 66, 104, 98, zoneWindmill, 80, kUpperRunStyles, 400, 120};
}

Path firstStagePath(const Board& board, const FirstStageStyle& style, int p, Lcg& rng)
{
    const int zone = board.zoneOf(p);
    const Pt entry = board.entries[zone];
    const int last = board.firstStagePaths() - 1;
    const Pt rail = board.railEnd;
    Path out;
    drawUntilSound("first-stage path " + std::to_string(p), style.attempts, [&](int attempt) {
        int s = attempt / style.attemptsPerStyle;
        const RunStyle& st = style.styles[s < 2 ? s : 2];
        out.clear();
        // Along the arc: the stronger the launch, the faster and the further.
        int speed = 56 + 40 * p / last; // FP per step, 3.5 .. 6 units
        int releaseX = style.releaseFrom + style.releaseSpan * p / last + rng.range(-2, 2);
        // A ball that just reaches the top falls back to the left or goes on
        // over to the right: where it drops off tells which half it falls in.
        if (zone < style.leftZones && releaseX > style.leftHalfLastRelease)
            releaseX = style.leftHalfLastRelease + rng.range(0, 3);
        if (zone >= style.leftZones && releaseX < style.rightHalfFirstRelease)
            releaseX = style.rightHalfFirstRelease + rng.range(0, 3);
        if (releaseX > style.lastRelease)
            releaseX = style.lastRelease;
        int xf = rail.x * FP;
        xf = arcAdvance(board, xf, 120 + 40 * p / last); // off the rail, a long first step
        out.push_back({toUnits(xf), toUnits(arcY(board, xf))});
        int prevx = rail.x * FP, prevy = rail.y * FP;
        while (toUnits(xf) < releaseX) {
            prevx = xf;
            prevy = arcY(board, xf);
            xf = arcAdvance(board, xf, speed);
            out.push_back({toUnits(xf), toUnits(arcY(board, xf))});
        }
        int px = xf, py = arcY(board, xf);
        int vx = px - prevx, vy = py - prevy;
        if (toUnits(px) >= style.rubberX) {
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
        int mill = zone < int(style.zoneWindmill.size()) ? style.zoneWindmill[zone] : -1;
        if (mill >= 0 && rng.chance(style.windmillChance)) {
            const Windmill& w = board.windmills[mill];
            int x = rng.chance(50) ? rng.range(w.box.x0 + 1, w.axle - 1) : rng.range(w.axle + 1, w.box.x1 - 1);
            route.push_back({x, rng.range(w.box.y0 + 1, w.box.y1 - 2)});
            if (route.size() == 2 && route[0].y >= route[1].y)
                route.erase(route.begin()); // the windmill is the pin half-way
        }
        route.push_back(target);
        completeRoute(board, release, route, 1, rng);
        runRoute(out, release, vx, vy, route, st, rng.range(2, 3), rng);
        Pt first = out.front();
        bool offRail = first.x > rail.x && first.x - rail.x <= 9 && first.y < rail.y && rail.y - first.y <= 9;
        return offRail && pathIsValid(board, out, board.firstStage, rail, target, nullptr);
    });
    return out;
}

// ---------------------------------------------------------------- the table

namespace {

const int kPathEntries = 32, kMaxPoints = 30, kFirstStageCount = 128, kPathsPerZone = 8;

std::string at(Pt p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; }

} // namespace

std::string secondStageNote(const Board& board, int zone, const Path& points, int code)
{
    std::string note = "zone " + std::to_string(zone) + ", ";
    if (code == board.codes.lost)
        return note + "lost";
    if (code == board.codes.start)
        note += "start pocket";
    else if (code == board.codes.prize)
        note += "prize pocket";
    else
        note += "code " + std::to_string(code);
    return note + " " + at(points.back());
}

bool checkTable(const Board& board, const TableFormat& format, const Table& table, std::vector<std::string>& problems)
{
    const size_t before = problems.size();
    auto problem = [&](int p, const std::string& what) {
        problems.push_back("path " + std::to_string(p) + ": " + what);
    };
    if (int(table.size()) != format.paths)
        problems.push_back("the table has " + std::to_string(table.size()) + " paths, not " +
                           std::to_string(format.paths));
    if (board.firstStagePaths() != kFirstStageCount)
        problems.push_back("the zone digits give " + std::to_string(board.firstStagePaths()) +
                           " first-stage paths, not " + std::to_string(kFirstStageCount));
    for (char d : board.zoneDigits)
        if (d < '0' || d - '0' >= int(board.entries.size()))
            problems.push_back(std::string("zone digit '") + d + "' names no entry zone");
    if (problems.size() != before)
        return false;

    const Pt* noPocket = nullptr;
    for (int p = 0; p < int(table.size()); p++) {
        const Entry& e = table[p];
        const Path& pts = e.points;
        if (pts.empty() || int(pts.size()) > kMaxPoints) {
            problem(p, std::to_string(pts.size()) + " points, not 1.." + std::to_string(kMaxPoints));
            continue;
        }
        if (e.code < 0 || e.code > 0xFF) {
            problem(p, "outcome code " + std::to_string(e.code) + " is no byte");
            continue;
        }
        bool onBoard = true;
        for (const Pt& q : pts)
            onBoard = onBoard && (board.inside(q) || (e.role == Role::Special && q == Pt{0, 0}));
        if (!onBoard) {
            problem(p, "a point off the board");
            continue;
        }
        switch (e.role) {
        case Role::FirstStage: {
            if (p >= kFirstStageCount || e.zone != board.zoneOf(p)) {
                problem(p, "a first-stage path out of place");
                break;
            }
            if (e.code != 8 * e.zone)
                problem(p, "code " + std::to_string(e.code) + ", not 8 x zone " + std::to_string(e.zone));
            Pt first = pts.front(), rail = board.railEnd, entry = board.entries[e.zone], end = pts.back();
            if (!(first.x > rail.x && first.x - rail.x <= 9 && first.y < rail.y && rail.y - first.y <= 9))
                problem(p, "its first point is no step off the rail " + at(first));
            if (!pathIsValid(board, pts, board.firstStage, rail, end, noPocket))
                problem(p, brokenRule());
            if (iabs(entry.x - end.x) > board.secondStage.maxDx || entry.y <= end.y ||
                entry.y - end.y > board.secondStage.maxDy)
                problem(p, "ends at " + at(end) + ", not a step above zone " + std::to_string(e.zone) + "'s entry");
            break;
        }
        case Role::SecondStage: {
            int z = (p - kFirstStageCount) / kPathsPerZone;
            if (p < kFirstStageCount || z != e.zone || z >= int(board.entries.size())) {
                problem(p, "a second-stage path out of place");
                break;
            }
            Pt entry = board.entries[z], end = pts.back();
            if (pts.front() != entry)
                problem(p, "starts at " + at(pts.front()) + ", not at zone " + std::to_string(z) + "'s entry");
            const Pt* pocket = noPocket;
            if (e.code == board.codes.start) {
                if (end != board.startPocket)
                    problem(p, "a start-pocket code ending at " + at(end));
                pocket = &board.startPocket;
            } else if (e.code == board.codes.prize) {
                for (const Pt& q : board.prizePockets)
                    if (q == end)
                        pocket = &q;
                if (!pocket)
                    problem(p, "a prize-pocket code ending at " + at(end));
            } else if (e.code != board.codes.lost) {
                problem(p, "code " + std::to_string(e.code) + " is no second-stage outcome");
            }
            if (!pathIsValid(board, pts, board.secondStage, entry, end, pocket))
                problem(p, brokenRule());
            break;
        }
        case Role::Door: {
            const Mouth& m = board.mouth;
            if (!board.hasMouth) {
                problem(p, "a door run on a board without a door");
                break;
            }
            if (e.code != board.codes.prize)
                problem(p, "a door run ending in code " + std::to_string(e.code));
            for (const Pt& q : pts)
                if (q.x < m.x0 - 1 || q.x > m.x1 + 1 || q.y < m.upperRow - 1 || q.y > m.bottomRow) {
                    problem(p, "a door run leaving the door at " + at(q));
                    break;
                }
            break;
        }
        case Role::Special: {
            Pt end = pts.back();
            bool inPrizePocket = false;
            for (const Pt& q : board.prizePockets)
                inPrizePocket = inPrizePocket || q == end;
            if (e.code == board.codes.start && end != board.startPocket)
                problem(p, "a start-pocket code ending at " + at(end));
            if (e.code == board.codes.prize && !inPrizePocket)
                problem(p, "a prize-pocket code ending at " + at(end));
            break;
        }
        }
    }
    return problems.size() == before;
}

void writeTable(FILE* f, const TableFormat& format, const Table& table)
{
    const char* model = format.model.c_str();
    std::fprintf(f,
                 "// Ball paths of machine No.%d: generated by tools/pathgen; do not edit.\n"
                 "// Rewrite with: cmake --build <tree> --target %s_paths\n"
                 "#include \"%s_paths.h\"\n\n"
                 "const unsigned char %sPathTable[%d][%d][2] = {\n",
                 format.machineNumber, model, model, model, format.paths, kPathEntries);
    for (size_t p = 0; p < table.size(); p++) {
        const Entry& e = table[p];
        std::fprintf(f, "    // %d: %s\n    {", int(p), e.note.c_str());
        for (int i = 0; i < kPathEntries; i++) {
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

// ---------------------------------------------------------------- a recipe

Table drawTable(const Recipe& r)
{
    const Board& board = r.board;
    Lcg rng(r.seed);
    Table table;
    for (int p = 0; p < board.firstStagePaths(); p++) {
        int zone = board.zoneOf(p);
        Path points = r.fixedFirstStage ? r.fixedFirstStage(p) : Path();
        if (points.empty())
            points = firstStagePath(board, r.firstStage, p, rng);
        table.push_back({points, zone * 8, "first stage, into zone " + std::to_string(zone), Role::FirstStage, zone});
    }
    for (int zone = 0; zone < int(board.entries.size()); zone++) {
        for (int i = 0; i < kPathsPerZone; i++) {
            int code = board.codes.lost;
            Path points = r.secondStage(zone, i, rng, code);
            table.push_back({points, code, secondStageNote(board, zone, points, code), Role::SecondStage, zone});
        }
    }
    if (r.extraPaths)
        for (const Entry& e : r.extraPaths())
            table.push_back(e);
    if (r.afterDrawing)
        r.afterDrawing(table);
    return table;
}

int pathgenMain(int argc, char** argv, const Recipe& r)
{
    if (argc > 1 && std::string(argv[1]) == "-v") {
        verbose = true;
        argc--;
        argv++;
    }
    if (argc > 2) {
        std::fprintf(stderr, "usage: pathgen_%s [-v] [output.cpp]\n", r.format.model.c_str());
        return 2;
    }
    Table table = drawTable(r);
    std::vector<std::string> problems;
    if (!checkTable(r.board, r.format, table, problems)) {
        for (const std::string& p : problems)
            std::fprintf(stderr, "pathgen: %s\n", p.c_str());
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
    writeTable(f, r.format, table);
    if (f != stdout && std::fclose(f) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}

} // namespace pathkit
