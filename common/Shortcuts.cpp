#include "common/Shortcuts.h"

#include "common/CommandLine.h"
#include "common/PathHelpers.h"
#include "common/TextHelpers.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/ShellLinks.h"
#include "platform/WinValues.h"

static const char kComFailed[] = "Error initializing the COM library.";

bool ReadShortcut(IShellLinks& links, IMessageBoxes& messages, const std::string& path, std::string& target,
                  std::string& arguments, std::string& workingDirectory, std::string& description) {
    if (!links.InitializeCom()) {
        messages.Show(kComFailed, win::MbIconExclamation);
        return false;
    }
    ShortcutFields fields;
    const bool loaded = links.Load(path, fields);
    links.UninitializeCom();
    if (!loaded) return false;
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
    if (!links.InitializeCom()) {
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

    std::string path = directory + name + ".lnk";
    FileEntry existing;
    while (files.Lookup(path, existing)) {
        name = NextUniqueName(existing.Title());
        path = directory + name + ".lnk";
    }

    // The program's own directory: a working directory that does not exist
    // keeps the shortcut from launching.
    const bool saved = WriteShortcut(links, program, arguments, DirectoryOf(program), path, "");
    links.UninitializeCom();
    return saved;
}
