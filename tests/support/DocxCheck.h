#pragma once
// Independent checks of generated WordprocessingML: an XML parser of its own (libxml2), the
// zip tool, the Open XML schema validator (node) and LibreOffice. Tools that are not
// installed make the checks that need them skip, never pass.

#include <string>
#include <vector>

namespace docxcheck {

// "" when the text is well-formed XML, else the parser's message.
std::string XmlError(const std::string& xml);

// The thirteen parts a .docx holds, relative to the package folder.
const std::vector<std::string>& PackageParts();

// Copies the shipped skeleton package into the folder (which must not exist yet).
void CopySkeleton(const std::string& folder);

// Zips the package parts of the folder into the .docx with the zip tool; false when it fails.
bool PackFolder(const std::string& folder, const std::string& docx);

bool ValidatorInstalled();
// The validator's findings as JSON ("[]" when there are none).
std::string ValidatorFindings(const std::string& docx);

bool LibreOfficeInstalled();
// Pages of the PDF that LibreOffice makes of the document; -1 when it makes none.
int PdfPages(const std::string& docx, const std::string& workFolder);

std::string ReadFile(const std::string& path);

} // namespace docxcheck
