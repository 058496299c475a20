#pragma once
// Comma-separated lines as RFC 4180 has them: a field with a comma, a
// double quote, a line break or a blank at either end is quoted, a quote
// inside doubled.
#include <string>
#include <vector>

// Adds the field to the line, after a comma unless it is the first.
void AddCsvField(std::string& line, const std::string& field, bool first = false);
// The fields as one line, without its line end.
std::string CsvLine(const std::vector<std::string>& fields);
// A line as CsvLine writes it (its line end, if any, already taken off).
// False for a quote left open or text after a closing quote: a field
// cannot go on past its line here.
bool ReadCsvLine(const std::string& line, std::vector<std::string>& fields);
