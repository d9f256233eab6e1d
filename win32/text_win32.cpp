#include "win32/win32_app.h"

static wchar_t textBuffers[2][128];

const wchar_t* loadText(int buffer, int id)
{
    wchar_t* text = textBuffers[buffer & 1];
    if (LoadStringW(appInstance, id, text, 128) <= 0)
        text[0] = 0;
    return text;
}

int messageBox(HWND owner, int textId, UINT flags)
{
    return MessageBoxW(owner, loadText(1, textId), loadText(0, 1), flags);
}
