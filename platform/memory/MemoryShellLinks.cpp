#include "platform/memory/MemoryShellLinks.h"

#include "platform/memory/MemoryFileSystem.h"

// A shortcut file holds a signature line and then each field as its length
// in decimal, a line feed, and its bytes; a show state other than normal
// follows as a fifth field.
namespace {

const std::string Signature = "ORVANE-MEMORY-SHORTCUT\n";
constexpr std::string::size_type FieldLimit = 259;  // the shell-link object's 260-character buffers

void PutField(std::string& bytes, const std::string& field) {
    bytes += std::to_string(field.size()) + "\n" + field;
}

bool TakeField(const std::string& bytes, std::string::size_type& at, std::string& field) {
    const std::string::size_type end = bytes.find('\n', at);
    if (end == std::string::npos || end == at) return false;
    std::string::size_type length = 0;
    for (std::string::size_type i = at; i < end; ++i) {
        if (bytes[i] < '0' || bytes[i] > '9') return false;
        length = length * 10 + static_cast<std::string::size_type>(bytes[i] - '0');
        if (length > bytes.size()) return false;
    }
    if (bytes.size() - (end + 1) < length) return false;
    field = bytes.substr(end + 1, length).substr(0, FieldLimit);
    at = end + 1 + length;
    return true;
}

}  // namespace

MemoryShellLinks::MemoryShellLinks(Faults& faults, MemoryFileSystem& files) : m_faults(faults), m_files(files) {}

bool MemoryShellLinks::InitializeCom() {
    if (m_faults.Hit(Fault::ComInitialize, "")) return false;
    ++m_comDepth;
    return true;
}

void MemoryShellLinks::UninitializeCom() {
    if (m_comDepth > 0) --m_comDepth;
}

// Without COM initialised the shell-link object cannot be created, as on Windows.
bool MemoryShellLinks::Load(const std::string& path, ShortcutFields& fields) {
    if (m_comDepth == 0 || m_faults.Hit(Fault::LinkLoad, path)) return false;
    std::string bytes;
    if (!m_files.ReadBytes(path, bytes) || bytes.compare(0, Signature.size(), Signature) != 0) return false;
    ShortcutFields read;
    std::string::size_type at = Signature.size();
    if (!TakeField(bytes, at, read.target) || !TakeField(bytes, at, read.arguments) ||
        !TakeField(bytes, at, read.workingDirectory) || !TakeField(bytes, at, read.description))
        return false;
    for (const std::string& each : advertised) read.advertised = read.advertised || each == path;
    std::string show;
    if (at != bytes.size() && (!TakeField(bytes, at, show) || show.empty() || show.size() > 2 || at != bytes.size()))
        return false;
    for (std::size_t i = 0; i < show.size(); ++i) {
        if (show[i] < '0' || show[i] > '9') return false;
        read.show = (i == 0 ? 0 : read.show * 10) + (show[i] - '0');
    }
    fields = read;
    return true;
}

bool MemoryShellLinks::Save(const std::string& path, const ShortcutFields& fields) {
    if (m_comDepth == 0 || m_faults.Hit(Fault::LinkSave, path)) return false;
    std::string bytes = Signature;
    PutField(bytes, fields.target);
    PutField(bytes, fields.arguments);
    PutField(bytes, fields.workingDirectory);
    PutField(bytes, fields.description);
    if (fields.show != 1) PutField(bytes, std::to_string(fields.show));
    return m_files.WriteBytes(path, bytes);
}
