// testdriver: drives a Win32 GUI program from the outside (usually under Wine)
// and prints what it sees as plain `key=value` lines on stdout.
//
//   testdriver start Qm4103.exe wait-window Qm4101Main info close expect-exit 0
//
// Arguments form a sequence of steps run left to right. Two process slots
// exist (1 and 2) so a test can run a second copy beside the first; `start`
// uses the selected slot, `start2` selects slot 2 first, `select N` switches.
// Every wait polls with Sleep(50) and is bounded (default 20 s, `timeout <ms>`).
// `post`, `close` and `command` go to the main window found by `wait-window`,
// `press` to the message box found by `wait-msgbox`, and `shot` (the window's
// own pixels) and `screen-shot` (the screen over it) capture whichever of the
// two was found last.
//
// Dialogs: `wait-dialog TITLE` finds a dialog of the program by its caption
// and makes it the current one (dialogs opened from it stack on top; a
// `dialog-gone` waits for the current one to close and returns to the one
// below). The control steps (`click`, `set-text`, `text`, `rows`,
// `select-row`, `dblclick-row`, `enabled`, `checked`, `focus`, `default`) act
// on controls of the current dialog by their ids, as a user would: a click
// on a disabled control fails instead of acting.
//
// Exit codes: 0 all steps passed, 1 an expectation failed, 2 a wait timed out,
// 3 bad usage. Whatever the outcome, programs this driver started and left
// running are terminated before it exits, so one broken case cannot leave a
// stray copy that makes the next case look like a second instance.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr int kFail = 1, kTimeout = 2, kUsage = 3;
constexpr int kMsgBoxTextId = 0xFFFF;  // static text control of a message box
constexpr int kMsgBoxIconId = 0x0440;  // stc1: the icon control of a message box

struct Slot {
  HANDLE process = nullptr;
  DWORD pid = 0;
  HWND window = nullptr;  // main window found by wait-window
  HWND box = nullptr;     // message box found by wait-msgbox
  HWND last = nullptr;    // whichever of the two was found last (for `shot`)
  std::vector<HWND> dialogs;  // dialogs found by wait-dialog, innermost last
  std::vector<DWORD> dialog_found_at;  // GetTickCount() when each was found
};

Slot g_slots[2];
int g_sel = 0;
DWORD g_timeout_ms = 20000;

std::string utf8(const std::wstring& w) {
  if (w.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), (int)w.size(), nullptr, 0, nullptr, nullptr);
  std::string s(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), (int)w.size(), &s[0], n, nullptr, nullptr);
  return s;
}

// Each line is flushed at once so that a timeout killing us still leaves the
// facts gathered so far in the log.
void out(const std::string& key, const std::string& value) {
  std::printf("%s=%s\n", key.c_str(), value.c_str());
  std::fflush(stdout);
}

[[noreturn]] void finish(int code);

[[noreturn]] void fail(int code, const std::string& why) {
  std::printf("%s: %s\n", code == kTimeout ? "TIMEOUT" : "FAIL", why.c_str());
  std::fflush(stdout);
  finish(code);
}

Slot& cur() { return g_slots[g_sel]; }

Slot& need_process() {
  if (!cur().process) fail(kUsage, "no process started in slot " + std::to_string(g_sel + 1));
  return cur();
}

HWND need(HWND h, const char* what) {
  if (!h || !IsWindow(h)) fail(kFail, std::string("no ") + what + " (not found yet, or gone)");
  return h;
}

// Accepts decimal, 0x-hex and negative numbers, as used for message ids and params.
long long parse_num(const std::wstring& s) {
  wchar_t* end = nullptr;
  long long v = std::wcstoll(s.c_str(), &end, 0);
  if (s.empty() || *end) fail(kUsage, "not a number: " + utf8(s));
  return v;
}

// Under Wine the arguments come from a Unix shell, so paths may be Unix paths;
// Wine's kernel32 exports a converter for exactly that. On Windows the export
// does not exist and the path is used unchanged.
std::wstring win_path(const std::wstring& p) {
  if (p.empty() || p[0] != L'/') return p;
  using Fn = WCHAR* (CDECL*)(LPCSTR);
  FARPROC raw = GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_dos_file_name");
  auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(raw));
  if (!fn) return p;
  WCHAR* dos = fn(utf8(p).c_str());
  if (!dos) return p;
  std::wstring r(dos);
  HeapFree(GetProcessHeap(), 0, dos);
  return r;
}

std::wstring class_of(HWND h) {
  wchar_t buf[256] = {};
  GetClassNameW(h, buf, 256);
  return buf;
}

// GetWindowText reads the stored caption; if that comes back empty for a
// control of another process, WM_GETTEXT (marshalled by the system) is tried.
std::wstring text_of(HWND h) {
  std::vector<wchar_t> buf(4096);
  int n = GetWindowTextW(h, buf.data(), (int)buf.size());
  if (n <= 0) {
    DWORD_PTR r = 0;
    if (SendMessageTimeoutW(h, WM_GETTEXT, buf.size(), (LPARAM)buf.data(), SMTO_ABORTIFHUNG, 2000, &r))
      n = (int)r;
  }
  return std::wstring(buf.data(), n > 0 ? n : 0);
}

