// Where the model under test keeps its pictures and waves: its own in
// machines/<model>/art, the engine's shared ones in programs/art.
#pragma once
#include <string>

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
