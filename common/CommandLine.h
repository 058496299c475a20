#pragma once
// Splitting a registry command line into program and arguments.
#include <string>

// True when arguments were found. The first rule that applies decides:
// - a program in double quotes: the quoted text, and the rest, trimmed, as
//   the arguments;
// - a program extension (.EXE .COM .BAT .CMD .PIF .LNK, any case) followed
//   by a blank or the end: the program ends there, the rest, trimmed, is the
//   arguments;
// - the first "/", else the first "-": the program before it (trailing
//   blanks trimmed), the arguments from it on;
// - the first ".": arguments receives the text after it; with a blank in
//   that text, the program is the text before the blank and the arguments
//   the rest, trimmed; without one the result is false, program unwritten;
// - otherwise false, neither output written.
bool SplitCommandLine(const std::string& commandLine, std::string& program, std::string& arguments);
