#include "common/Shortcuts.h"

#include <vector>

#include "common/CommandLine.h"
#include "common/ComScope.h"
#include "common/PathHelpers.h"
#include "common/TextHelpers.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/ShellLinks.h"
#include "platform/WinValues.h"

namespace {

const char kComFailed[] = "Error initializing the COM library.";

// A program named without its extension ('RUNDLL32 X.DLL,Entry') is the
// first word of the line, as Windows reads it; the split would otherwise give
// a target holding blanks, which goes back into the registry quoted whole,
// and which the shell resolves against the current folder. A target with
// blanks that names a file, or that came out of quotes, stays as it is.
void TakeProgramWithoutExtension(IFileSystem& files, const std::string& commandLine, std::string& program,
                                 std::string& arguments) {
    const std::string line = Trim(commandLine);
    if (program.find(' ') == std::string::npos || line.empty() || line[0] == '"') return;
    FileEntry entry;
    if (files.Lookup(program, entry) || files.Lookup(program + ".EXE", entry)) return;
    const std::string::size_type blank = line.find(' ');
    program = line.substr(0, blank);
    arguments = Trim(line.substr(blank));
}

}  // namespace

std::string ShortcutTitleFor(const std::string& valueName) {
    std::string title = valueName;
    for (char& c : title)
        if (std::string("\\/:*?\"<>|").find(c) != std::string::npos) c = '_';
    if (title.find_first_not_of(". ") == std::string::npos) return "Unnamed";
    // "NUL.lnk" or "Com1.lnk" would be written to the device and lost.
    if (NamesDevice(title + ".lnk")) return "_" + title;
    return title;
}

bool ReadShortcut(IShellLinks& links, IMessageBoxes& messages, const std::string& path, std::string& target,
                  std::string& arguments, std::string& workingDirectory, std::string& description) {
    const ComScope com(links);
    if (!com.Started()) {
        messages.Show(kComFailed, win::MbIconExclamation);
        return false;
    }
    ShortcutFields fields;
    if (!links.Load(path, fields)) return false;
    target = fields.target;
    arguments = fields.arguments;
    workingDirectory = fields.workingDirectory;
    description = fields.description;
    return true;
}

bool WriteShortcut(IShellLinks& links, const std::string& target, const std::string& arguments,
                   const std::string& workingDirectory, const std::string& path, const std::string& description) {
    return links.Save(path, ShortcutFields{target, arguments, workingDirectory, description});
}

bool CreateShortcutFromCommandLine(IFileSystem& files, IShellLinks& links, IMessageBoxes& owner, std::string& name,
                                   const std::string& commandLine, const std::string& directory) {
    const ComScope com(links);
    if (!com.Started()) {
        owner.Show(kComFailed, win::MbOk);
        return false;
    }
    std::string program, arguments;
    if (!SplitCommandLine(commandLine, program, arguments)) {
        // Without arguments the target is the whole line, unless the split
        // took a program out of quotes or before trailing blanks.
        if (program.empty()) program = commandLine;
        arguments.clear();
    }
    TakeProgramWithoutExtension(files, commandLine, program, arguments);
    // Windows starts a program named without its folder from the search
    // path; the shell link would read it against the current folder.
    if (program.find_first_of("\\/:") == std::string::npos) {
        const std::string found = files.FindProgram(program);
        if (!found.empty()) program = found;
    }

    // A value name is anybody's text: it must not lead the file elsewhere.
    name = ShortcutTitleFor(name);
    std::string path = directory + name + ".lnk";
    // Saving a shortcut replaces a file of its name: where the folder cannot
    // tell whether one is there, nothing is written.
    std::vector<FileEntry> existing;
    for (;;) {
        if (!files.Search(path, existing)) return false;
        if (existing.empty()) break;
        name = NextUniqueName(name);
        path = directory + name + ".lnk";
    }

    // The program's own directory: a working directory that does not exist
    // keeps the shortcut from launching.
    return WriteShortcut(links, program, arguments, DirectoryOf(program), path, "");
}
