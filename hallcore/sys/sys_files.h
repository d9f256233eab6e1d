// Platform: the files of the data folder. Implemented by win32/files_win32.cpp
// (the folder "venko\" under the user's documents) and by null/sys_null.cpp
// (an in-memory folder with injectable faults, for tests).
//
// Names are bare file names in the data folder; the folder is found (and
// created) on first use.
#pragma once
#include <cstddef>
#include <cstdint>

// Reads up to capacity bytes of a file. Returns the number read, -1 when
// there is no such file, or -2 when it is there but cannot be read (locked,
// no access, a read error): the two must not be confused, since a missing
// file may be written afresh and an unreadable one must not be lost.
enum { kNoDataFile = -1, kUnreadableDataFile = -2 };
long sysReadDataFile(const char* name, uint8_t* buffer, size_t capacity);

// A file being written: -1 when it cannot be created (or truncated).
int sysCreateDataFile(const char* name);
bool sysWriteDataFile(int file, const void* data, size_t size); // false on a short write
bool sysFlushDataFile(int file);                                // to the disk
void sysCloseDataFile(int file);

// Moves `from` over `to` in one step, replacing it. Every handle on both is
// closed first.
bool sysReplaceDataFile(const char* from, const char* to);
void sysRemoveDataFile(const char* name);
