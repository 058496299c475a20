#include "platform/memory/MemoryFileSystem.h"

#include <algorithm>
#include <cctype>

#include "platform/TextCodes.h"
#include "platform/memory/NoCase.h"

struct MemoryFileSystem::Node {
    std::string name;
    uint32_t attributes = 0;
    std::string bytes;
    std::vector<std::unique_ptr<Node>> children;  // in creation order

    bool IsDirectory() const { return (attributes & win::FileAttributeDirectory) != 0; }
    bool IsReadOnly() const { return (attributes & win::FileAttributeReadOnly) != 0; }

    Node* Child(const std::string& childName) const {
        for (const auto& child : children)
            if (SameNoCase(child->name, childName)) return child.get();
        return nullptr;
    }
    // A new entry goes after every existing one.
    Node* Add(std::unique_ptr<Node> child) {
        children.push_back(std::move(child));
        return children.back().get();
    }
    Node* Add(const std::string& childName, uint32_t childAttributes) {
        auto child = std::make_unique<Node>();
        child->name = childName;
        child->attributes = childAttributes;
        return Add(std::move(child));
    }
    std::unique_ptr<Node> Take(const Node* child) {
        const auto at = std::find_if(children.begin(), children.end(),
                                     [child](const std::unique_ptr<Node>& c) { return c.get() == child; });
        std::unique_ptr<Node> taken = std::move(*at);
        children.erase(at);
        return taken;
    }
    std::vector<const Node*> Listing(bool sortedByName) const {
        std::vector<const Node*> listing;
        for (const auto& child : children) listing.push_back(child.get());
        if (sortedByName)
            std::stable_sort(listing.begin(), listing.end(),
                             [](const Node* a, const Node* b) { return UpperCase(a->name) < UpperCase(b->name); });
        return listing;
    }
};

