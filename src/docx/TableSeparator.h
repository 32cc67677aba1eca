#pragma once
// Readers join a table that follows another directly into one table, the second taking the
// first's borders; a table about to start there is kept apart by a paragraph one point high.

#include <string>
#include <string_view>

namespace docx {

// True when the text, blanks aside, ends with a table.
bool EndsWithTable(std::string_view xml);
// Appends the separating paragraph when the text ends with a table.
void KeepApartFromTable(std::string& xml);

} // namespace docx
