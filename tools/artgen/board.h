// What every machine's board is drawn with: the field inside the rails, the
// cabinet's lacquer and rails, pins beside the ball paths, tulip pockets,
// windmill plates, the ball, and the engine's pictures cut from a board (the
// frame lamps 521, the payout lamp 522, the machine-top sign 524) with the
// places the play screen puts them (hallcore/gfx/play_screen.h). Each recipe
// gives its own geometry and colours.
#pragma once
#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "artkit.h"
#include "lamps.h"

// ---------------------------------------------------------------- where balls are drawn

// Ball centre in pixels of board point (x, y): a ball at (x, y) is drawn
// 12 x 12 at (4x - 2, 4y - 4).
inline double ballX(int x) { return 4 * x + 4; }
inline double ballY(int y) { return 4 * y + 2; }

typedef std::vector<std::pair<int, int>> PixelList;

// A path table as pathgen writes it: up to 32 points a path, 0xFF ends one.
typedef const unsigned char (*PathTable)[32][2];

// Calls visit(path, x, y) for every point (board units) of paths 0..count-1,
// in order.
void forEachPathPoint(PathTable table, int count, const std::function<void(int path, int x, int y)>& visit);
// The ball centres (pixels) of every point of paths 0..count-1.
PixelList pathBallCentres(PathTable table, int count);

// ---------------------------------------------------------------- the field and the rails

// The field: inside the guide rail's arc round (arcX, arcY) and between the
// inner rails.
struct Field {
    double arcX, arcY, radius;
    int leftRail, rightRail;

    bool inside(double x, double y) const;
};
// The field round the arc centred on board point (x, y); the inner rails at
// x 22 and 458 unless given.
Field fieldRoundArc(int arcX, int arcY, double radius, int leftRail = 22, int rightRail = 458);

// The cabinet's lacquer over the whole board: `ramp` at
//   t = base + swing * sin((x + slant * y) / period) - y / fall
// times `scale` (a negative fall lightens the board downwards).
void lacquer(Canvas& c, const Ramp& ramp, double base, double swing, int slant, double period, double fall,
             double scale = 1.0);
// The guide rail: a band `width` wide just outside the field's arc, shaded
// out through `ramp` (x 4..475).
void guideRail(Canvas& c, const Field& f, const Ramp& ramp, double width);
// A lip round the band, `from` to `from + width` outside the arc, shaded
// from the ramp's end back to its start.
void guideRailLip(Canvas& c, const Field& f, double from, double width, const Ramp& ramp);
// The chrome launch rail up the left side (x 2..19) from row `top` down.
void launchRail(Canvas& c, int top);
// The inner rails from row `top` down: two columns at `left`, two at `right`.
void innerRails(Canvas& c, int top, int left, int right, uint8_t left0, uint8_t left1, uint8_t right0,
                uint8_t right1);
// The field filled with `ramp`, lighter round (cx, cy): t = bright - fade * d,
// d the distance (rows stretched by `stretch`) over `reach`.
void fieldGlow(Canvas& c, const Field& f, const Ramp& ramp, double cx, double cy, double stretch, double reach,
               double bright, double fade);
// `count` sparkles printed on the field, one in three white.
void sparkles(Canvas& c, const Field& f, uint32_t seed, int count, uint8_t colour);

// ---------------------------------------------------------------- pins

// A pin: a brass nail head seen from the front.
void drawPin(Canvas& c, int x, int y);
void drawPins(Canvas& c, const PixelList& pins);

// A staggered grid of pins: rows from `top` every `rowStep` while above
// `bottom`, columns from `left` (half a step further on odd rows) every
// `colStep` while left of `right`; a pin stays `rimClear` inside the rail,
// and one that a drawn ball's centre comes within `touch` of (across and
// down) is left out, so no ball is ever drawn on a pin head.
struct PinGrid {
    int top, rowStep, bottom;
    int left, colStep, right;
    double rimClear;
    int touch;
};
PixelList pinGrid(const PinGrid& g, const Field& f, const PixelList& balls, const std::function<bool(int, int)>& clear);
// The gate pins either side of a pocket whose opening is at (x, y), `dy`
// rows below it.
void gatePins(PixelList& pins, int x, int y, int dy);

