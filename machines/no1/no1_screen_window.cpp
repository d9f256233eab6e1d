// Machine No.1's play screen: the display window in every mode (the reels
// with their marks and covers, the attract sequence, the fever's pictures
// and round scenes) and the moving parts drawn over the composed board on
// each frame.
#include <initializer_list>

#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/play_screen.h"
#include "no1_art_layout.h"
#include "no1_screen.h"
#include "no1_screen_cut.h"

using namespace no1art;

namespace no1screen {

namespace {

enum {
    kLeftX = kWindowX,
    kMiddleX = kWindowX + kReelColumnW,
    kRightX = kWindowX + 2 * kReelColumnW,
    kTopY = kWindowY,
    kMiddleY = kWindowY + 24,
    kBottomY = kWindowY + 48,
    // the attract sequence's work buffer: the reels at the window's own
    // place, the picture right below them
    kPictureRow = kWindowY + kWindowH, // 260
    kRollSteps = 40,
    kRollBackFrom = 440,
    kCharacterRow = kPictureRow + 24, // 284
    kMessageRow = 22,                 // the closing words, centred in the picture
    kRoundNumberX = 188,
    kRoundNumberY = 182,
};

int floorDiv(long long v, int d)
{
    long long q = v / d;
    return (int)(q * d > v ? q - 1 : q);
}

int attractStep(int modeTick) { return clampInt(modeTick, 0, kAttractSteps - 1); }

bool feverRound(int round) { return round >= 1 && round <= 16; }

void drawCell(Picture& target, int x, int y, Place cell)
{
    cut(target, x, y, kCellW, kCellH, 607, cell.x, cell.y);
}

void drawCharacter(Picture& target, const CharacterAt& c)
{
    if (c.shown)
        cutSprite(target, c.x, c.y, kCharW, kCharH, 609, 0, c.frame);
}

void drawRoundNumber(Picture& target, int round)
{
    cut(target, kRoundNumberX, kRoundNumberY, kRoundNumberW, kRoundNumberH, 611, 0, roundNumberRow(round));
}

// The three reels at the window's place of `target`, with the marks and
// covers of the line the state shows.
void drawReels(const MachineState& m, const AnimClock& clock, Picture& target)
{
    int column = secondColourReels(m, clock) ? kSecondColourX : 0;
    for (int r = 0; r < 3; r++)
        cut(target, kWindowX + kReelColumnW * r, kWindowY, kReelColumnW, kWindowH, 610,
            column + kReelColumnW * r, reelSourceRow(m.reelPos[r]));
    if (coversShown(m)) {
        Rect covers[4];
        int n = lineCovers(m.reachLine, covers);
        for (int i = 0; i < n; i++)
            cutSprite(target, covers[i].x, covers[i].y, covers[i].w, covers[i].h, 608, kCover.x, kCover.y);
    }
    if (marksShown(m, clock)) {
        Place marks[6];
        int n = lineMarks(m.reachLine, marks);
        for (int i = 0; i < n; i++)
            cutSprite(target, marks[i].x, marks[i].y, kLineMark.w, kLineMark.h, 608, kLineMark.x, kLineMark.y);
    }
}

// Mode 0: the reels and the attract picture below them in the work
// buffer, seen through the window as they roll up, stand and roll back.
void drawAttract(const MachineState& m, const AnimClock& clock, Picture& view)
{
    Picture& work = wideSurface;
    int t = attractStep(m.modeTick);
    drawReels(m, clock, work);
    drawCell(work, kWindowX, kPictureRow, {kAttractPicture.x, kAttractPicture.y});
    drawCharacter(work, attractCharacter(t, clock));
    cutSprite(work, kWindowX, kPictureRow, kAttractFront.w, kAttractFront.h, 608, kAttractFront.x, kAttractFront.y);
    switch (attractWords(t)) {
    case kAttractNoWords: break;
    case kAttractTitle: {
        int rise = titleRise(t);
        cutSprite(work, kWindowX, kPictureRow + rise, kTitleOverlay.w, kTitleOverlay.h - rise, 608, kTitleOverlay.x,
                  kTitleOverlay.y);
        break;
    }
    case kAttractMessages: {
        const Piece& words = kMessageOverlay[clock.blink256 ? 1 : 0];
        cutSprite(work, kWindowX, kPictureRow + kMessageRow, words.w, words.h, 608, words.x, words.y);
        break;
    }
    }
    copyPicture(view, kWindowX, kWindowY, kWindowW, kWindowH, work, kWindowX, attractWindowRow(t));
}

void drawSkyRound(const MachineState& m, const AnimClock& clock, Picture& view)
{
    cut(view, kWindowX, kWindowY, kCellW, kCellH, 607, panoramaX(m.modeTick), kPanoramaY);
    drawCharacter(view, standingCharacter(m, clock));
    cutSprite(view, kWindowX, kWindowY, kCellW, kCellH, 608, starBandX(m.modeTick), kStarBandY);
    drawRoundNumber(view, m.round);
}

void drawWalkRound(const MachineState& m, const AnimClock& clock, Picture& view)
{
    drawCell(view, kWindowX, kWindowY, walkBackdrop(m.round));
    drawCharacter(view, walkingCharacter(m, clock));
    drawRoundNumber(view, m.round);
}

} // namespace

WindowContent windowContent(const MachineState& m)
{
    if (m.mode == 0)
        return kShowAttract;
    if (m.mode != 3)
        return kShowReels;
    if (m.round == 0)
        return kShowFanfare;
    if (m.round == 17)
        return kShowEnding;
    if (!feverRound(m.round) || m.modeTick < kDoorOpensAt)
        return kShowReels;
    if (m.vHit >= 1 && m.vHit <= 63)
        return kShowV;
    return ((m.round - 1) / 2) % 2 == 0 ? kShowSkyRound : kShowWalkRound;
}

int reelSourceRow(int reelPos)
{
    return wrap((long long)reelPos - 4, kStripTurn);
}

bool secondColourReels(const MachineState& m, const AnimClock& clock)
{
    return m.spinPhase == 2 && clock.blink128 != 0 && middleTravelling(m);
}

bool marksShown(const MachineState& m, const AnimClock& clock)
{
    if (clock.blink128 != 0)
        return false;
    return (m.spinPhase != 0 && middleTravelling(m)) || m.mode == 3;
}

int lineMarks(int line, Place out[6])
{
    const Place down[3] = {{kLeftX, kTopY}, {kMiddleX, kMiddleY}, {kRightX, kBottomY}};
    const Place up[3] = {{kLeftX, kBottomY}, {kMiddleX, kMiddleY}, {kRightX, kTopY}};
    int n = 0;
    auto row = [&](int y) {
        for (int x : {kLeftX, kMiddleX, kRightX})
            out[n++] = {x, y};
    };
    switch (line) {
    case 1:
        for (const Place& p : down)
            out[n++] = p;
        break;
    case 2: row(kTopY); break;
    case 3: row(kMiddleY); break;
    case 4: row(kBottomY); break;
    case 5:
        for (const Place& p : up)
            out[n++] = p;
        break;
    case 6: // both diagonals share the centre cell
        for (const Place& p : down)
            out[n++] = p;
        out[n++] = up[0];
        out[n++] = up[2];
        break;
    default: break;
    }
    return n;
}

bool coversShown(const MachineState& m)
{
    return m.spinPhase == 3 && middleTravelling(m);
}

int lineCovers(int line, Rect out[4])
{
    const int w = kCover.w, h = kCover.h;
    int n = 0;
    auto pair = [&](int x, int y0, int y1) {
        out[n++] = {x, y0, w, h};
        out[n++] = {x, y1, w, h};
    };
    switch (line) {
    case 1: pair(kLeftX, 212, 236); pair(kRightX, 180, 204); break;
    case 2: pair(kLeftX, 212, 236); pair(kRightX, 212, 236); break;
    case 3: pair(kLeftX, 180, 236); pair(kRightX, 180, 236); break;
    case 4: pair(kLeftX, 180, 204); pair(kRightX, 180, 204); break;
    case 5: pair(kLeftX, 180, 204); pair(kRightX, 212, 236); break;
    case 6: // both diagonals: only the middle row is off them
        out[n++] = {kLeftX, 212, w, kThinCoverH};
        out[n++] = {kRightX, 212, w, kThinCoverH};
        break;
    default: break;
    }
    return n;
}

int attractWindowRow(int t)
{
    t = attractStep(t);
    if (t < kRollSteps)
        return kWindowY + 2 * t;
    if (t < kRollBackFrom)
        return kPictureRow;
    return 1140 - 2 * t;
}

CharacterAt attractCharacter(int t, const AnimClock& clock)
{
    CharacterAt c = {false, 0, kCharacterRow, 0};
    t = attractStep(t);
    if (t < kRollSteps)
        return c;
    int a = (t - kRollSteps) / 2, run;
    if (a <= 23)
        run = 200 - 8 * a, c.frame = kPoseRunLeft;
    else if (a <= 47)
        run = 8 * a - 192, c.frame = kPoseRunRight;
    else if (a <= 71)
        run = 584 - 8 * a, c.frame = kPoseRunLeft;
    else if (a <= 95)
        run = 8 * a - 576, c.frame = kPoseRunRight;
    else
        return c;
    c.shown = true;
    c.x = 116 + run;
    if (clock.blink64)
        c.frame += kCharH;
    return c;
}

AttractWords attractWords(int t)
{
    t = attractStep(t);
    if (t < 240)
        return kAttractNoWords;
    return t < 340 ? kAttractTitle : kAttractMessages;
}

int titleRise(int t)
{
    return clampInt(80 - 2 * ((long long)attractStep(t) - 240), 0, 80);
}

int panoramaX(int t)
{
    return wrap(960 - (long long)t, kPanoramaPeriod);
}

int starBandX(int t)
{
    return 2 * wrap(960 - (long long)t, kPanoramaPeriod / 2);
}

int standingPose(int round)
{
    return round == 13 || round == 14 || round == 16 ? kPoseCheer : kPoseStand;
}

CharacterAt standingCharacter(const MachineState& m, const AnimClock& clock)
{
    return {true, 242, 204, standingPose(m.round) + (clock.blink256 ? kCharH : 0)};
}

CharacterAt walkingCharacter(const MachineState& m, const AnimClock& clock)
{
    int e = wrap(floorDiv(m.modeTick, 8), 32), offset, frame;
    if (e <= 7)
        offset = 56, frame = standingPose(m.round);
    else if (e <= 15)
        offset = 104 - 6 * e, frame = kPoseWalkLeft;
    else if (e <= 23)
        offset = 8, frame = standingPose(m.round);
    else
        offset = 6 * e - 136, frame = kPoseWalkRight;
    return {true, kWindowX + offset, 204, frame + (clock.blink256 ? kCharH : 0)};
}

Place walkBackdrop(int round)
{
    const CellAt& c = round <= 4    ? kBackdropRounds1to4
                      : round <= 8  ? kBackdropRounds5to8
                      : round <= 12 ? kBackdropRounds9to12
                      : round == 15 ? kBackdropRound15
                                    : kBackdropFinal;
    return {c.x, c.y};
}

int roundNumberRow(int round)
{
    return kRoundNumberH * (clampInt(round, 1, 16) - 1);
}

Place fanfarePicture(int modeTick)
{
    const CellAt& c = kFanfarePicture[modeTick & 1];
    return {c.x, c.y};
}

Place endingPicture(const AnimClock& clock)
{
    const CellAt& c = kEndingPicture[clock.blink256 ? 1 : 0];
    return {c.x, c.y};
}

Place vPicture(int vHit)
{
    const CellAt& c = kVPicture[vHit & 1 ? 0 : 1];
    return {c.x, c.y};
}

void composeMovingParts(MachineState& m, const AnimClock& clock, Picture& view, bool counting)
{
    switch (windowContent(m)) {
    case kShowReels: drawReels(m, clock, view); break;
    case kShowAttract: drawAttract(m, clock, view); break;
    case kShowFanfare:
        drawCell(view, kWindowX, kWindowY, fanfarePicture(m.modeTick));
        cutSprite(view, kWindowX, kWindowY, kFanfareFront.w, kFanfareFront.h, 608, kFanfareFront.x, kFanfareFront.y);
        break;
    case kShowEnding: drawCell(view, kWindowX, kWindowY, endingPicture(clock)); break;
    case kShowV:
        drawCell(view, kWindowX, kWindowY, vPicture(m.vHit));
        if (counting)
            m.vHit += 1;
        break;
    case kShowSkyRound: drawSkyRound(m, clock, view); break;
    case kShowWalkRound: drawWalkRound(m, clock, view); break;
    }

    drawBalls(view, m);

    static const Place kMills[4] = {{130, 108}, {314, 108}, {130, 236}, {314, 236}};
    for (int k = 0; k < 4; k++)
        drawWindmill(view, kMills[k].x, kMills[k].y, 0, k < 2 ? kWindmillUpperRow : kWindmillLowerRow, m.spinner[k]);
}

} // namespace no1screen
