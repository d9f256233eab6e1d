// The shape of the engine, read from its sources: includes only go down
// the layers (machine, hall, players, gfx, shell), the platform headers are
// included only from the layer that uses them or above, and nothing of the
// engine, the Win32 layer or the null platform names a machine model.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kRoot = TAMAROW_SOURCE_DIR;

// Layers of hallcore/, lowest first; a platform header (hallcore/sys/) sits
// at the layer of its lowest user.
const std::map<std::string, int> kLayer = {
    {"machine", 0}, {"hall", 1}, {"players", 2}, {"gfx", 3}, {"shell", 4},
    {"sys/sys_time.h", 1}, {"sys/sys_files.h", 2}, {"sys/sys_present.h", 3}, {"sys/sys_sound.h", 3},
    {"sys/sys_events.h", 4}, {"sys/sys_shell.h", 4},
};

const char* kLayerName[] = {"machine", "hall", "players", "gfx", "shell"};

// "hallcore/gfx/sound.cpp" -> 3; -1 when it is no engine file.
int layerOf(const std::string& path)
{
    const std::string prefix = "hallcore/";
    if (path.compare(0, prefix.size(), prefix) != 0)
        return -1;
    std::string rest = path.substr(prefix.size());
    auto exact = kLayer.find(rest);
    if (exact != kLayer.end())
        return exact->second;
    auto folder = kLayer.find(rest.substr(0, rest.find('/')));
    return folder == kLayer.end() ? -1 : folder->second;
}

std::string readText(const fs::path& p)
{
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// Every source file below a folder of the tree, as paths from the top.
std::vector<std::string> sourcesUnder(const std::string& folder)
{
    std::vector<std::string> files;
    std::error_code error;
    for (fs::recursive_directory_iterator it(kRoot + "/" + folder, error), end; !error && it != end;
         it.increment(error)) {
        std::string ext = it->path().extension().string();
        if (it->is_regular_file() && (ext == ".cpp" || ext == ".h"))
            files.push_back(fs::relative(it->path(), kRoot).generic_string());
    }
    return files;
}

std::vector<std::string> includesOf(const std::string& path)
{
    std::vector<std::string> out;
    std::string text = readText(kRoot + "/" + path);
    std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re", std::regex::multiline);
    for (std::sregex_iterator it(text.begin(), text.end(), include), end; it != end; ++it)
        out.push_back((*it)[1]);
    return out;
}

} // namespace

TEST(Layers, EngineIncludesOnlyGoDown)
{
    std::vector<std::string> files = sourcesUnder("hallcore");
    if (files.empty())
        GTEST_SKIP() << "the sources are not readable from here";
    std::vector<std::string> upward;
    for (const std::string& file : files) {
        int own = layerOf(file);
        ASSERT_GE(own, 0) << file << " is in no layer";
        for (const std::string& inc : includesOf(file)) {
            int theirs = layerOf(inc);
            if (theirs > own)
                upward.push_back(file + " -> " + inc + " (" + kLayerName[own] + " up to " +
                                 kLayerName[theirs] + ")");
        }
    }
    std::string list;
    for (const std::string& u : upward)
        list += "\n  " + u;
    EXPECT_TRUE(upward.empty()) << "includes that go up:" << list;
}

TEST(Layers, NoEngineOrPlatformFileNamesAModel)
{
    std::vector<std::string> files;
    for (const char* folder : {"hallcore", "win32", "null"})
        for (const std::string& f : sourcesUnder(folder))
            files.push_back(f);
    if (files.empty())
        GTEST_SKIP() << "the sources are not readable from here";
    // A model's number test, folder, program name or title; the family's
    // child window classes ("Qm4101Info", ...) are the same in every program.
    std::regex model(R"re(MACHINE_MODEL_NUMBER|#\s*if.*MACHINE_NUMBER|machines/no[1-5]|\bno[1-5](_|\b)|Qm410[1-5](?!Info|Demo|Hall|Play)|No\.[1-5]\b|ORBITEX|JOLVINA|BRAVOLT|MIRAKELLE|ZANPORO)re");
    std::vector<std::string> naming;
    for (const std::string& file : files) {
        std::istringstream lines(readText(kRoot + "/" + file));
        std::string line;
        for (int n = 1; std::getline(lines, line); n++)
            if (std::regex_search(line, model))
                naming.push_back(file + ":" + std::to_string(n) + ": " + line);
    }
    std::string list;
    for (const std::string& n : naming)
        list += "\n  " + n;
    EXPECT_TRUE(naming.empty()) << "lines that name a model:" << list;
}
