#pragma once
// Packs the parts of a finished work folder into the .docx with our zip writer.

#include <string>

// The thirteen parts of the package, named as the package wants them. False when the archive
// cannot be made or any part cannot be added; a partial archive is then removed.
bool ZipDocxParts(const std::string& outputFile, const std::string& workFolder);

// True when every one of those parts in the work folder is there and looks like XML: not empty,
// beginning with "<" and ending with ">" (blanks and a byte order mark aside). Packing anything
// else would give a document that no reader opens.
bool DocxPartsLookLikeXml(const std::string& workFolder);