bool running(const Slot& s) { return s.process && WaitForSingleObject(s.process, 0) == WAIT_TIMEOUT; }

struct FindCtx {
  DWORD pid;
  const wchar_t* cls;
  bool visible_only;
  HWND found;
  const wchar_t* title = nullptr;          // also match this caption
  const std::vector<HWND>* skip = nullptr;  // windows that do not count
};

// Top-level windows of the given process with the given class.
BOOL CALLBACK find_proc(HWND h, LPARAM lp) {
  auto* c = reinterpret_cast<FindCtx*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  if (pid == c->pid && (!c->visible_only || IsWindowVisible(h)) && class_of(h) == c->cls) {
    if (c->skip)
      for (HWND k : *c->skip)
        if (k == h) return TRUE;
    if (c->title && text_of(h) != c->title) return TRUE;
    // Looking for a message box: the program's own dialogs (their texts are
    // controls 1001 and up, which a message box never has) do not count.
    if (!c->title && c->skip && GetDlgItem(h, 1001)) return TRUE;
    c->found = h;
    return FALSE;
  }
  return TRUE;
}

HWND find_window(DWORD pid, const wchar_t* cls, bool visible_only = true, const wchar_t* title = nullptr,
                 const std::vector<HWND>* skip = nullptr) {
  FindCtx c{pid, cls, visible_only, nullptr, title, skip};
  EnumWindows(find_proc, reinterpret_cast<LPARAM>(&c));
  return c.found;
}

// Polls until a window shows up; gives up early if the process has already
// ended, since then the window can never appear. Dialogs already found by
// wait-dialog are not message boxes, so they are passed over.
HWND wait_for_window(const wchar_t* cls, const char* what, const wchar_t* title = nullptr) {
  Slot& s = need_process();
  DWORD start = GetTickCount();
  for (;;) {
    if (HWND h = find_window(s.pid, cls, true, title, &s.dialogs)) return h;
    if (!running(s)) {
      DWORD code = 0;
      GetExitCodeProcess(s.process, &code);
      fail(kFail, std::string("process ended (exit ") + std::to_string(code) + ") before showing " + what);
    }
    if (GetTickCount() - start >= g_timeout_ms)
      fail(kTimeout, std::string("no ") + what + " within " + std::to_string(g_timeout_ms) + " ms");
    Sleep(50);
  }
}

// ---- screen capture -------------------------------------------------------

struct Pixels {
  int w = 0, h = 0;
  std::vector<unsigned char> bgr;  // bottom-up rows, 24 bpp, rows padded to 4 bytes
  int stride() const { return (w * 3 + 3) & ~3; }
};

Pixels read_dib(HDC mem, HBITMAP bmp, int w, int h) {
  Pixels p;
  p.w = w;
  p.h = h;
  p.bgr.resize((size_t)p.stride() * h);
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  bi.bmiHeader.biCompression = BI_RGB;
  GetDIBits(mem, bmp, 0, h, p.bgr.data(), &bi, DIB_RGB_COLORS);
  return p;
}

bool all_black(const Pixels& p) {
  for (unsigned char b : p.bgr)
    if (b) return false;
  return true;
}

// Copies a w x h area at (x, y) of the given DC into memory.
Pixels grab(HDC src, int x, int y, int w, int h) {
  HDC mem = CreateCompatibleDC(src);
  HBITMAP bmp = CreateCompatibleBitmap(src, w, h);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, src, x, y, SRCCOPY | CAPTUREBLT);
  SelectObject(mem, old);
  Pixels p = read_dib(mem, bmp, w, h);
  DeleteObject(bmp);
  DeleteDC(mem);
  return p;
}

// Captures part of a window (offsets relative to its window rect, frame
// included). The window's own DC is tried first; windows of another process
// can read back as all black under some drivers, and then the same area is
// taken from the screen instead (correct as long as nothing overlaps it).
Pixels capture(HWND h, int x, int y, int w, int hgt) {
  HDC wdc = GetWindowDC(h);
  Pixels p = grab(wdc, x, y, w, hgt);
  ReleaseDC(h, wdc);
  if (!all_black(p)) return p;
  RECT r;
  GetWindowRect(h, &r);
  HDC sdc = GetDC(nullptr);
  p = grab(sdc, r.left + x, r.top + y, w, hgt);
  ReleaseDC(nullptr, sdc);
  return p;
}

