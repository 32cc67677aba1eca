#pragma once
// Packs the parts of a finished work folder into the .docx with our zip writer.

#include "platform/FileHandle.h"
#include "platform/FilePlace.h"

#include <string>

enum class DocxPacking {
    Packed,
    TooLarge,   // a part, or the archive, would pass the 4 GiB the zip records can count
    Failed,     // the archive could not be made or a part could not be added; errno tells why
};

// Packs the thirteen parts of the package, named as the package wants them, into the archive
// open for writing, which stays the caller's to close and, when not packed, to remove.
DocxPacking ZipDocxParts(platform::FileHandle archive, const platform::FilePlace& workFolder);

// True when every one of those parts in the work folder is there and is well-formed XML. Packing
// anything else would give a document that no reader opens.
bool DocxPartsWellFormed(const platform::FilePlace& workFolder);
