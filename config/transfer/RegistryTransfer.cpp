#include "config/transfer/RegistryTransfer.h"

#include "common/MoveQuestions.h"
#include "common/PathHelpers.h"
#include "common/RegistryValues.h"
#include "common/RunnerSettings.h"
#include "common/Shortcuts.h"
#include "common/TextHelpers.h"
#include "config/transfer/Confirmations.h"
#include "platform/Platform.h"

namespace {

void Warn(Platform& platform, const std::string& text) {
    platform.messages.Show(text, win::MbIconExclamation);
}

constexpr char AdministratorsOnly[] =
    "\n\nThe keys of the whole computer can only be changed by an administrator.  Start OrvaneConfig as an "
    "administrator";

// False when the key cannot be read: what is there is then unknown.
bool LookUpValue(IRegistry& registry, const ItemPlace& place, const std::string& name, bool& exists) {
    const std::unique_ptr<IRegistryKey> key = registry.Open(place.root, place.path, RegistryAccess::Read);
    RegistryValue value;
    exists = key && key->Query(name, value);
    return key != nullptr;
}

// Windows lets only administrators change the machine's keys on NT: a key
// that can be read but not opened for writing was refused. Says so in words
// the user can act on, and true; nothing is to move then.
bool WritingRefused(Platform& platform, const ItemPlace& place, const std::string& name) {
    if (platform.registry.Open(place.root, place.path, RegistryAccess::All)) return false;
    if (!platform.registry.Open(place.root, place.path, RegistryAccess::Read)) return false;
    std::string text = name + "\n\nWindows did not allow Orvane to change this key:\n" + ShownKeyPath(place);
    if (place.root != RegistryRoot::CurrentUser)
        text += std::string(AdministratorsOnly) + ", or use the Run key of this user only, which needs no such rights.";
    text += "\n\nNothing was moved.";
    Warn(platform, text);
    return true;
}

}  // namespace

std::string RegistryCommandLine(const std::string& target, const std::string& arguments) {
    const std::string program = target.find(' ') == std::string::npos ? target : "\"" + target + "\"";
    return program + " " + arguments;
}

bool TakeRegistryValue(Platform& platform, MoveQuestions& questions, const ItemPlace& from, const std::string& directory,
                       std::string& name, const std::string& commandLine) {
    if (NamesSystray(commandLine) && !questions.AskMoveSystray()) return false;
    const std::string valueName = name;
    if (WritingRefused(platform, from, valueName)) return false;
    if (!CreateShortcutFromCommandLine(platform.files, platform.links, platform.messages, name, commandLine, directory)) {
        Warn(platform, valueName + "\n\nThere was an error creating this shortcut in this directory\n" + directory);
        return false;
    }
    if (DeleteRegistryValue(platform.registry, from.root, from.path, valueName)) return true;
    const std::string shortcut = directory + name + ".lnk";
    std::string text = valueName + "\n\nThis registry key could not be deleted.";
    // Should the new shortcut stay as well, the item is in two places: say where.
    if (!platform.files.Remove(shortcut))
        text += "\n\nIts shortcut " + shortcut + " could not be removed again.  Delete one of the two.";
    Warn(platform, text);
    return false;
}

bool CheckIsShortcut(Platform& platform, const std::string& name, const std::string& path) {
    if (UpperCopy(ExtensionOf(path)) == "LNK") return true;
    Warn(platform, name + "\n\nThis file is not a shortcut.  It cannot be moved to the registry.");
    return false;
}

RegistryMove PutShortcutInRegistry(Platform& platform, MoveQuestions& questions, const std::string& name,
                                   const std::string& path, const ItemPlace& to, std::string& commandLine,
                                   bool& replaced) {
    std::string target, arguments, workingDirectory, description;
    if (!ReadShortcut(platform.links, platform.messages, path, target, arguments, workingDirectory, description)) {
        Warn(platform, name + "\n\nThis shortcut could not be opened.  It cannot be moved.");
        return RegistryMove::NotMoved;
    }
    // The runner's own value would be overwritten at the next Close, and
    // any name the list keeps out of sight could never be seen again.
    if (to.holdsRunner && NamesRunnerValue(name)) {
        Warn(platform, name + "\n\nThe " + to.keyName + " list keeps this name for Orvane's own start-up entry.  " +
                           "Rename the item before moving it to the registry.");
        return RegistryMove::NotMoved;
    }
    const std::string writeFailed = name + "\n\nThere was an error writing to the registry.";
    // Another program's value of the same name would be lost without a word.
    if (!LookUpValue(platform.registry, to, name, replaced)) {
        Warn(platform, writeFailed);
        return RegistryMove::NotMoved;
    }
    if (WritingRefused(platform, to, name)) return RegistryMove::NotMoved;
    if (replaced && !questions.AskReplaceValue(name, to.keyName)) return RegistryMove::NotMoved;
    commandLine = RegistryCommandLine(target, arguments);
    if (!SetRegistryString(platform.registry, to.root, to.path, name, commandLine)) {
        Warn(platform, writeFailed);
        return RegistryMove::NotMoved;
    }
    if (platform.files.Remove(path)) return RegistryMove::Moved;
    Warn(platform, name + "\nThis shortcut could not be deleted.\n\n" +
                       "Since this shortcut has already been moved to the registry,\n" +
                       "this shortcut should now be deleted manually.");
    return RegistryMove::ShortcutLeft;
}

bool DeleteRegistryItem(Platform& platform, const ItemPlace& place, const std::string& name) {
    if (WritingRefused(platform, place, name)) return false;
    if (DeleteRegistryValue(platform.registry, place.root, place.path, name)) return true;
    Warn(platform, name + "\nThis registry key could not be deleted.");
    return false;
}

std::string ApprovedKeyText(const ItemPlace& place) {
    return std::string(RootName(place.approvedRoot)) + "\\" + ApprovedKeyPath(place);
}

bool CarryState(Platform& platform, const ItemPlace& place, const std::string& entryName, ApprovedWrite write) {
    if (WriteApproved(platform.registry, platform.clock, place, entryName, write)) return true;
    std::string text = entryName + "\n\nWhether Windows starts it, on or off, could not be written to:\n" + ApprovedKeyText(place);
    if (place.approvedRoot != RegistryRoot::CurrentUser) text += std::string(AdministratorsOnly) + ".";
    Warn(platform, text);
    return false;
}
