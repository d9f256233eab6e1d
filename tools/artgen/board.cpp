// The shared parts of the machines' boards (board.h).
#include "board.h"

#include <cmath>
#include <cstdlib>

// ---------------------------------------------------------------- where balls are drawn

void forEachPathPoint(PathTable table, int count, const std::function<void(int path, int x, int y)>& visit)
{
    for (int p = 0; p < count; p++)
        for (int i = 0; i < 32; i++) {
            const unsigned char* e = table[p][i];
            if (e[0] == 0xFF)
                break;
            visit(p, e[0], e[1]);
        }
}

PixelList pathBallCentres(PathTable table, int count)
{
    PixelList points;
    forEachPathPoint(table, count, [&](int, int x, int y) { points.push_back({(int)ballX(x), (int)ballY(y)}); });
    return points;
}

// ---------------------------------------------------------------- the field and the rails

bool Field::inside(double x, double y) const
{
    return std::hypot(x - arcX, y - arcY) < radius && x > leftRail && x < rightRail;
}

Field fieldRoundArc(int arcX, int arcY, double radius, int leftRail, int rightRail)
{
    return {ballX(arcX), ballY(arcY), radius, leftRail, rightRail};
}

void lacquer(Canvas& c, const Ramp& ramp, double base, double swing, int slant, double period, double fall,
             double scale)
{
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            double t = base + swing * std::sin((x + slant * y) / period) - y / fall;
            c.rampPixel(x, y, ramp, t * scale);
        }
}

void guideRail(Canvas& c, const Field& f, const Ramp& ramp, double width)
{
    for (int y = 0; y < c.h; y++)
        for (int x = 4; x < 476 && x < c.w; x++) {
            double d = std::hypot(x + 0.5 - f.arcX, y + 0.5 - f.arcY);
            if (d >= f.radius && d < f.radius + width)
                c.rampPixel(x, y, ramp, (d - f.radius) / width);
        }
}

void guideRailLip(Canvas& c, const Field& f, double from, double width, const Ramp& ramp)
{
    for (int y = 0; y < c.h; y++)
        for (int x = 4; x < 476 && x < c.w; x++) {
            double d = std::hypot(x + 0.5 - f.arcX, y + 0.5 - f.arcY);
            if (d >= f.radius + from && d < f.radius + from + width)
                c.rampPixel(x, y, ramp, 1.0 - (d - f.radius - from) / width);
        }
}

void launchRail(Canvas& c, int top)
{
    for (int y = top; y < c.h; y++)
        for (int x = 2; x < 20; x++)
            c.rampPixel(x, y, {col::black, col::grey, col::silver, col::white, col::silver, col::grey, col::black},
                        (x - 2) / 17.0);
}

void innerRails(Canvas& c, int top, int left, int right, uint8_t left0, uint8_t left1, uint8_t right0,
                uint8_t right1)
{
    for (int y = top; y < c.h; y++) {
        c.set(left, y, left0);
        c.set(left + 1, y, left1);
        c.set(right, y, right0);
        c.set(right + 1, y, right1);
    }
}

void fieldGlow(Canvas& c, const Field& f, const Ramp& ramp, double cx, double cy, double stretch, double reach,
               double bright, double fade)
{
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            if (!f.inside(x + 0.5, y + 0.5))
                continue;
            double d = std::hypot(x - cx, (y - cy) * stretch) / reach;
            c.rampPixel(x, y, ramp, bright - fade * d);
        }
}

void sparkles(Canvas& c, const Field& f, uint32_t seed, int count, uint8_t colour)
{
    Noise n(seed);
    for (int k = 0; k < count; k++) {
        int x = 30 + n.next(420), y = 30 + n.next(380);
        if (f.inside(x, y))
            c.set(x, y, n.next(3) ? colour : col::white);
    }
}

// ---------------------------------------------------------------- pins

void drawPin(Canvas& c, int x, int y)
{
    c.set(x, y + 1, col::black);
    c.set(x + 1, y + 1, col::black);
    c.set(x - 1, y, col::olive);
    c.set(x, y, col::yellow);
    c.set(x + 1, y, col::gold);
    c.set(x, y - 1, col::white);
}