bool write_bmp(const std::wstring& path, const Pixels& p) {
  FILE* f = _wfopen(path.c_str(), L"wb");
  if (!f) return false;
  BITMAPFILEHEADER fh = {};
  BITMAPINFOHEADER ih = {};
  fh.bfType = 0x4D42;  // "BM"
  fh.bfOffBits = sizeof(fh) + sizeof(ih);
  fh.bfSize = fh.bfOffBits + (DWORD)p.bgr.size();
  ih.biSize = sizeof(ih);
  ih.biWidth = p.w;
  ih.biHeight = p.h;
  ih.biPlanes = 1;
  ih.biBitCount = 24;
  ih.biCompression = BI_RGB;
  ih.biSizeImage = (DWORD)p.bgr.size();
  bool ok = fwrite(&fh, sizeof(fh), 1, f) == 1 && fwrite(&ih, sizeof(ih), 1, f) == 1 &&
            fwrite(p.bgr.data(), 1, p.bgr.size(), f) == p.bgr.size();
  return fclose(f) == 0 && ok;
}

// A window can be visible before its first WM_PAINT has run. Waiting until
// the program answers messages and has no invalid region left, plus a moment
// for the display driver to push the pixels out, avoids capturing a blank.
void settle(HWND h) {
  DWORD_PTR r;
  SendMessageTimeoutW(h, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &r);
  for (int i = 0; i < 40 && GetUpdateRect(h, nullptr, FALSE); ++i) Sleep(50);
  Sleep(250);
}

// The icon of another process's message box cannot be read as an HICON
// (Wine keeps icon objects per process), so it is recognised by its pixels:
// each stock icon is drawn on the box's background and the closest one wins.
std::string detect_icon(HWND box) {
  HWND ic = GetDlgItem(box, kMsgBoxIconId);
  if (!ic || !IsWindowVisible(ic)) return "none";
  DWORD_PTR hicon = 0;
  if (!SendMessageTimeoutW(ic, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 2000, &hicon)) return "unknown";
  if (!hicon) return "none";
  settle(box);
  RECT wr, cr;
  GetWindowRect(box, &wr);
  GetWindowRect(ic, &cr);
  int w = GetSystemMetrics(SM_CXICON), h = GetSystemMetrics(SM_CYICON);
  if (cr.right - cr.left < w || cr.bottom - cr.top < h) return "unknown";
  Pixels seen = capture(box, cr.left - wr.left, cr.top - wr.top, w, h);
  if (all_black(seen)) return "unknown";
  const unsigned char* corner = &seen.bgr[(size_t)(h - 1) * seen.stride()];  // top-left pixel
  COLORREF bg = RGB(corner[2], corner[1], corner[0]);

  struct Cand { const char* name; LPCWSTR id; } cands[] = {
      {"stop", IDI_HAND}, {"warning", IDI_EXCLAMATION}, {"information", IDI_ASTERISK}, {"question", IDI_QUESTION}};
  const char* best = "unknown";
  long long best_diff = -1;
  HDC sdc = GetDC(nullptr);
  for (const Cand& c : cands) {
    HDC mem = CreateCompatibleDC(sdc);
    HBITMAP bmp = CreateCompatibleBitmap(sdc, w, h);
    HGDIOBJ old = SelectObject(mem, bmp);
    HBRUSH br = CreateSolidBrush(bg);
    RECT all = {0, 0, w, h};
    FillRect(mem, &all, br);
    DeleteObject(br);
    DrawIconEx(mem, 0, 0, LoadIconW(nullptr, c.id), w, h, 0, nullptr, DI_NORMAL);
    SelectObject(mem, old);
    Pixels ref = read_dib(mem, bmp, w, h);
    DeleteObject(bmp);
    DeleteDC(mem);
    long long diff = 0;
    for (size_t i = 0; i < ref.bgr.size(); ++i) diff += std::abs((int)ref.bgr[i] - (int)seen.bgr[i]);
    if (best_diff < 0 || diff < best_diff) best_diff = diff, best = c.name;
  }
  ReleaseDC(nullptr, sdc);
  // A real match differs by little more than anti-aliasing noise; a large
  // difference means some other picture, which is not worth guessing about.
  if (best_diff > (long long)w * h * 3 * 24) return "unknown";
  return best;
}

// ---- steps ----------------------------------------------------------------

void step_start(const std::wstring& exe_arg) {
  Slot& s = cur();
  if (running(s)) fail(kUsage, "slot " + std::to_string(g_sel + 1) + " already runs a process");
  std::wstring exe = win_path(exe_arg);
  wchar_t full[MAX_PATH];
  wchar_t* name = nullptr;
  if (!GetFullPathNameW(exe.c_str(), MAX_PATH, full, &name) || !name) fail(kFail, "bad path " + utf8(exe));
  std::wstring dir(full, name - full);
  std::wstring cmd = L"\"" + std::wstring(full) + L"\"";
  STARTUPINFOW si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessW(full, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi))
    fail(kFail, "CreateProcess failed for " + utf8(full) + " (error " + std::to_string(GetLastError()) + ")");
  CloseHandle(pi.hThread);
  if (s.process) CloseHandle(s.process);
  s = Slot{};
  s.process = pi.hProcess;
  s.pid = pi.dwProcessId;
  out("started", utf8(full));
  out("pid", std::to_string(s.pid));
}

