#include "common/ManagedItems.h"

bool ReadManagedItems(IFileSystem& files, const std::vector<FileEntry>& folder, const std::string& iniPath,
                      std::vector<ManagedItem>& items, IMessageBoxes* configuration, InfoOpen open) {
    const ItemNames names = NamesOf(folder);
    std::vector<PairedItem> paired;
    const bool read = configuration != nullptr
                          ? ReadManagerInfoFor(files, *configuration, iniPath, names.titles, paired, names.files, open)
                          : ReadWaitTimes(files, iniPath, names.titles, paired, names.files);
    items.clear();
    for (std::size_t item : ManagerOrder(paired)) items.push_back({folder[item], paired[item].fields, paired[item].line});
    return read;
}