void drawPins(Canvas& c, const PixelList& pins)
{
    for (auto& p : pins)
        drawPin(c, p.first, p.second);
}

PixelList pinGrid(const PinGrid& g, const Field& f, const PixelList& balls, const std::function<bool(int, int)>& clear)
{
    PixelList pins;
    for (int row = 0; g.top + g.rowStep * row < g.bottom; row++) {
        int y = g.top + g.rowStep * row;
        for (int x = g.left + (row % 2) * (g.colStep / 2); x < g.right; x += g.colStep) {
            if (std::hypot(x - f.arcX, y - f.arcY) > f.radius - g.rimClear || !clear(x, y))
                continue;
            bool touched = false;
            for (auto& q : balls)
                if (std::abs(q.first - x) < g.touch && std::abs(q.second - y) < g.touch)
                    touched = true;
            if (!touched)
                pins.push_back({x, y});
        }
    }
    return pins;
}

void gatePins(PixelList& pins, int x, int y, int dy)
{
    pins.push_back({x - 14, y + dy});
    pins.push_back({x + 14, y + dy});
}

// ---------------------------------------------------------------- parts of the field

void tulipPocket(Canvas& c, int cx, int cy, const LampHue& h)
{
    c.fill(cx - 8, cy + 2, 17, 8, col::black);
    roundRectGrad(c, cx - 9, cy + 2, 19, 10, 3, {h.off[1], h.on[0], h.on[1]});
    c.hline(cx - 7, cx + 7, cy + 3, col::white);
    c.fill(cx - 6, cy - 1, 13, 4, col::black); // the mouth
    // the wings
    c.polygon({cx - 9.0, cy + 2.0, cx - 15.0, cy - 6.0, cx - 11.0, cy - 6.0, cx - 6.0, cy + 1.0}, h.on[1]);
    c.polygon({cx + 10.0, cy + 2.0, cx + 16.0, cy - 6.0, cx + 12.0, cy - 6.0, cx + 7.0, cy + 1.0}, h.on[1]);
    c.line(cx - 15, cy - 6, cx - 9, cy + 2, col::white);
    c.line(cx + 10, cy + 2, cx + 16, cy - 6, col::black);
}

void millPlate(Canvas& c, double cx, double cy, double r, uint8_t rim, uint8_t inner, uint8_t face)
{
    c.disc(cx, cy, r, col::black);
    c.ring(cx, cy, r, 2, rim);
    c.ring(cx, cy, r - 2, 1, inner);
    c.disc(cx, cy, r - 5, face);
}

void plateStuds(Canvas& c, double cx, double cy, double r, int count, uint8_t colour)
{
    for (int k = 0; k < count; k++) {
        double a = k * M_PI / (count / 2);
        c.set((int)(cx + r * std::cos(a)), (int)(cy + r * std::sin(a)), colour);
    }
}

Canvas ballPicture()
{
    Canvas c(12, 12, col::key);
    c.sphere(6, 6, 5.6, {col::black, col::grey, col::silver, col::ice, col::white});
    return c;
}

// ---------------------------------------------------------------- the engine's pieces of the board

const BoardPiece kFrameLampAt[2][3] = {
    {{94, 0, 76, 34}, {54, 37, 37, 29}, {0, 68, 49, 73}},
    {{310, 0, 76, 34}, {389, 37, 37, 29}, {430, 68, 49, 73}},
};
const int kFrameLampRow[3] = {0, 34, 63};
const BoardPiece kPayoutLampAt = {4, 38, 48, 30}, kTopSignAt = {386, 4, 90, 30};

void frameLampLenses(Canvas& c, int side, const LampHue& h, bool lit)
{
    lens(c, side ? 310 : 94, 0, 76, 34, h, lit, 12);
    lens(c, side ? 430 : 0, 68, 49, 73, h, lit, 14);
}

void payoutLamp(Canvas& c, const LampHue& h, bool lit)
{
    int x = kPayoutLampAt.x, y = kPayoutLampAt.y;
    roundRect(c, x, y, 48, 30, 8, col::black);
    lens(c, x + 1, y + 1, 46, 28, h, lit, 8);
    drawTextOutlined(c, x + 24 - textWidth("OUT") / 2, y + 11, "OUT", lit ? col::white : col::grey, col::black);
}