void step_info() {
  HWND h = need(cur().window, "main window");
  RECT rc;
  GetClientRect(h, &rc);
  LONG style = GetWindowLongW(h, GWL_STYLE);
  HMENU menu = GetMenu(h);
  out("title", utf8(text_of(h)));
  out("class", utf8(class_of(h)));
  out("client", std::to_string(rc.right - rc.left) + "x" + std::to_string(rc.bottom - rc.top));
  out("menu", menu ? "yes" : "no");
  // Wine keeps menu objects per process, so the count (and GetMenuBarInfo)
  // is unreadable from here; say so rather than print a misleading number.
  int items = menu ? GetMenuItemCount(menu) : 0;
  out("menu_items", items >= 0 ? std::to_string(items) : "unknown");
  // Height of the menu bar as laid out: the window minus what the frame and
  // caption alone would need around this client area.
  RECT wr, frame = rc;
  GetWindowRect(h, &wr);
  AdjustWindowRectEx(&frame, style, FALSE, GetWindowLongW(h, GWL_EXSTYLE));
  out("menubar_px", std::to_string((wr.bottom - wr.top) - (frame.bottom - frame.top)));
  out("resizable", (style & WS_THICKFRAME) ? "yes" : "no");
  out("maximizebox", (style & WS_MAXIMIZEBOX) ? "yes" : "no");
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08lX", (unsigned long)style);
  out("style", hex);
}

// The box text is normally control 0xFFFF; other message box implementations
// may number it differently, so the first visible Static with text stands in.
HWND msgbox_text_control(HWND box) {
  if (HWND t = GetDlgItem(box, kMsgBoxTextId)) return t;
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (_wcsicmp(class_of(c).c_str(), L"Static") == 0 && !text_of(c).empty()) return c;
  return nullptr;
}

void step_wait_msgbox() {
  Slot& s = cur();
  s.box = s.last = wait_for_window(L"#32770", "message box");
  HWND owner = GetWindow(s.box, GW_OWNER);
  out("msgbox_caption", utf8(text_of(s.box)));
  HWND t = msgbox_text_control(s.box);
  out("msgbox_text", t ? utf8(text_of(t)) : "");
  out("msgbox_icon", detect_icon(s.box));
  out("msgbox_owner", owner ? utf8(class_of(owner)) : "none");
}

// BM_CLICK goes through the button itself, as a user's click would. Should it
// not dismiss the box (e.g. the box is not the active window), the BN_CLICKED
// notification the button would have sent is posted to the dialog instead.
void step_press(int id) {
  Slot& s = cur();
  HWND box = need(s.box, "message box");
  HWND btn = GetDlgItem(box, id);
  if (!btn) fail(kFail, "message box has no button with id " + std::to_string(id));
  DWORD_PTR r;
  SendMessageTimeoutW(btn, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &r);
  for (int i = 0; i < 20 && IsWindow(box); ++i) Sleep(50);
  if (IsWindow(box)) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)btn);
    out("press_fallback", "WM_COMMAND");
  }
  out("pressed", std::to_string(id));
  // Back to the dialog the box came from, if any, for the next shot.
  for (int i = 0; i < 40 && IsWindow(box) && IsWindowVisible(box); ++i) Sleep(50);
  if (!s.dialogs.empty()) s.last = s.dialogs.back();
}

// ---- dialogs ----------------------------------------------------------------

HWND cur_dialog() {
  Slot& s = cur();
  while (!s.dialogs.empty() && !IsWindow(s.dialogs.back())) s.dialogs.pop_back();
  if (s.dialogs.empty()) fail(kFail, "no dialog (none found yet, or it has closed)");
  return s.dialogs.back();
}

HWND dialog_control(int id) {
  HWND c = GetDlgItem(cur_dialog(), id);
  if (!c) fail(kFail, "the dialog has no control " + std::to_string(id));
  return c;
}

// Sends with a bound, so a program stuck in a modal loop cannot hang us.
LRESULT send(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  DWORD_PTR r = 0;
  if (!SendMessageTimeoutW(h, msg, wp, lp, SMTO_ABORTIFHUNG, 5000, &r))
    fail(kTimeout, "the program did not answer message " + std::to_string(msg));
  return (LRESULT)r;
}

// Tabs are shown as the two characters \t so a row fits on one line.
std::string one_line(const std::wstring& w) {
  std::wstring t;
  for (wchar_t c : w) {
    if (c == L'\t') t += L"\\t";
    else if (c == L'\n') t += L"\\n";
    else if (c != L'\r') t += c;
  }
  return utf8(t);
}

void step_wait_dialog(const std::wstring& title) {
  Slot& s = cur();
  HWND d = wait_for_window(L"#32770", ("dialog \"" + utf8(title) + "\"").c_str(), title.c_str());
  s.dialog_found_at.push_back(GetTickCount());
  DWORD_PTR r;  // the dialog answers: its initialisation is over
  SendMessageTimeoutW(d, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &r);
  s.dialogs.push_back(d);
  s.last = d;
  out("dialog", utf8(title));
}