// ---------------------------------------------------------------- parts of the field

// A tulip pocket whose opening is at (cx, cy), in the lamp colour's glass.
void tulipPocket(Canvas& c, int cx, int cy, const LampHue& h);
// The plate under a windmill: a dark disc of radius r with a rim, an inner
// ring and its face.
void millPlate(Canvas& c, double cx, double cy, double r, uint8_t rim, uint8_t inner, uint8_t face);
// `count` studs round (cx, cy) at radius r.
void plateStuds(Canvas& c, double cx, double cy, double r, int count, uint8_t colour);
// The ball (520): a steel sphere, 12 x 12.
Canvas ballPicture();

// ---------------------------------------------------------------- the engine's pieces of the board

struct BoardPiece {
    int x, y, w, h;
};

// 521's pieces where the play screen puts them, left-hand ones then the
// mirrored right-hand ones; in the picture, each left-aligned in its
// 76-pixel half (unlit x 0, lit x 76), the left-hand ones at rows 0, 34
// and 63, the right-hand ones 136 rows lower.
extern const BoardPiece kFrameLampAt[2][3];
extern const int kFrameLampRow[3];
enum { kFrameLampLitColumn = 76, kFrameLampRightRow = 136 };
// 522 at (4, 38), 48 x 30; 524 at (386, 4), 90 x 30.
extern const BoardPiece kPayoutLampAt, kTopSignAt;

// The frame lamps' two lenses on `side` (0 left, 1 right): the top piece
// (r 12) and the tall one down the cabinet's edge (r 14).
void frameLampLenses(Canvas& c, int side, const LampHue& h, bool lit);
// The payout lamp: a lens with "OUT".
void payoutLamp(Canvas& c, const LampHue& h, bool lit);
// The machine-top sign for fever kind 0..3: a lens (lit from kind 1) with
// the kind's word.
void topSign(Canvas& c, int kind, const std::array<const LampHue*, 4>& hues, const std::array<const char*, 4>& labels);

// A piece cut unlit from one board and lit from another into a sheet.
void cutLamp(Canvas& sheet, const Canvas& unlit, const Canvas& lit, const BoardPiece& at, int unlitX, int unlitY,
             int litX, int litY);
// The piece at `at` in each of `states` states, state k cut from board(k)
// into the sheet at (x, y + k * at.h).
void cutStates(Canvas& sheet, int x, int y, const BoardPiece& at, int states, const std::function<Canvas(int)>& board);
// The same down a sheet of its own.
Canvas stateColumn(const BoardPiece& at, int states, const std::function<Canvas(int)>& board);

Canvas frameLampSheet(const Canvas& unlit, const Canvas& lit);   // 521
Canvas payoutLampSheet(const Canvas& unlit, const Canvas& lit);  // 522
Canvas topSignSheet(const std::function<Canvas(int kind)>& board); // 524

// The engine's pictures of a machine, in the order of its art.rc: 502 the
// board with every lamp unlit, 520 the ball, 521 the frame lamps and 522
// the payout lamp (lit as on `framesLit` and `payoutLit`), 523 the
// windmills (a sprite) and 524 the machine-top sign in each fever kind.
void boardPictures(ArtSet& out, const Canvas& board, const Canvas& framesLit, const Canvas& payoutLit,
                   const Canvas& windmills, const std::function<Canvas(int kind)>& sign);

// The board drawn with one of its lamps or parts in each state k, the rest
// as in `from`.
template <class Lights>
std::function<Canvas(int)> boardStates(Canvas (*draw)(const Lights&), int Lights::*part, const Lights& from = Lights())
{
    return [=](int k) {
        Lights l = from;
        l.*part = k;
        return draw(l);
    };
}

// ---------------------------------------------------------------- previews

// The board (502) of a set of pictures, or an empty view.
Canvas boardOf(const Pictures& pictures);
// The frame lamps, the machine-top sign for fever kind `signKind` and the
// payout lamp over the board.
void composeEnginePieces(Composer& v, bool framesLit, int signKind, bool payoutLit);
// Balls (520) at board points.
void composeBalls(Composer& v, const PixelList& points);