void topSign(Canvas& c, int kind, const std::array<const LampHue*, 4>& hues, const std::array<const char*, 4>& labels)
{
    int x = kTopSignAt.x, y = kTopSignAt.y;
    roundRect(c, x, y, 90, 30, 6, col::black);
    lens(c, x + 1, y + 1, 88, 28, *hues[kind], kind != 0, 6);
    const char* label = labels[kind];
    drawTextOutlined(c, x + 45 - textWidth(label) / 2, y + 11, label, kind ? col::white : col::grey, col::black);
}

void cutLamp(Canvas& sheet, const Canvas& unlit, const Canvas& lit, const BoardPiece& at, int unlitX, int unlitY,
             int litX, int litY)
{
    sheet.blit(unlit, at.x, at.y, at.w, at.h, unlitX, unlitY);
    sheet.blit(lit, at.x, at.y, at.w, at.h, litX, litY);
}

void cutStates(Canvas& sheet, int x, int y, const BoardPiece& at, int states, const std::function<Canvas(int)>& board)
{
    for (int k = 0; k < states; k++)
        sheet.blit(board(k), at.x, at.y, at.w, at.h, x, y + at.h * k);
}

Canvas stateColumn(const BoardPiece& at, int states, const std::function<Canvas(int)>& board)
{
    Canvas s(at.w, states * at.h);
    cutStates(s, 0, 0, at, states, board);
    return s;
}

Canvas frameLampSheet(const Canvas& unlit, const Canvas& lit)
{
    Canvas s(152, 272, col::black);
    for (int side = 0; side < 2; side++)
        for (int k = 0; k < 3; k++) {
            int y = kFrameLampRow[k] + side * kFrameLampRightRow;
            cutLamp(s, unlit, lit, kFrameLampAt[side][k], 0, y, kFrameLampLitColumn, y);
        }
    return s;
}

Canvas payoutLampSheet(const Canvas& unlit, const Canvas& lit)
{
    Canvas s(48, 60);
    cutLamp(s, unlit, lit, kPayoutLampAt, 0, 0, 0, 30);
    return s;
}

Canvas topSignSheet(const std::function<Canvas(int kind)>& board) { return stateColumn(kTopSignAt, 4, board); }

void boardPictures(ArtSet& out, const Canvas& board, const Canvas& framesLit, const Canvas& payoutLit,
                   const Canvas& windmills, const std::function<Canvas(int kind)>& sign)
{
    out.picture(502, board, false);
    out.picture(520, ballPicture(), true);
    out.picture(521, frameLampSheet(board, framesLit), false);
    out.picture(522, payoutLampSheet(board, payoutLit), false);
    out.picture(523, windmills, true);
    out.picture(524, topSignSheet(sign), false);
}

// ---------------------------------------------------------------- previews

Canvas boardOf(const Pictures& pictures) { return pictures.count(502) ? pictures.at(502) : Canvas(480, 432); }

void composeEnginePieces(Composer& v, bool framesLit, int signKind, bool payoutLit)
{
    for (int side = 0; side < 2; side++)
        for (int k = 0; k < 3; k++) {
            const BoardPiece& at = kFrameLampAt[side][k];
            v.copy(at.x, at.y, at.w, at.h, 521, framesLit ? kFrameLampLitColumn : 0,
                   kFrameLampRow[k] + side * kFrameLampRightRow);
        }
    v.copy(kTopSignAt.x, kTopSignAt.y, kTopSignAt.w, kTopSignAt.h, 524, 0, kTopSignAt.h * signKind);
    v.copy(kPayoutLampAt.x, kPayoutLampAt.y, kPayoutLampAt.w, kPayoutLampAt.h, 522, 0, payoutLit ? kPayoutLampAt.h : 0);
}

void composeBalls(Composer& v, const PixelList& points)
{
    for (auto& b : points)
        v.sprite(4 * b.first - 2, 4 * b.second - 4, 12, 12, 520, 0, 0);
}
