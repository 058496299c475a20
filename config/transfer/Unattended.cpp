#include "config/transfer/Unattended.h"

#include <algorithm>
#include <memory>

int UnattendedMessages::Show(const std::string& text, unsigned) {
    said.push_back(text);
    return win::IdOk;
}

bool UnattendedAnswers::Answer(const BoxQuestion& question) {
    m_said.push_back(question.text);
    return false;
}

void AddTexts(std::string& report, std::vector<std::string>& said) {
    for (const std::string& text : said) {
        std::size_t at = 0;
        while (at <= text.size()) {
            const std::size_t end = std::min(text.find('\n', at), text.size());
            if (end > at) report.append("    ").append(text, at, end - at).append("\n");
            at = end + 1;
        }
    }
    said.clear();
}

void WriteReport(IFileSystem& files, const std::string& path, bool wanted, const std::string& text) {
    FileEntry entry;
    if (!wanted) {
        if (files.Lookup(path, entry)) files.Remove(path);
    } else if (std::unique_ptr<ITextFile> file = files.OpenText(path, "w")) {
        file->Write(text);
        file->Close();
    }
}