// The current dialog closes (destroyed, or hidden as the notice window is).
void step_dialog_gone() {
  Slot& s = cur();
  if (s.dialogs.empty()) fail(kUsage, "dialog-gone without a dialog");
  HWND d = s.dialogs.back();
  std::string title = IsWindow(d) ? utf8(text_of(d)) : "";
  DWORD start = GetTickCount();
  while (IsWindow(d) && IsWindowVisible(d)) {
    if (GetTickCount() - start >= g_timeout_ms) fail(kTimeout, "dialog \"" + title + "\" is still open");
    Sleep(50);
  }
  DWORD found = s.dialog_found_at.empty() ? start : s.dialog_found_at.back();
  s.dialogs.pop_back();
  if (!s.dialog_found_at.empty()) s.dialog_found_at.pop_back();
  s.last = s.dialogs.empty() ? s.window : s.dialogs.back();
  out("dialog_closed", title);
  out("dialog_open_ms", std::to_string(GetTickCount() - found));
}

// Presses OK on a message box if one comes up within `ms`; none is no failure.
bool dismiss_msgbox(DWORD ms) {
  Slot& s = need_process();
  DWORD start = GetTickCount();
  for (;;) {
    if (HWND box = find_window(s.pid, L"#32770", true, nullptr, &s.dialogs)) {
      settle(box);
      HWND t = msgbox_text_control(box);
      out("msgbox_text", t ? utf8(text_of(t)) : "");
      s.box = box;
      step_press(IDOK);
      return true;
    }
    if (GetTickCount() - start >= ms) return false;
    Sleep(50);
  }
}

HWND visible_child(HWND parent, const wchar_t* cls) {
  for (HWND c = FindWindowExW(parent, nullptr, cls, nullptr); c; c = FindWindowExW(parent, c, cls, nullptr))
    if (IsWindowVisible(c)) return c;
  return nullptr;
}

// Sits the active player down at the first machine that will have them:
// "take the machine" (40308); a refusal box (machine occupied) is dismissed
// and the next machine (40307) tried. Done once the play window (a child of
// the main window of class CLASS) shows.
int g_taken_on_try;  // of the last take-machine

void step_take_machine(const std::wstring& cls, int tries) {
  HWND main = need(cur().window, "main window");
  for (int t = 1; t <= tries; ++t) {
    PostMessageW(main, WM_COMMAND, 40308, 0);
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 5000) {
      if (visible_child(main, cls.c_str())) {
        out("taken_on_try", std::to_string(t));
        g_taken_on_try = t;
        return;
      }
      if (dismiss_msgbox(0)) break;
      Sleep(50);
    }
    PostMessageW(main, WM_COMMAND, 40307, 0);
    Sleep(300);
  }
  fail(kFail, "no machine could be taken in " + std::to_string(tries) + " tries");
}

// Moves the hall cursor (40307, "next machine") from where the last
// take-machine started to the machine it sat at: one step per refused try.
// Another player who entered the same shop stands at that start too.
void step_walk_to_last_seat() {
  HWND main = need(cur().window, "main window");
  if (g_taken_on_try < 1) fail(kUsage, "walk-to-last-seat before a take-machine");
  for (int i = 1; i < g_taken_on_try; ++i) {
    PostMessageW(main, WM_COMMAND, 40307, 0);
    Sleep(100);
  }
  out("walked", std::to_string(g_taken_on_try - 1));
}

// Writes resources FIRST..LAST of TYPE ("DIBITMAP", "WAVE") of a program to
// DIR/<id>.bin, read the way the program reads them, so a script can compare
// what was built into the executable with the files it was built from.
void step_extract_resources(const std::wstring& exe, const std::wstring& type, int first, int last,
                            const std::wstring& dir) {
  HMODULE module = LoadLibraryExW(win_path(exe).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) fail(kFail, "cannot open " + utf8(exe) + " (error " + std::to_string(GetLastError()) + ")");
  int found = 0;
  for (int id = first; id <= last; ++id) {
    HRSRC r = FindResourceW(module, MAKEINTRESOURCEW(id), type.c_str());
    if (!r) continue;
    DWORD size = SizeofResource(module, r);
    HGLOBAL g = LoadResource(module, r);
    const void* bytes = g ? LockResource(g) : nullptr;
    if (!bytes) fail(kFail, "resource " + std::to_string(id) + " cannot be loaded");
    std::wstring path = win_path(dir) + L"\\" + std::to_wstring(id) + L".bin";
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (!f || std::fwrite(bytes, 1, size, f) != size) fail(kFail, "cannot write " + utf8(path));
    std::fclose(f);
    out("resource", utf8(type) + " " + std::to_string(id) + " " + std::to_string(size));
    ++found;
  }
  FreeLibrary(module);
  out("resources", std::to_string(found));
}

