#pragma once
#include <string>

namespace qv::forge {

constexpr int kIconSize = 25;

// File names in Z_Icons: one per placeable part kind, then the tools.
const char* const* PartIconFiles(int* count);
const char* const* ToolIconFiles(int* count);

// Draws every icon with its "A_" companion into imagesRoot/Z_Icons.
bool ForgeIcons(const std::string& imagesRoot);

}  // namespace qv::forge
