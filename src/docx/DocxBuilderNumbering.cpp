// The numbering part: rebuilt at the end of a run from three pieces of the skeleton's part,
// the 21 item-number styles of the fragment, and one copy of abstract numbering 0 per
// numbered list of the body, so that each list counts from its own start; a table numbered in an
// item style gets an instance of that style that starts again.
#include "docx/DocxBuilder.h"

#include <cstdio>

bool CDocxBuilder::WriteNumberingXml(const platform::FilePlace& numberingPath, const std::vector<int>& listStyles,
                                     const platform::FilePlace& itemNumberFragmentPath)
{
    const auto declaration = ExtractBetweenMarkers(numberingPath, "<?xml", "?>");
    const auto root = ExtractBetweenMarkers(numberingPath, "<w:numbering", "wordml\">");
    const auto abstract = ExtractBetweenMarkers(numberingPath, "<w:abstractNum w:abstractNumId=\"0\">",
                                                "</w:abstractNum>");
    if (!declaration || declaration->empty() || !root || root->empty() || !abstract || abstract->empty() ||
        !itemNumberFragmentPath.Read())
        return false;

    DeleteFileIfExists(numberingPath);
    if (!AppendToFile(numberingPath, *declaration + "\n" + *root + "\n") ||
        !MoveFileText(itemNumberFragmentPath, numberingPath))
        return false;

    // The copies of abstract numbering 0, then every instance and the end of the part, in one write.
    const int count = static_cast<int>(listStyles.size());
    std::string rest;
    for (int k = 0; k < count; ++k) {
        if (listStyles[static_cast<size_t>(k)] != 0)
            continue;
        char nsid[16];
        std::snprintf(nsid, sizeof nsid, "%08X", static_cast<unsigned>(k + 1));
        std::string copy = ReplaceFirst(*abstract, "w:abstractNumId=\"0\"",
                                        "w:abstractNumId=\"" + std::to_string(OwnAbstractId(k)) + "\"");
        copy = ReplaceFirst(copy, "w:nsid w:val=\"0E417332\"", std::string("w:nsid w:val=\"") + nsid + "\"");
        copy = ReplaceFirst(copy, "w:tmpl w:val=\"21681F22\"", std::string("w:tmpl w:val=\"") + nsid + "\"");
        rest += copy + "\n";
    }
    for (int style = 1; style <= kItemStyles; ++style)
        rest += GetNumXml(style, kItemStyleAbstractBase + style);
    // A table numbered in an item style shares the style's abstract numbering, which would count
    // on from the table before; its instance starts it again.
    for (int k = 0; k < count; ++k) {
        const int style = listStyles[static_cast<size_t>(k)];
        rest += style == 0 ? GetNumXml(kItemStyles + 1 + k, OwnAbstractId(k))
                           : GetNumOverrideXml(kItemStyles + 1 + k, kItemStyleAbstractBase + style);
    }
    rest += "</w:numbering>\n";
    return AppendToFile(numberingPath, rest);
}

std::string CDocxBuilder::GetNumXml(int instanceId, int abstractId)
{
    return "<w:num w:numId=\"" + std::to_string(instanceId) + "\">\n<w:abstractNumId w:val=\"" +
           std::to_string(abstractId) + "\"/>\n</w:num>\n";
}

std::string CDocxBuilder::GetNumPrXml(int instanceId)
{
    return "<w:numPr>\n<w:ilvl w:val=\"0\" />\n<w:numId w:val=\"" + std::to_string(instanceId) + "\"/></w:numPr>";
}

std::string CDocxBuilder::GetNumOverrideXml(int instanceId, int abstractId)
{
    std::string xml = "\n<w:num w:numId=\"" + std::to_string(instanceId) + "\">\n<w:abstractNumId w:val=\"" +
                      std::to_string(abstractId) + "\" />\n";
    for (int level = 0; level <= 8; ++level)
        xml += "\n<w:lvlOverride w:ilvl=\"" + std::to_string(level) +
               "\">\r\n<w:startOverride w:val=\"1\"/>\r\n</w:lvlOverride>";
    return xml + "</w:num>\r\n";
}
