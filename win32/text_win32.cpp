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

void fillTemplate(wchar_t* out, int capacity, const wchar_t* tmpl, const wchar_t* const* args, int count)
{
    int n = 0, used = 0;
    for (const wchar_t* p = tmpl; *p && n < capacity - 1; p++) {
        if (p[0] == L'%' && (p[1] == L's' || p[1] == L'd') && used < count) {
            for (const wchar_t* a = args[used++]; *a && n < capacity - 1; a++)
                out[n++] = *a;
            p++;
        } else {
            out[n++] = *p;
        }
    }
    out[n] = 0;
}