// Opens a file with no sharing and keeps it open until the driver ends, as
// another program holding it would: the program under test can neither read
// nor move it.
void step_hold_file(const std::wstring& file) {
  HANDLE h = CreateFileW(win_path(file).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) fail(kFail, "cannot hold " + utf8(file) + " (error " + std::to_string(GetLastError()) + ")");
  out("held", utf8(file));  // closed by the system when the driver exits
}

// A push button tells its dialog as its click would; radio buttons and check
// boxes are clicked themselves so that they change state.
void step_click(int id) {
  HWND d = cur_dialog();
  HWND c = dialog_control(id);
  if (!IsWindowEnabled(c)) fail(kFail, "control " + std::to_string(id) + " is disabled");
  LONG type = GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK;
  bool push = _wcsicmp(class_of(c).c_str(), L"Button") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
  BOOL posted = push ? PostMessageW(d, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)c)
                     : PostMessageW(c, BM_CLICK, 0, 0);
  if (!posted) fail(kFail, "PostMessage failed (error " + std::to_string(GetLastError()) + ")");
  out("clicked", std::to_string(id));
}

void step_set_text(int id, const std::wstring& text) {
  HWND c = dialog_control(id);
  if (!send(c, WM_SETTEXT, 0, (LPARAM)text.c_str())) fail(kFail, "WM_SETTEXT refused by control " + std::to_string(id));
  out("set_text_" + std::to_string(id), one_line(text));
}

void step_text(int id) { out("text_" + std::to_string(id), one_line(text_of(dialog_control(id)))); }

void step_rows(int id) {
  HWND list = dialog_control(id);
  LRESULT n = send(list, LB_GETCOUNT, 0, 0);
  out("rows", std::to_string(n));
  for (LRESULT i = 0; i < n; ++i) {
    LRESULT len = send(list, LB_GETTEXTLEN, i, 0);
    std::vector<wchar_t> buf(len > 0 ? len + 1 : 1, L'\0');
    if (len > 0) send(list, LB_GETTEXT, i, (LPARAM)buf.data());
    out("row_" + std::to_string(i), one_line(buf.data()));
  }
  LRESULT sel = send(list, LB_GETCURSEL, 0, 0);
  out("selected", std::to_string(sel == LB_ERR ? -1 : sel));
}

// Selects a row and tells the dialog, as clicking the row does. The
// selection change is sent (it only changes buttons); a double click is
// posted, since it may open another dialog.
void step_select_row(int id, int row, bool double_click) {
  HWND d = cur_dialog();
  HWND list = dialog_control(id);
  if (send(list, LB_SETCURSEL, row, 0) == LB_ERR) fail(kFail, "list " + std::to_string(id) + " has no row " + std::to_string(row));
  send(d, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), (LPARAM)list);
  if (double_click) PostMessageW(d, WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK), (LPARAM)list);
  out(double_click ? "double_clicked" : "selected_row", std::to_string(row));
}

void step_enabled(int id) { out("enabled_" + std::to_string(id), IsWindowEnabled(dialog_control(id)) ? "yes" : "no"); }

void step_checked(int id) {
  out("checked_" + std::to_string(id), send(dialog_control(id), BM_GETCHECK, 0, 0) == BST_CHECKED ? "yes" : "no");
}

// The control with the keyboard focus in the program's window thread.
void step_focus() {
  HWND d = cur_dialog();
  GUITHREADINFO gti = {};
  gti.cbSize = sizeof gti;
  DWORD tid = GetWindowThreadProcessId(d, nullptr);
  std::string id = "none";
  if (GetGUIThreadInfo(tid, &gti) && gti.hwndFocus && IsChild(d, gti.hwndFocus))
    id = std::to_string(GetDlgCtrlID(gti.hwndFocus));
  out("focus", id);
}

void step_default() {
  LRESULT r = send(cur_dialog(), DM_GETDEFID, 0, 0);
  out("default", HIWORD(r) == DC_HASDEFID ? std::to_string(LOWORD(r)) : "none");
}

void step_post(UINT msg, WPARAM wp, LPARAM lp) {
  HWND h = need(cur().window, "main window");
  if (!PostMessageW(h, msg, wp, lp)) fail(kFail, "PostMessage failed (error " + std::to_string(GetLastError()) + ")");
  out("posted", std::to_string(msg));
}

DWORD step_wait_exit() {
  Slot& s = need_process();
  DWORD start = GetTickCount();
  while (running(s) && GetTickCount() - start < g_timeout_ms) Sleep(50);
  if (running(s))
    fail(kTimeout, "process " + std::to_string(s.pid) + " still running after " + std::to_string(g_timeout_ms) + " ms");
  DWORD code = 0;
  GetExitCodeProcess(s.process, &code);
  out("exit", std::to_string(code));
  return code;
}

