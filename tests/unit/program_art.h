// Where the model under test keeps its pictures and waves: its own in
// machines/<model>/art, the engine's shared ones in programs/art.
#pragma once
#include <string>

#include <gtest/gtest.h>

#include "null/sys_null.h"

#define TAMAROW_ENGINE_ART TAMAROW_SOURCE_DIR "/programs/art"
#define TAMAROW_MODEL_ART TAMAROW_SOURCE_DIR "/machines/" TAMAROW_MODEL "/art"

// The file of a picture or wave ("601.bmp"): the model's if it has one, else the engine's.
inline std::string programArtPath(const std::string& name)
{
    std::string own = std::string(TAMAROW_MODEL_ART) + "/" + name;
    if (!nullReadHostFile(own).empty())
        return own;
    return std::string(TAMAROW_ENGINE_ART) + "/" + name;
}

// Installs the program's pictures as the resource lookup.
inline bool useProgramArt()
{
    return nullUseArtFolders(TAMAROW_ENGINE_ART, TAMAROW_MODEL_ART);
}

// Whether the model's own artwork has come (machines/<model>/art with its
// art.rc). A model whose play screen is still to be written has none yet,
// and the tests that load or draw its pictures wait for it.
inline bool modelArtHasCome()
{
    return !nullReadHostFile(std::string(TAMAROW_MODEL_ART) + "/art.rc").empty();
}

#define SKIP_UNTIL_MODEL_ART()                                                        \
    do {                                                                              \
        if (!modelArtHasCome())                                                       \
            GTEST_SKIP() << "machines/" TAMAROW_MODEL "/art has not come yet";        \
    } while (0)
