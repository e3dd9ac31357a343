#pragma once
#include "util/ByteString.h"

namespace qv {

// The folder holding the game's data (Images/, Sounds/, Levels/), ending in a
// separator: the executable's own folder when the data is there, else the
// share/quirkvale/ folder of an installed copy.
ByteString ProgramFolder();
ByteString ImagesFolder();
ByteString SoundsFolder();
ByteString LevelsFolder();
// Where the game writes its files (options, player puzzles, run snapshot):
// $XDG_DATA_HOME/quirkvale/, default ~/.local/share/quirkvale/. Created when
// first asked for.
ByteString UserFolder();

// Points ProgramFolder somewhere else (tools' --data, tests). Empty clears.
void SetProgramFolderOverride(const char* folder);
// Points UserFolder somewhere else (tests). Empty clears.
void SetUserFolderOverride(const char* folder);

// Creates a folder and its parents; true when it exists afterwards.
bool MakeFolders(const char* path);

}  // namespace qv
