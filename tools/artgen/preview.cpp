// Previews of the screens built from the artwork by their documented
// layouts (artgen --preview <dir>): the hall view around machine 1 with
// customers and ball boxes, and the No.3 play view with lamps lit, reels,
// windmills, balls and ornaments. For looking at the pieces together; the
// programs compose their screens themselves.
#include <cmath>
#include <map>

#include "artgen.h"
#include "hallcore/gfx/bitmap.h"
#include "machines/no3/no3_art_layout.h"

using namespace no3art;

namespace {

std::map<int, Canvas> pictures;

Canvas decode(const std::vector<uint8_t>& b)
{
    DibView v;
    if (!decodeDib(b.data(), b.size(), &v))
        return Canvas();
    Canvas c(v.width, v.height);
    for (int y = 0; y < v.height; y++)
        for (int x = 0; x < v.width; x++)
            c.set(x, y, dibPixel(v, x, y));
    return c;
}

void copy(Canvas& t, int x, int y, int w, int h, int id, int sx, int sy) { t.blit(pictures[id], sx, sy, w, h, x, y); }
void sprite(Canvas& t, int x, int y, int w, int h, int id, int sx, int sy) { t.blit(pictures[id], sx, sy, w, h, x, y, true); }

Canvas hallView()
{
    Canvas c(480, 432);
    const int occupant[4] = {0, 1, 1, 0};
    const int boxes[4] = {0, 5, 2, 0};
    for (int col = 0; col < 3; col++) {
        int b = col; // machines 0, 1, 2 with the cursor on 1
        int x = 192 * col - 74;
        for (int k = 0; k < 6; k++) {
            for (int y = 32; y < 416; y += 32)
                copy(c, x + 32 * k, y, 32, 32, 512, 0, 32);
            copy(c, x + 32 * k, 416, 32, 16, 512, 0, 64);
        }
        if (b == 0)
            copy(c, x + 52 - 170, 0, 170, 432, 511, 0, 0);
        else
            copy(c, x, 0, 52, 272, 514, 0, 0);
        copy(c, x + 52, 0, 140, 272, 513, 0, 0);
        copy(c, x + 85, 8, 74, 20, 515, 0, 20 * (b == 2 ? 2 : 1));
        if (occupant[b])
            sprite(c, x + 52 + 70 - 44, 416 - 328, 88, 328, 517, 0, 0);
        else
            sprite(c, x + 52 + 70 - 42, 416 - 195, 84, 195, 516, 0, 0);
        for (int k = 0; k < boxes[b]; k++) {
            int d = k < 4 ? 10 : k < 8 ? -30 : 90;
            int a = k % 4;
            sprite(c, x + 52 + d, 416 + a - 28 * (a + 1), 40, 28, 518, 0, 0);
        }
        copy(c, x + 52, 32, 140, 64, 519, 0, 64 * (occupant[b] ? 2 : 0));
    }
    return c;
}

Canvas playView()
{
    Canvas c = pictures[502];
    // every lamp lit
    for (int k = 0; k < 3; k++) {
        const Piece& p = kFrameLampLeft[k];
        const Piece left[3] = {{94, 0, 76, 34}, {54, 37, 37, 29}, {0, 68, 49, 73}};
        const Piece right[3] = {{310, 0, 76, 34}, {389, 37, 37, 29}, {430, 68, 49, 73}};
        copy(c, left[k].x, left[k].y, p.w, p.h, 521, kFrameLampLitX, p.y);
        copy(c, right[k].x, right[k].y, p.w, p.h, 521, kFrameLampLitX, kFrameLampRightY + p.y);
    }
    copy(c, 386, 4, 90, 30, 524, 0, 60);
    copy(c, 4, 38, 48, 30, 522, 0, 30);
    copy(c, 194, 157, 48, 16, 601, kHeldLamps.x, kHeldLampsLitY); // two held starts
    copy(c, 198, 264, 84, 12, 601, kLampStrip.x, kLampStrip.y + 12);
    const LampPair* pairs[] = {&kSideLamps, &kCornerLamps, &kTopLamp, &kPocketLamps, &kReelSideLamps, &kBottomLamp};
    const int at[][3] = {{9, 184, 443}, {89, 381, 319}, {204, 104, 0}, {56, 308, 384}, {169, 181, 298}, {219, 412, 0}};
    for (int i = 0; i < 6; i++) {
        const Piece& u = pairs[i]->unlit;
        copy(c, at[i][0], at[i][1], u.w, u.h, 601, u.x + pairs[i]->litDx, u.y);
        if (pairs[i]->rightDx)
            copy(c, at[i][2], at[i][1], u.w, u.h, 601, u.x + pairs[i]->rightDx + pairs[i]->litDx, u.y);
    }
    copy(c, 186, 372, 108, 36, 601, kDoorOpen.x, kDoorOpen.y);
    copy(c, 186, 374, 108, 10, 601, kVStrip.x, kVStrip.y + 10 * 4);
    copy(c, 232, 410, 16, 22, 610, 0, 22 * 3);
    // reels: a reach on the top row
    const int pos[9] = {0, 0, 60, 24, 12, 36, 48, 30, 66};
    for (int k = 0; k < 9; k++) {
        int strip = k == 4 ? 2 : (k == 2 || k == 6) ? 1 : 0;
        copy(c, 198 + 29 * (k % 3), 177 + 27 * (k / 3), 26, 24, 601, kReelStrip[strip].x, pos[k]);
    }
    // windmills, balls, ornaments
    const int mills[6][2] = {{122, 112}, {322, 112}, {38, 208}, {406, 208}, {130, 228}, {314, 228}};
    for (int k = 0; k < 6; k++)
        sprite(c, mills[k][0], mills[k][1], 36, 36, 523, k < 2 ? 36 : 0, 36 * (k % 3) + (k >= 2 ? 108 : 0));
    const int balls[][2] = {{16, 20}, {30, 30}, {59, 72}, {90, 60}, {40, 80}};
    for (auto& b : balls)
        sprite(c, 4 * b[0] - 2, 4 * b[1] - 4, 12, 12, 520, 0, 0);
    sprite(c, 82, 168, 44, 66, 602, kTopOrnament[1].x, 0);
    sprite(c, 354, 168, 44, 66, 602, kTopOrnament[3].x, 0);
    sprite(c, 169, 404, 142, 28, 602, kBottomOrnament.x, kBottomOrnament.y);
    return c;
}

} // namespace

bool writePreviews(const ArtSet& art, const std::string& dir)
{
    for (const OutputFile& f : art.files)
        if (f.name.size() > 4 && f.name.substr(f.name.size() - 4) == ".bmp")
            pictures[std::atoi(f.name.c_str())] = decode(f.bytes);
    ArtSet out;
    out.picture(1, hallView(), false);
    out.picture(2, playView(), false);
    out.files[0].name = "preview_hall.bmp";
    out.files[1].name = "preview_play.bmp";
    for (const OutputFile& f : out.files) {
        FILE* o = std::fopen((dir + "/" + f.name).c_str(), "wb");
        if (!o)
            return false;
        std::fwrite(f.bytes.data(), 1, f.bytes.size(), o);
        std::fclose(o);
    }
    return true;
}
