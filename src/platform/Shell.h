#pragma once

namespace qv {

class ShellClient;
struct ShellConfig;

// Runs the client until it asks to quit, the window closes, Ctrl+Q or
// SIGTERM: windowed and paced, or headless from a script. Returns the exit
// code: 0 on a normal end, non-zero when the display or the script fails.
int RunShell(ShellClient& client, const ShellConfig& config);

// Set by SIGTERM and SIGINT; the loops end through the normal shutdown.
bool TerminationRequested();
void InstallTerminationHandlers();

}  // namespace qv
