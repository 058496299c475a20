#pragma once
// Splitting a registry command line into program and arguments.
#include <string>

// True when arguments were found. The first rule that applies decides:
// a program in double quotes (the quoted text; the rest, trimmed, is the
// arguments); a program extension (.EXE .COM .BAT .CMD .PIF .LNK, any case)
// followed by a blank or the end, where the program ends; then the first
// "/", the first "-", the first "." followed later by a blank. Outputs are
// written only when a rule gives them (see CommandLine.cpp).
bool SplitCommandLine(const std::string& commandLine, std::string& program, std::string& arguments);
