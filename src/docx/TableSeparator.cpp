#include "docx/TableSeparator.h"

namespace docx {
namespace {

constexpr std::string_view kTableEnd = "</w:tbl>";
// Exactly one point high and off the document grid, so it neither shows nor moves a page.
constexpr std::string_view kSeparator =
    "<w:p><w:pPr><w:snapToGrid w:val=\"0\" /><w:spacing w:before=\"0\" w:after=\"0\" w:line=\"20\" "
    "w:lineRule=\"exact\" /><w:rPr><w:sz w:val=\"2\" /><w:szCs w:val=\"2\" /></w:rPr></w:pPr></w:p>\n";

} // namespace

bool EndsWithTable(std::string_view xml)
{
    const size_t last = xml.find_last_not_of(" \t\r\n");
    return last != std::string_view::npos && xml.substr(0, last + 1).ends_with(kTableEnd);
}

void KeepApartFromTable(std::string& xml)
{
    if (EndsWithTable(xml))
        xml += kSeparator;
}

} // namespace docx
