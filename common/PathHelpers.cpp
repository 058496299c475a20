#include "common/PathHelpers.h"

#include "platform/FileSystem.h"

std::string FileNameOf(const std::string& path) {
    const std::string::size_type slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string DirectoryOf(const std::string& path) {
    const std::string::size_type slash = path.rfind('\\');
    if (slash == std::string::npos) return "";
    std::string directory = path.substr(0, slash);
    if (directory.size() == 2 && directory[1] == ':') directory += '\\';
    return directory;
}

std::string ExtensionOf(const std::string& path) {
    const std::string::size_type dot = path.rfind('.');
    if (dot == std::string::npos) return "";
    const std::string extension = path.substr(dot + 1, 4);
    return extension.substr(0, extension.find(' '));
}

std::string ProgramDirectory(IFileSystem& files) {
    return DirectoryOf(files.ModulePath());
}

std::string TitleOf(const std::string& path) {
    const std::string name = FileNameOf(path);
    const std::string::size_type dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string PathIn(const std::string& folder, const std::string& name) {
    return !folder.empty() && folder.back() == '\\' ? folder + name : folder + '\\' + name;
}

std::string BesidePath(const std::string& path, const std::string& name) {
    const std::string dir = DirectoryOf(path);
    return dir.empty() ? name : PathIn(dir, name);
}
