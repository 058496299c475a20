#include "common/CommandLine.h"

#include "common/TextHelpers.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Gives the program and the rest, trimmed, as the arguments.
bool SplitAt(const std::string& commandLine, std::string::size_type programEnd, std::string& program,
             std::string& arguments) {
    program = commandLine.substr(0, programEnd);
    arguments = Trim(commandLine.substr(programEnd));
    return !arguments.empty();
}

// Where the first program extension that ends a word ends, or npos. A path
// may hold "-", "/" or "." before it ('C:\MY-APPS\A.EXE'), which the older
// rules below would cut at.
std::string::size_type ProgramExtensionEnd(const std::string& commandLine) {
    static const char* const kExtensions[] = {".EXE", ".COM", ".BAT", ".CMD", ".PIF", ".LNK"};
    const std::string upper = UpperCopy(commandLine);
    for (std::string::size_type dot = upper.find('.'); dot != std::string::npos; dot = upper.find('.', dot + 1)) {
        const std::string::size_type end = dot + 4;
        if (end > upper.size() || (end < upper.size() && !IsBlank(upper[end]))) continue;
        for (const char* extension : kExtensions)
            if (upper.compare(dot, 4, extension) == 0) return end;
    }
    return std::string::npos;
}

// At the first separator: the program before it, trailing blanks trimmed;
// the arguments from it on.
bool SplitAtSeparator(const std::string& commandLine, std::string::size_type at, std::string& program,
                      std::string& arguments) {
    SplitAt(commandLine, at, program, arguments);
    program = TrimEnd(program);
    return true;
}

}  // namespace

bool SplitCommandLine(const std::string& commandLine, std::string& program, std::string& arguments) {
    const std::string::size_type start = commandLine.find_first_not_of(" \t");
    if (start == std::string::npos) return false;
    if (commandLine[start] == '"') {
        // An unclosed quote runs to the end, as CreateProcess reads it.
        const std::string::size_type close = commandLine.find('"', start + 1);
        program = commandLine.substr(start + 1, close == std::string::npos ? std::string::npos : close - start - 1);
        arguments = close == std::string::npos ? "" : Trim(commandLine.substr(close + 1));
        return !arguments.empty();
    }
    // Blanks before the program are no part of its path.
    const std::string line = commandLine.substr(start);
    const std::string::size_type extensionEnd = ProgramExtensionEnd(line);
    if (extensionEnd != std::string::npos) return SplitAt(line, extensionEnd, program, arguments);

    for (char separator : {'/', '-'}) {
        const std::string::size_type at = line.find(separator);
        if (at != std::string::npos) return SplitAtSeparator(line, at, program, arguments);
    }

    const std::string::size_type dot = line.find('.');
    if (dot == std::string::npos) return false;
    arguments = line.substr(dot + 1);
    const std::string::size_type blank = arguments.find(' ');
    if (blank == std::string::npos) return false;
    return SplitAt(line, dot + 1 + blank, program, arguments);
}