namespace {

// The drive and the names of an absolute path, "." and ".." resolved; false
// for a path without a drive (the memory world has no current directory).
bool SplitPath(const std::string& path, std::vector<std::string>& parts) {
    parts.clear();
    std::string part;
    auto flush = [&] {
        if (part == "..") {
            if (parts.size() > 1) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        part.clear();
    };
    for (char c : path) {
        if (c == '\\' || c == '/')
            flush();
        else
            part += c;
    }
    flush();
    return !parts.empty() && parts[0].size() == 2 && parts[0][1] == ':' &&
           std::isalpha(static_cast<unsigned char>(parts[0][0]));
}

bool Glob(const std::string& pattern, const std::string& name) {
    std::string::size_type p = 0, n = 0, star = std::string::npos, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

// Wildcards as Windows reads them: a trailing ".*" also matches a name
// without an extension, so "*.*" matches every name.
bool MatchesName(const std::string& pattern, const std::string& name) {
    const std::string p = UpperCase(pattern), n = UpperCase(name);
    if (Glob(p, n)) return true;
    return p.size() >= 2 && p.compare(p.size() - 2, 2, ".*") == 0 && Glob(p.substr(0, p.size() - 2), n);
}

// A path whose last name is a device's ("C:\\S\\NUL.lnk") opens the device,
// wherever it lies: what is written there is gone, and no entry is made.
bool NamesDeviceAt(const std::string& path) {
    return NamesDevice(path.substr(path.find_last_of("\\/") + 1));
}

std::string ParentPath(const std::string& path) {
    const std::string::size_type slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// The C library's text mode: "\n" is written as "\r\n"; reading turns "\r\n"
// back into "\n" and ends at a Ctrl+Z.
std::string ToDisk(const std::string& text) {
    std::string bytes;
    for (char c : text) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    return bytes;
}

// Code page 1252 in UTF-8: Latin-1 but for the 32 bytes from 0x80 (five
// of them unassigned, read as themselves, as Windows does).
std::string FromCodePage1252(const std::string& text) {
    static const unsigned short high[32] = {
        0x20AC, 0x81, 0x201A, 0x192, 0x201E, 0x2026, 0x2020, 0x2021, 0x2C6, 0x2030, 0x160, 0x2039, 0x152, 0x8D, 0x17D, 0x8F,
        0x90, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x2DC, 0x2122, 0x161, 0x203A, 0x153, 0x9D, 0x17E, 0x178};
    std::string utf8;
    for (char c : text) {
        const unsigned byte = static_cast<unsigned char>(c);
        AppendUtf8(utf8, byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : byte);
    }
    return utf8;
}

std::string FromDisk(const std::string& bytes) {
    std::string text;
    for (std::string::size_type i = 0; i < bytes.size() && bytes[i] != '\x1A'; ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        text += bytes[i];
    }
    return text;
}

// A stream of fopen. What is written reaches the file when Close flushes it;
// a Write that fails loses its own text only, and the stream then reports
// the failure at Close as well, so a caller that checks either learns of it.
class MemoryTextFile : public ITextFile {
public:
    MemoryTextFile(MemoryFileSystem& files, Faults& faults, std::string path, std::string input, bool canRead,
                   bool canWrite)
        : m_files(files), m_faults(faults), m_path(std::move(path)), m_input(std::move(input)),
          m_canRead(canRead), m_canWrite(canWrite) {}
    ~MemoryTextFile() override {
        if (!m_closed) Close();
    }

    bool ReadLine(std::string& line) override {
        if (!m_canRead || m_next >= m_input.size()) return false;
        const std::string::size_type end = m_input.find('\n', m_next);
        const std::string::size_type stop = end == std::string::npos ? m_input.size() : end + 1;
        line = m_input.substr(m_next, stop - m_next);
        m_next = stop;
        if (!m_files.ansiCodePage && !IsUtf8(line)) line = FromCodePage1252(line);
        return true;
    }

    bool Write(const std::string& text) override {
        if (!m_canWrite || m_closed) return false;
        if (m_faults.Hit(Fault::Write, m_path)) {
            m_failed = true;
            return false;
        }
        m_pending += ToDisk(text);
        return true;
    }

    // A flush that fails at close (a full disk) leaves the file as it was
    // before the stream's text.
    bool Close() override {
        if (m_closed) return false;
        m_closed = true;
        if (m_canWrite && m_faults.Hit(Fault::Close, m_path)) {
            m_pending.clear();
            return false;
        }
        if (m_pending.empty()) return !m_failed;
        std::string bytes;
        m_files.ReadBytes(m_path, bytes);
        const bool written = m_files.WriteBytes(m_path, bytes + m_pending);
        m_pending.clear();
        return written && !m_failed;
    }

private:
    MemoryFileSystem& m_files;
    Faults& m_faults;
    const std::string m_path;
    const std::string m_input;
    std::string::size_type m_next = 0;
    std::string m_pending;
    const bool m_canRead, m_canWrite;
    bool m_failed = false;
    bool m_closed = false;
};

}  // namespace

MemoryFileSystem::MemoryFileSystem(Faults& faults, std::string modulePath, std::string windowsDirectory)
    : m_faults(faults), m_modulePath(std::move(modulePath)), m_windowsDirectory(std::move(windowsDirectory)),
      m_root(std::make_unique<Node>()) {
    m_root->attributes = win::FileAttributeDirectory;
}

MemoryFileSystem::~MemoryFileSystem() = default;

MemoryFileSystem::Node* MemoryFileSystem::NodeAt(const std::string& path) const {
    std::vector<std::string> parts;
    if (!SplitPath(path, parts)) return nullptr;
    Node* node = m_root.get();
    for (const std::string& part : parts) {
        if (!node->IsDirectory()) return nullptr;
        node = node->Child(part);
        if (!node) return nullptr;
    }
    return node;
}

MemoryFileSystem::Node* MemoryFileSystem::ParentOf(const std::string& path, std::string& leaf) const {
    std::vector<std::string> parts;
    if (!SplitPath(path, parts) || parts.size() < 2) return nullptr;
    leaf = parts.back();
    Node* node = m_root.get();
    for (std::vector<std::string>::size_type i = 0; i + 1 < parts.size(); ++i) {
        node = node->Child(parts[i]);
        if (!node || !node->IsDirectory()) return nullptr;
    }
    return node;
}

void MemoryFileSystem::AddDirectory(const std::string& path) {
    std::vector<std::string> parts;
    if (!SplitPath(path, parts)) return;
    Node* node = m_root.get();
    for (const std::string& part : parts) {
        Node* child = node->Child(part);
        node = child ? child : node->Add(part, win::FileAttributeDirectory);
    }
}

void MemoryFileSystem::AddFile(const std::string& path, const std::string& bytes, uint32_t attributes) {
    AddDirectory(ParentPath(path));
    std::string leaf;
    Node* parent = ParentOf(path, leaf);
    if (!parent) return;
    Node* file = parent->Child(leaf);
    if (!file) file = parent->Add(leaf, 0);
    file->attributes = attributes & ~win::FileAttributeDirectory;
    file->bytes = bytes;
}

bool MemoryFileSystem::Exists(const std::string& path) const {
    return NodeAt(path) != nullptr;
}

std::string MemoryFileSystem::Contents(const std::string& path) const {
    std::string bytes;
    ReadBytes(path, bytes);
    return bytes;
}

void MemoryFileSystem::SetAttributes(const std::string& path, uint32_t attributes) {
    Node* node = NodeAt(path);
    if (!node) return;
    node->attributes = (attributes & ~win::FileAttributeDirectory) | (node->attributes & win::FileAttributeDirectory);
}

std::vector<std::string> MemoryFileSystem::Names(const std::string& directory) const {
    std::vector<std::string> names;
    const Node* node = NodeAt(directory);
    if (!node || !node->IsDirectory()) return names;
    for (const Node* child : node->Listing(m_sortedByName)) names.push_back(child->name);
    return names;
}

void MemoryFileSystem::SetSortedByName(bool sorted) {
    m_sortedByName = sorted;
}

// The fault applies to the searched directory or to the whole pattern.
bool MemoryFileSystem::Search(const std::string& pattern, std::vector<FileEntry>& found) {
    found.clear();
    const std::string::size_type slash = pattern.find_last_of("\\/");
    if (slash == std::string::npos || slash + 1 == pattern.size()) return false;
    const std::string directory = pattern.substr(0, slash);
    if (m_faults.Hit(Fault::Find, {directory, pattern})) return false;
    const Node* node = NodeAt(directory);
    if (!node || !node->IsDirectory()) return false;
    const std::string leaf = pattern.substr(slash + 1);
    const std::string prefix = pattern.substr(0, slash + 1);
    for (const Node* child : node->Listing(m_sortedByName))
        if (MatchesName(leaf, child->name)) found.push_back({child->name, prefix + child->name, child->attributes});
    return true;
}

// A copy onto an existing file rewrites that file where it stands in its
// directory; a new file goes last. The copy takes the source's attributes.
bool MemoryFileSystem::Copy(const std::string& from, const std::string& to, bool failIfExists) {
    if (m_faults.Hit(Fault::Copy, to) || Refused(to)) return false;
    const Node* source = NodeAt(from);
    if (!source || source->IsDirectory()) return false;
    if (NamesDeviceAt(to)) return true;
    std::string leaf;
    Node* parent = ParentOf(to, leaf);
    if (!parent) return false;
    Node* target = parent->Child(leaf);
    if (target) {
        const uint32_t refused = win::FileAttributeReadOnly | win::FileAttributeHidden | win::FileAttributeDirectory;
        if (target == source || failIfExists || (target->attributes & refused) != 0) return false;
    } else {
        target = parent->Add(leaf, 0);
    }
    target->bytes = source->bytes;
    target->attributes = source->attributes;
    return true;
}

bool MemoryFileSystem::Remove(const std::string& path) {
    if (m_faults.Hit(Fault::Remove, path) || Refused(path)) return false;
    std::string leaf;
    Node* parent = ParentOf(path, leaf);
    const Node* file = parent ? parent->Child(leaf) : nullptr;
    if (!file || file->IsDirectory() || file->IsReadOnly()) return false;
    parent->Take(file);
    return true;
}

bool MemoryFileSystem::MakeDirectory(const std::string& path) {
    if (m_faults.Hit(Fault::MakeDirectory, path) || NamesDeviceAt(path) || Refused(path)) return false;
    std::string leaf;
    Node* parent = ParentOf(path, leaf);
    if (!parent || parent->Child(leaf)) return false;
    parent->Add(leaf, win::FileAttributeDirectory);
    return true;
}

bool MemoryFileSystem::RemoveEmptyDirectory(const std::string& path) {
    if (m_faults.Hit(Fault::RemoveDirectory, path)) return false;
    std::string leaf;
    Node* parent = ParentOf(path, leaf);
    const Node* directory = parent ? parent->Child(leaf) : nullptr;
    if (!directory || !directory->IsDirectory() || directory->IsReadOnly() || !directory->children.empty())
        return false;
    parent->Take(directory);
    return true;
}

// As the file system does it: the destination is deleted and the source's
// entry renamed, so within one directory the file takes the source's place,
// and moved to another directory it goes last there.
bool MemoryFileSystem::ReplaceWith(const std::string& from, const std::string& to) {
    if (m_faults.Hit(Fault::Replace, to) || NamesDeviceAt(to) || Refused(from) || Refused(to)) return false;
    std::string fromLeaf, toLeaf;
    Node* fromParent = ParentOf(from, fromLeaf);
    Node* toParent = ParentOf(to, toLeaf);
    Node* source = fromParent ? fromParent->Child(fromLeaf) : nullptr;
    if (!source || source->IsDirectory() || !toParent) return false;
    const Node* target = toParent->Child(toLeaf);
    if (target == source) return false;
    if (target && (target->IsDirectory() || target->IsReadOnly())) return false;
    if (target) toParent->Take(target);
    source->name = toLeaf;
    if (fromParent != toParent) toParent->Add(fromParent->Take(source));
    return true;
}

// Modes "r", "w", "w+", "a" and "a+"; "w" empties the file and "a" creates
// it at once, as fopen does; reading starts at the beginning.
std::unique_ptr<ITextFile> MemoryFileSystem::OpenText(const std::string& path, const std::string& mode) {
    if (mode.empty() || mode.find_first_not_of("rwa+t") != std::string::npos) return nullptr;
    const char kind = mode[0];
    const bool plus = mode.find('+') != std::string::npos;
    if ((kind != 'r' && kind != 'w' && kind != 'a') || (kind == 'r' && plus)) return nullptr;
    if (m_faults.Hit(Fault::Open, path)) return nullptr;
    const Node* existing = NodeAt(path);
    if (existing && existing->IsDirectory()) return nullptr;
    std::string bytes;
    if (kind == 'r') {
        if (!existing) return NamesDeviceAt(path) ? std::make_unique<MemoryTextFile>(*this, m_faults, path, "", true, false)
                                                  : nullptr;
        bytes = existing->bytes;
    } else if (kind == 'w') {
        if (!WriteBytes(path, "")) return nullptr;
    } else {
        if (existing) bytes = existing->bytes;
        if (!WriteBytes(path, bytes)) return nullptr;
    }
    const bool canRead = kind == 'r' || plus;
    return std::make_unique<MemoryTextFile>(*this, m_faults, path, canRead ? FromDisk(bytes) : std::string(),
                                            canRead, kind != 'r');
}

void MemoryFileSystem::DenyWritesUnder(const std::string& folder) {
    m_readOnlyFolders.push_back(UpperCase(folder.back() == '\\' ? folder : folder + "\\"));
}

bool MemoryFileSystem::Refused(const std::string& path) const {
    const std::string upper = UpperCase(path);
    for (const std::string& folder : m_readOnlyFolders)
        if (upper.compare(0, folder.size(), folder) == 0) return true;
    return false;
}

std::string MemoryFileSystem::ModulePath() {
    return m_modulePath;
}

std::string MemoryFileSystem::WindowsDirectory() {
    return m_windowsDirectory;
}

std::string MemoryFileSystem::FindProgram(const std::string& name) {
    if (name.empty() || name.find_first_of("\\/:") != std::string::npos) return std::string();
    const std::string file = name.find('.') == std::string::npos ? name + ".exe" : name;
    for (const std::string& directory : {ParentPath(m_modulePath), m_windowsDirectory + "\\SYSTEM32",
                                         m_windowsDirectory + "\\SYSTEM", m_windowsDirectory}) {
        const Node* found = NodeAt(directory + "\\" + file);
        if (found && !found->IsDirectory()) return directory + "\\" + file;
    }
    return std::string();
}

bool MemoryFileSystem::WriteBytes(const std::string& path, const std::string& bytes) {
    std::string leaf;
    Node* parent = ParentOf(path, leaf);
    if (!parent || Refused(path)) return false;
    if (NamesDevice(leaf)) return true;
    Node* file = parent->Child(leaf);
    if (file && (file->IsDirectory() || file->IsReadOnly())) return false;
    if (!file) file = parent->Add(leaf, win::FileAttributeArchive);
    file->bytes = bytes;
    return true;
}

bool MemoryFileSystem::ReadBytes(const std::string& path, std::string& bytes) const {
    if (NamesDeviceAt(path)) {
        bytes.clear();  // as NUL reads
        return true;
    }
    const Node* file = NodeAt(path);
    if (!file || file->IsDirectory()) return false;
    bytes = file->bytes;
    return true;
}
