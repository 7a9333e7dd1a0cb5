// The command line that WinMain receives, rebuilt from the arguments a process is started with.
#pragma once

#include <string>

// The arguments after the program's name as one line, the way Windows hands it over: separated
// by single spaces, and quoted where needed so that the line splits back into the same words.
std::string winapi_command_line(int argc, const char* const* argv);
