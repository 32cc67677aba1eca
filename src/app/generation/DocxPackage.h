#pragma once
// Packs the parts of a finished work folder into the .docx with our zip writer.

#include <string>

// The thirteen parts of the package, named as the package wants them. False when the archive
// cannot be made or any part cannot be added; a partial archive is then removed.
bool ZipDocxParts(const std::string& outputFile, const std::string& workFolder);
