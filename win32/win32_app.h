// The Win32 layer's shared handles. Everything here runs on the window thread
// except the tick clock's callback.
#pragma once
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

extern HINSTANCE appInstance;
extern HWND mainWindow;
extern HWND noticeWindow;
extern HWND infoWindow, streetWindow, hallWindow, playWindow;
extern wchar_t startDirectory[MAX_PATH];

// String `id` of the program's string table into text buffer 0 (captions)
// or 1 (message texts), at most 128 characters with the terminator.
const wchar_t* loadText(int buffer, int id);

// Fills a message template's % directives ("%s" and "%d" alike), in order,
// with ready texts; any further directive stays as it is. The template is
// never handed to a printf, so a name may hold any character.
void fillTemplate(wchar_t* out, int capacity, const wchar_t* tmpl, const wchar_t* const* args, int count);

// files_win32.cpp: the data folder, with its trailing backslash
const wchar_t* dataFolderPath();

// Message box with the program title as caption.
int messageBox(HWND owner, int textId, UINT flags);

// main_window.cpp
bool createMainWindow(int showCommand);
LRESULT CALLBACK mainWindowProc(HWND, UINT, WPARAM, LPARAM);

// tick_clock_win32.cpp
bool startTickClock();
void stopTickClock();

// palette_win32.cpp
bool createProgramPalette();
void releaseProgramPalette();
int realisePalette(HWND window);

// scene_windows_win32.cpp: the panel first, then street, hall and play
bool createChildWindows();
bool registerChildClass(const wchar_t* className, WNDPROC procedure);
void paintThroughCore(HWND window, void (*paint)());

// panel_win32.cpp: the info panel and its controls
extern HWND handleWindow; // "PlayBtn", the launch handle
bool createInfoPanel();
void releaseHandleButtons(); // the program lost the keyboard

// shell_win32.cpp: the scene's popup menu at a point of a scene window
void showPopupMenu(HWND window, POINT point);
