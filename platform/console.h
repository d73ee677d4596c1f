// What the command line needs of the operating system: the arguments as
// UTF-8, paths from UTF-8, and output that reaches the one who started the
// program.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The arguments after the program's name, as UTF-8 whatever the system's
// code page (Windows hands main them in its ANSI code page).
std::vector<std::string> PlatformArguments(int argc, char** argv);
// The path named by UTF-8 text.
std::filesystem::path PlatformPathFromUtf8(const std::string& text);
// Makes standard output and error reach the console the program was started
// from, where the program has none of its own (a Windows program without a
// console window), unless they were sent elsewhere. Elsewhere nothing to do.
void PlatformAttachConsole();
