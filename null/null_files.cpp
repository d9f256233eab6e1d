// The null platform's data folder: files in memory, with faults a test can
// inject into any write, flush or replace.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "hallcore/sys/sys_files.h"
#include "null/sys_null.h"

namespace {

std::map<std::string, std::vector<uint8_t>> folder;

struct OpenFile {
    std::string name;
    bool open = false;
};
OpenFile openFiles[8];

std::set<std::string> locked; // there, but neither readable nor movable
int operationCount; // writes, flushes and replaces since the fault was armed
int failingOperation;
bool failCreate;

// True when this operation is the one armed to fail.
bool injectFault()
{
    operationCount++;
    return failingOperation > 0 && operationCount == failingOperation;
}

} // namespace

void nullFilesClear()
{
    folder.clear();
    locked.clear();
    for (OpenFile& f : openFiles)
        f = OpenFile{};
    nullFilesFailAt(0);
}

void nullFilesFailAt(int operation)
{
    failingOperation = operation;
    operationCount = 0;
    failCreate = false;
}

void nullFilesFailCreate(bool fail)
{
    failCreate = fail;
}

void nullFilesLock(const char* name, bool lock)
{
    if (lock)
        locked.insert(name);
    else
        locked.erase(name);
}

int nullFilesOperations()
{
    return operationCount;
}

bool nullFileGet(const char* name, std::vector<uint8_t>* bytes)
{
    auto it = folder.find(name);
    if (it == folder.end())
        return false;
    if (bytes)
        *bytes = it->second;
    return true;
}

void nullFilePut(const char* name, const std::vector<uint8_t>& bytes)
{
    folder[name] = bytes;
}

std::vector<std::string> nullFileNames()
{
    std::vector<std::string> names;
    for (const auto& f : folder)
        names.push_back(f.first);
    return names;
}

long sysReadDataFile(const char* name, uint8_t* buffer, size_t capacity)
{
    auto it = folder.find(name);
    if (it == folder.end())
        return kNoDataFile;
    if (locked.count(name))
        return kUnreadableDataFile;
    size_t n = it->second.size() < capacity ? it->second.size() : capacity;
    std::copy(it->second.begin(), it->second.begin() + (long)n, buffer);
    return (long)n;
}

int sysCreateDataFile(const char* name)
{
    if (failCreate || locked.count(name))
        return -1;
    for (int i = 0; i < 8; i++) {
        if (!openFiles[i].open) {
            openFiles[i] = {name, true};
            folder[name].clear();
            return i;
        }
    }
    return -1;
}

bool sysWriteDataFile(int file, const void* data, size_t size)
{
    if (injectFault()) { // half the bytes reach the disk
        const uint8_t* b = (const uint8_t*)data;
        auto& bytes = folder[openFiles[file].name];
        bytes.insert(bytes.end(), b, b + size / 2);
        return false;
    }
    const uint8_t* b = (const uint8_t*)data;
    auto& bytes = folder[openFiles[file].name];
    bytes.insert(bytes.end(), b, b + size);
    return true;
}

bool sysFlushDataFile(int)
{
    return !injectFault();
}

void sysCloseDataFile(int file)
{
    if (file >= 0 && file < 8)
        openFiles[file].open = false;
}

bool sysReplaceDataFile(const char* from, const char* to)
{
    if (injectFault() || locked.count(from) || locked.count(to))
        return false;
    auto it = folder.find(from);
    if (it == folder.end())
        return false;
    folder[to] = it->second;
    folder.erase(from);
    return true;
}

void sysRemoveDataFile(const char* name)
{
    folder.erase(name);
}
