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
// The findings of each document, the documents checked side by side (a long one takes minutes).
std::vector<std::string> ValidatorFindings(const std::vector<std::string>& docxs);

bool LibreOfficeInstalled();
// Converts the documents to PDFs in the folder with one LibreOffice start (each start costs
// seconds); each PDF takes its document's name, so the names must differ.
void ConvertToPdf(const std::vector<std::string>& docxs, const std::string& workFolder);
// The PDF that ConvertToPdf made of the document in the folder.
std::string PdfOf(const std::string& docx, const std::string& workFolder);
// Pages of the PDF as pdfinfo reads them; -1 when there is none.
int PdfPageCount(const std::string& pdf);
// Pages of the PDF that LibreOffice makes of the document; -1 when it makes none.
int PdfPages(const std::string& docx, const std::string& workFolder);

std::string ReadFile(const std::string& path);

} // namespace docxcheck