// Hidden windows count too: the point is usually that the program must not
// have created one at all. Once the process has ended nothing more can
// appear, so the watch stops early then.
void step_no_window(const std::wstring& cls, DWORD ms, bool visibleOnly = false) {
  Slot& s = need_process();
  DWORD start = GetTickCount();
  for (;;) {
    if (find_window(s.pid, cls.c_str(), visibleOnly)) fail(kFail, "a " + utf8(cls) + " window appeared");
    if (!running(s) || GetTickCount() - start >= ms) break;
    Sleep(50);
  }
  out("no_window", utf8(cls));
}

// Lets the calling script do something (e.g. grab the X screen) at a known
// point of the sequence: the script watches our output, then creates the file.
void step_wait_file(const std::wstring& file) {
  std::wstring path = win_path(file);
  DWORD start = GetTickCount();
  while (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    if (GetTickCount() - start >= g_timeout_ms) fail(kTimeout, "file " + utf8(file) + " did not appear");
    Sleep(50);
  }
  out("file", utf8(file));
}

// `shot` reads the window's own pixels (what lies over it is black);
// `screen-shot` reads the screen where the window is, owned windows such as
// the notice included: what a person sees.
void step_shot(const std::wstring& file, bool fromScreen) {
  HWND h = need(cur().last, "window to capture");
  settle(h);
  RECT r;
  GetWindowRect(h, &r);
  Pixels p;
  if (fromScreen) {
    HDC sdc = GetDC(nullptr);
    p = grab(sdc, r.left, r.top, r.right - r.left, r.bottom - r.top);
    ReleaseDC(nullptr, sdc);
  } else {
    p = capture(h, 0, 0, r.right - r.left, r.bottom - r.top);
  }
  if (!write_bmp(win_path(file), p)) fail(kFail, "cannot write " + utf8(file));
  out("shot", utf8(file) + " " + std::to_string(p.w) + "x" + std::to_string(p.h) + (all_black(p) ? " black" : ""));
}

// The handle is closed at once: holding the mapping open would keep it alive
// after the program exits and hide a guard that fails to go away.
void step_mapping_text() {
  HANDLE m = OpenFileMappingW(FILE_MAP_READ, FALSE, L"VENKOSharedDATA");
  if (!m) {
    out("mapping", "absent");
    return;
  }
  const char* view = static_cast<const char*>(MapViewOfFile(m, FILE_MAP_READ, 0, 0, 0));
  std::string bytes;
  if (view) {
    MEMORY_BASIC_INFORMATION mbi = {};
    VirtualQuery(view, &mbi, sizeof mbi);
    size_t limit = mbi.RegionSize < 4096 ? mbi.RegionSize : 4096;
    size_t n = 0;
    while (n < limit && view[n]) ++n;
    bytes.assign(view, n);
    UnmapViewOfFile(view);
  }
  CloseHandle(m);
  std::wstring w(bytes.size() + 1, L'\0');
  int n = MultiByteToWideChar(932, 0, bytes.data(), (int)bytes.size(), &w[0], (int)w.size());
  w.resize(n > 0 ? n : 0);
  out("mapping", "present");
  out("mapping_text", utf8(w));
}

void finish(int code) {
  int killed = 0;
  for (Slot& s : g_slots)
    if (running(s)) {
      TerminateProcess(s.process, 255);
      WaitForSingleObject(s.process, 5000);
      ++killed;
    }
  if (killed) out("cleanup_killed", std::to_string(killed));
  std::exit(code);
}

