// The null platform: a clock the caller sets and a record of what the core
// posted, so the whole hall runs natively without a window (unit tests,
// benchmarks, headless tools).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "hallcore/hall/clock.h"

// The time sysLocalTime reports from now on.
void nullSetLocalTime(const BrokenDownTime& t);

// A local time from calendar fields (month 1..12), with weekday and day of
// year filled in.
BrokenDownTime makeLocalTime(int year, int month, int day, int hour, int minute, int second);

struct PostedCommand {
    int command;
    int32_t lParam;
};

// What sysPostCommand received since the last clear (the last 64 at most).
int nullPostedCount();
PostedCommand nullPosted(int i);
int nullNoticePacingCount();
void nullClearPosted();

// The in-memory data folder (null_files.cpp).
void nullFilesClear();
// Arms a fault: the n-th write, flush or replace from now on fails (0: none).
void nullFilesFailAt(int operation);
void nullFilesFailCreate(bool fail);
// A file that is there but cannot be read (and is locked: it cannot be moved).
void nullFilesLock(const char* name, bool locked);
int nullFilesOperations();
bool nullFileGet(const char* name, std::vector<uint8_t>* bytes);
void nullFilePut(const char* name, const std::vector<uint8_t>& bytes);
std::vector<std::string> nullFileNames();

// The whole of a file of the host (a source file, a committed picture):
// empty when it is missing or empty.
std::vector<uint8_t> nullReadHostFile(const std::string& path);

// The program's pictures from the folders of its BMP files (null_art.cpp):
// the engine's programs/art and the module's machines/<model>/art, where a
// picture of the module's replaces the engine's; read once, then installed
// as the resource lookup. False when the folders hold none.
bool nullUseArtFolders(const char* engineFolder, const char* modelFolder);

// The active slot walked into `scene` by the user's commands (null_scenes.cpp):
// registered player `record` chosen into the day shop, the first free machine
// taken with 3,000 balls and the handle at 60, the hall keeping it. False
// when a step was refused. nullPaintScene paints the scene and the panel as
// the windows do when they are shown.
bool nullWalkToScene(int scene, int record);
void nullPaintScene();

// The window layer of the commands (null_shell.cpp): a log of what was asked
// ("show 1;menu;box 12;...") and scripted answers.
void nullShellReset();
std::string nullShellLog();
void nullShellClearLog();
void nullShellAnswerBoxes(bool ok);
void nullShellSelect(int recordIndex);  // -1: the selection is cancelled
void nullShellPurchase(int choice);     // -1: the purchase is cancelled
void nullShellRetrySaves(int times);    // a failed save is retried this often

bool nullShellDestroyed();
// Called inside every modal box or dialog: what the message loop would
// dispatch meanwhile (a test sets it; nothing by default).
extern void (*nullShellModalHook)();
void nullShellOnModal();
extern int nullPresentCount[5]; // sysPresent calls per window

// What sysPlaySound is given, when a test wants to hear it (null: nothing).
extern void (*nullSoundHook)(int waveId, uint32_t flags);
