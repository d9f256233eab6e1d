// DIB sections for the core's bitmaps, resource lookup, and the one blit
// that shows a composed surface.
#include "win32/gfx_win32.h"

#include <cstring>

#include "hallcore/gfx/artwork.h"

static HDC scratchDc; // every source bitmap is selected here for one copy

static bool createDibSection(int width, int height, const uint8_t colourTable[1024], Picture* out)
{
    // Header and table in one zero-filled block, freed once the section exists.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info;
    memset(&info, 0, sizeof info);
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = height; // bottom-up
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biCompression = BI_RGB;
    info.header.biSizeImage = (DWORD)height * rowBytes(width);
    info.header.biClrUsed = 256;
    memcpy(info.colours, colourTable, sizeof info.colours);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, (BITMAPINFO*)&info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) {
        if (bitmap)
            DeleteObject(bitmap);
        return false;
    }
    int stride = rowBytes(width);
    out->handle = bitmap;
    out->bits = (uint8_t*)bits + (size_t)(height - 1) * stride; // the top row
    out->pitch = -stride;
    return true;
}

static void deleteDibSection(Picture* p)
{
    GdiFlush();
    DeleteObject((HBITMAP)p->handle);
}

static const BitmapBackend kDibBackend = {createDibSection, deleteDibSection};

static const uint8_t* programResource(const char* type, int id, uint32_t* size)
{
    HRSRC found = FindResourceA(appInstance, MAKEINTRESOURCEA(id), type);
    if (!found)
        return nullptr;
    HGLOBAL loaded = LoadResource(appInstance, found);
    if (!loaded)
        return nullptr;
    *size = SizeofResource(appInstance, found);
    return (const uint8_t*)LockResource(loaded);
}

bool createArtworkWin32()
{
    setBitmapBackend(&kDibBackend);
    setResourceLookup(programResource);
    if (!scratchDc)
        scratchDc = CreateCompatibleDC(nullptr);
    if (!scratchDc || !createArtwork())
        return false;
    return createProgramPalette();
}

void releaseArtworkWin32()
{
    releaseArtwork();
    if (scratchDc) {
        DeleteDC(scratchDc);
        scratchDc = nullptr;
    }
    releaseProgramPalette();
}

void presentPicture(HDC target, int x, int y, int width, int height, const Picture& source, int sx, int sy)
{
    if (!scratchDc || !source.handle)
        return;
    HPALETTE old = selectProgramPalette(target);
    HGDIOBJ previous = SelectObject(scratchDc, (HBITMAP)source.handle);
    BitBlt(target, x, y, width, height, scratchDc, sx, sy, SRCCOPY);
    SelectObject(scratchDc, previous);
    if (old)
        SelectPalette(target, old, FALSE);
}
