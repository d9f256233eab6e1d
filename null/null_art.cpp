// The null platform's resources: the program's pictures read from the
// folders of its BMP files (the engine's programs/art and the module's
// machines/<model>/art), so tests, benchmarks and tools compose the real
// screens without the program's resource section.
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "hallcore/gfx/bitmap.h"
#include "null/sys_null.h"

namespace {

std::map<int, std::vector<uint8_t>> pictures; // by resource id

const uint8_t* folderLookup(const char* type, int id, uint32_t* size)
{
    auto it = pictures.find(id);
    if (std::strcmp(type, "DIBITMAP") != 0 || it == pictures.end())
        return nullptr;
    *size = (uint32_t)it->second.size();
    return it->second.data();
}

} // namespace

std::vector<uint8_t> nullReadHostFile(const std::string& path)
{
    std::vector<uint8_t> bytes;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return bytes;
    uint8_t chunk[65536];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + n);
    std::fclose(f);
    return bytes;
}

bool nullUseArtFolders(const char* engineFolder, const char* modelFolder)
{
    if (pictures.empty()) {
        for (int id = 500; id <= 699; id++) { // the engine's pictures and the machine's
            std::string name = "/" + std::to_string(id) + ".bmp";
            std::vector<uint8_t> bytes = nullReadHostFile(modelFolder + name); // the model's own first
            if (bytes.empty())
                bytes = nullReadHostFile(engineFolder + name);
            if (!bytes.empty())
                pictures[id] = bytes;
        }
    }
    setResourceLookup(folderLookup);
    return !pictures.empty();
}
