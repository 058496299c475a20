#include "common/Csv.h"

void AddCsvField(std::string& line, const std::string& field, bool first) {
    if (!first) line += ',';
    // Leading or trailing blanks are kept by the format, but not by every
    // reader that trims.
    if (field.find_first_of(",\"\r\n") == std::string::npos &&
        (field.empty() || (field.front() != ' ' && field.back() != ' '))) {
        line += field;
        return;
    }
    line += '"';
    for (char c : field) line.append(c == '"' ? 2 : 1, c);
    line += '"';
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) AddCsvField(line, fields[i], i == 0);
    return line;
}

bool ReadCsvLine(const std::string& line, std::vector<std::string>& fields) {
    fields.assign(1, std::string());
    for (std::size_t at = 0; at < line.size(); ++at) {
        const char c = line[at];
        if (c == ',') {
            fields.emplace_back();
        } else if (c == '"' && fields.back().empty()) {
            // A quoted field runs to the quote that no second quote follows.
            for (++at;; ++at) {
                if (at >= line.size()) return false;
                if (line[at] == '"') {
                    if (at + 1 < line.size() && line[at + 1] == '"') {
                        ++at;
                    } else {
                        break;
                    }
                }
                fields.back() += line[at];
            }
            if (at + 1 < line.size() && line[at + 1] != ',') return false;
        } else if (c == '"') {
            return false;
        } else {
            fields.back() += c;
        }
    }
    return true;
}
