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
int nullFilesOperations();
bool nullFileGet(const char* name, std::vector<uint8_t>* bytes);
void nullFilePut(const char* name, const std::vector<uint8_t>& bytes);
std::vector<std::string> nullFileNames();
