#pragma once
// Checks of a finished .docx by readers we did not write: the zip tool and libxml2.

#include <string>
#include <vector>

// "" when `unzip -t` finds the archive sound, else what it printed.
std::string ZipTestProblems(const std::string& docx);
// Unpacks the archive into the folder with the zip tool; false when it fails.
bool Unpack(const std::string& docx, const std::string& folder);

struct LinkReport {
    std::vector<std::string> problems;
    size_t bookmarks = 0;
    size_t links = 0;
};
// The bookmarks of a document part (ids unique and each ended after it starts, names unique and
// at most 40 characters) and its internal links (every HYPERLINK \l field and every hyperlink
// anchor names a bookmark of the part).
LinkReport CheckLinks(const std::string& documentXml);

// Tables that readers lay out apart from what the writer meant: a row whose cells span another
// number of grid columns than the table's grid has, or a table that directly follows another
// (readers join the two). Each problem names the table by its place in the document.
std::vector<std::string> TableProblems(const std::string& documentXml);

// The text of each page of a PDF, as pdftotext reads it (in `layout`, text that stands on one
// line of the page stays on one line); nothing when it cannot.
std::vector<std::string> PdfPageTexts(const std::string& pdf, bool layout = false);
// The text without any white space, so a line broken differently still matches.
std::string Squeezed(const std::string& text);
