#include "common/WholeFile.h"

#include "common/ManagerInfo.h"
#include "platform/FileSystem.h"

LinesRead ReadLines(IFileSystem& files, const std::string& path, std::vector<std::string>& lines) {
    if (ReadManagerLines(files, path, "r", lines)) return LinesRead::Read;
    FileEntry entry;
    return files.Lookup(path, entry) ? LinesRead::Unreadable : LinesRead::Missing;
}

WholeFile WriteWholeFile(IFileSystem& files, const std::string& path, const std::vector<std::string>& lines) {
    const std::string scratch = path + ".new";
    std::unique_ptr<ITextFile> file = files.OpenText(scratch, "w");
    if (!file) return WholeFile::NotOpened;
    bool written = true;
    for (const std::string& line : lines) {
        written = file->Write(line + "\n");
        if (!written) break;
    }
    written = file->Close() && written;
    file.reset();
    if (written && files.ReplaceWith(scratch, path)) return WholeFile::Written;
    files.Remove(scratch);
    return WholeFile::NotWritten;
}
