#pragma once
#include <string>
#include <vector>

namespace qv::level {

using Args = std::vector<std::string>;

// Each command returns the process exit code: 0 success, 1 failure, 2 usage.
int RunCompile(const Args& args);
int RunDecompile(const Args& args);
int RunSimulate(const Args& args);
int RunValidate(const Args& args);
int RunRender(const Args& args);
int RunTable(const Args& args);
int RunView(const Args& args);

// Whether name is prefix + two digits + ".pzl"; the digits go to *number.
bool MatchesNumberedName(const std::string& name, const std::string& prefix, int* number);
// The level number in a file name "LevelNN.pzl" (any folder), else 0.
int LevelNumberOf(const std::string& path);
// "--name VALUE" anywhere in args: removed, its value in *value.
bool TakeOption(Args* args, const std::string& name, std::string* value);
// "--name" anywhere in args: removed, true when present.
bool TakeFlag(Args* args, const std::string& name);
int Usage(const char* text);

}  // namespace qv::level
