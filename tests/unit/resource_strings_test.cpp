// The string tables of the resource scripts: the family's table and the
// program's own are compiled into one, and the resource compiler keeps
// only one text of an id given twice without a word, so a new message on
// an id already in use would silently show another text (or the help file
// name would change). Every id is given once.
#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <string>

#include <gtest/gtest.h>

namespace {

std::string sourceFile(const std::string& name)
{
    std::ifstream f(std::string(TAMAROW_SOURCE_DIR) + "/programs/" + name);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

} // namespace

TEST(ResourceStrings, EveryStringIdIsGivenOnce)
{
    std::map<std::string, int> named; // STR_ names of the string table's ids
    std::string ids = sourceFile("../hallcore/players/string_ids.h");
    std::regex define(R"(#define\s+(STR_\w+)\s+(\d+))");
    for (std::sregex_iterator it(ids.begin(), ids.end(), define), end; it != end; ++it)
        named[(*it)[1]] = std::stoi((*it)[2]);
    ASSERT_FALSE(named.empty());

    std::map<int, std::string> givenIn;
    int tables = 0;
    for (const char* script : {"family.rc", "program.rc"}) {
        std::string text = sourceFile(script);
        std::regex table(R"(STRINGTABLE\s*BEGIN([\s\S]*?)\nEND)");
        for (std::sregex_iterator t(text.begin(), text.end(), table), end; t != end; ++t) {
            tables++;
            std::string body = (*t)[1];
            std::regex entry(R"(\n\s*(\d+|STR_\w+)\s+")");
            for (std::sregex_iterator e(body.begin(), body.end(), entry); e != end; ++e) {
                std::string key = (*e)[1];
                int id = std::isdigit((unsigned char)key[0]) ? std::stoi(key) : named.count(key) ? named[key] : -1;
                ASSERT_NE(id, -1) << key << " in " << script << " has no number in string_ids.h";
                EXPECT_EQ(givenIn.count(id), 0u)
                    << "string " << id << " is given in " << givenIn[id] << " and again in " << script;
                givenIn[id] = script;
            }
        }
    }
    EXPECT_EQ(tables, 2);
    EXPECT_GE(givenIn.size(), 40u);
}
