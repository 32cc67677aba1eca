#pragma once
// A finished document unpacked and read back by readers we did not write.

#include "DocumentChecks.h"
#include "DocxCheck.h"

#include <gtest/gtest.h>

#include <string>

// The zip tool tests the archive and unpacks it into the folder, libxml2 reads every part; the
// text of the document part.
inline std::string CheckedDocumentXml(const std::string& docx, const std::string& folder)
{
    EXPECT_EQ(ZipTestProblems(docx), "");
    EXPECT_TRUE(Unpack(docx, folder));
    for (const std::string& part : docxcheck::PackageParts())
        EXPECT_EQ(docxcheck::XmlError(docxcheck::ReadFile(folder + "/" + part)), "") << part;
    return docxcheck::ReadFile(folder + "/word/document.xml");
}