void usage() {
  std::fputs(
      "usage: testdriver STEP...\n"
      "  start EXE | start2 EXE | select 1|2 | timeout MS | sleep MS\n"
      "  wait-window CLASS | await-window CLASS | no-window CLASS MS | no-visible-window CLASS MS | info\n"
      "  shot FILE.bmp | screen-shot FILE.bmp\n"
      "  wait-msgbox | press-ok | press ID\n"
      "  post MSG WPARAM LPARAM | close | command ID\n"
      "  wait-exit | expect-exit CODE | expect-running | kill | mapping-text\n"
      "  wait-file PATH\n"
      "  wait-dialog TITLE | dialog-gone | click ID | set-text ID TEXT | text ID | rows ID\n"
      "  select-row ID N | dblclick-row ID N | enabled ID | checked ID | focus | default\n"
      "  dismiss-msgbox MS | take-machine PLAYCLASS TRIES | walk-to-last-seat\n"
      "  extract-resources EXE TYPE FIRST LAST DIR | hold-file PATH\n",
      stderr);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    usage();
    return kUsage;
  }
  // Binary mode: the lines are for Unix tools, so no CR before each LF.
  _setmode(_fileno(stdout), _O_BINARY);
  int i = 1;
  // Fetches the next argument of the current step or stops with a usage error.
  auto arg = [&](const std::wstring& step) -> std::wstring {
    if (i >= argc) {
      usage();
      fail(kUsage, "missing argument for " + utf8(step));
    }
    return argv[i++];
  };
  while (i < argc) {
    std::wstring step = argv[i++];
    if (step == L"start2") g_sel = 1;
    std::printf("# %s [slot %d]\n", utf8(step).c_str(), g_sel + 1);
    std::fflush(stdout);
    if (step == L"start") {
      step_start(arg(step));
    } else if (step == L"start2") {
      step_start(arg(step));
    } else if (step == L"select") {
      long long n = parse_num(arg(step));
      if (n != 1 && n != 2) fail(kUsage, "select takes 1 or 2");
      g_sel = (int)n - 1;
    } else if (step == L"timeout") {
      g_timeout_ms = (DWORD)parse_num(arg(step));
    } else if (step == L"sleep") {
      Sleep((DWORD)parse_num(arg(step)));
    } else if (step == L"wait-window") {
      std::wstring cls = arg(step);
      Slot& s = cur();
      s.window = s.last = wait_for_window(cls.c_str(), ("window of class " + utf8(cls)).c_str());
      out("window", utf8(cls));
    } else if (step == L"no-window") {
      std::wstring cls = arg(step);
      step_no_window(cls, (DWORD)parse_num(arg(step)));
    } else if (step == L"await-window") { // another top-level window of the program shows
      std::wstring cls = arg(step);
      wait_for_window(cls.c_str(), ("window " + utf8(cls)).c_str());
      out("window", utf8(cls));
    } else if (step == L"no-visible-window") { // hidden ones (the notice window) don't count
      std::wstring cls = arg(step);
      step_no_window(cls, (DWORD)parse_num(arg(step)), true);
    } else if (step == L"info") {
      step_info();
    } else if (step == L"shot") {
      step_shot(arg(step), false);
    } else if (step == L"screen-shot") {
      step_shot(arg(step), true);
    } else if (step == L"wait-msgbox") {
      step_wait_msgbox();
    } else if (step == L"press-ok") {
      step_press(IDOK);
    } else if (step == L"press") {
      step_press((int)parse_num(arg(step)));
    } else if (step == L"post") {
      UINT msg = (UINT)parse_num(arg(step));
      WPARAM wp = (WPARAM)parse_num(arg(step));
      step_post(msg, wp, (LPARAM)parse_num(arg(step)));
    } else if (step == L"close") {
      step_post(WM_CLOSE, 0, 0);
    } else if (step == L"command") {
      step_post(WM_COMMAND, (WPARAM)parse_num(arg(step)), 0);
    } else if (step == L"wait-exit") {
      step_wait_exit();
    } else if (step == L"expect-exit") {
      DWORD want = (DWORD)parse_num(arg(step));
      DWORD got = step_wait_exit();
      if (got != want) fail(kFail, "exit code " + std::to_string(got) + ", expected " + std::to_string(want));
    } else if (step == L"expect-running") {
      bool r = running(need_process());
      out("running", r ? "yes" : "no");
      if (!r) fail(kFail, "process " + std::to_string(cur().pid) + " is no longer running");
    } else if (step == L"kill") {
      Slot& s = need_process();
      if (running(s)) TerminateProcess(s.process, 255);
      WaitForSingleObject(s.process, g_timeout_ms);
      out("killed", std::to_string(s.pid));
    } else if (step == L"wait-file") {
      step_wait_file(arg(step));
    } else if (step == L"mapping-text") {
      step_mapping_text();
    } else if (step == L"wait-dialog") {
      step_wait_dialog(arg(step));
    } else if (step == L"dialog-gone") {
      step_dialog_gone();
    } else if (step == L"click") {
      step_click((int)parse_num(arg(step)));
    } else if (step == L"set-text") {
      int id = (int)parse_num(arg(step));
      step_set_text(id, arg(step));
    } else if (step == L"text") {
      step_text((int)parse_num(arg(step)));
    } else if (step == L"rows") {
      step_rows((int)parse_num(arg(step)));
    } else if (step == L"select-row" || step == L"dblclick-row") {
      int id = (int)parse_num(arg(step));
      step_select_row(id, (int)parse_num(arg(step)), step == L"dblclick-row");
    } else if (step == L"enabled") {
      step_enabled((int)parse_num(arg(step)));
    } else if (step == L"checked") {
      step_checked((int)parse_num(arg(step)));
    } else if (step == L"focus") {
      step_focus();
    } else if (step == L"default") {
      step_default();
    } else if (step == L"dismiss-msgbox") {
      out("dismissed", dismiss_msgbox((DWORD)parse_num(arg(step))) ? "yes" : "no");
    } else if (step == L"take-machine") {
      std::wstring cls = arg(step);
      step_take_machine(cls, (int)parse_num(arg(step)));
    } else if (step == L"walk-to-last-seat") {
      step_walk_to_last_seat();
    } else if (step == L"hold-file") {
      step_hold_file(arg(step));
    } else if (step == L"extract-resources") {
      std::wstring exe = arg(step), type = arg(step);
      int first = (int)parse_num(arg(step)), last = (int)parse_num(arg(step));
      step_extract_resources(exe, type, first, last, arg(step));
    } else {
      usage();
      fail(kUsage, "unknown step " + utf8(step));
    }
  }
  std::printf("ok\n");
  finish(0);
}
