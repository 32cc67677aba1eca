// No design value can put an attribute into the document part that fails the schema.
#include "docx/AttributeValues.h"
#include "docx/DocxBuilder.h"
#include "docx/DocxTableWriter.h"
#include "docx/XmlText.h"

#include <gtest/gtest.h>

namespace {

struct Attribute {
    const char* before;
    std::string value;
    bool written;
};

} // namespace

TEST(AttributeValues, EachValueIsWrittenOnlyWhenItFitsItsAttribute)
{
    const char* colour = "<w:color w:val=\"";
    const char* fill = "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"";
    const char* level = "<w:outlineLvl w:val=\"";
    const char* size = "<w:sz w:val=\"";
    const Attribute cases[] = {
        {colour, "FF00aa", true},   {colour, "auto", true},     {colour, "red", false},
        {colour, "#FF0000", false}, {colour, "12345", false},   {colour, "FF0000FF", false},
        {fill, "F9F9F2", true},     {fill, "none", false},      {" w:color=\"", "FF0000 ", false},
        {level, "0", true},         {level, "9", true},         {level, "10", false},
        {level, "99", false},       {level, "abc", false},      {level, "+7abc", false},
        {level, "-1", false},       {size, "22", true},         {size, "-2", false},
        {size, "22.5", false},      {colour, "\x01\x02\x1F", false},
        {"<w:t w:name=\"", "\x01" "a", true},   {"<w:t w:name=\"", "\x01\x02", false},
    };
    for (const Attribute& c : cases) {
        const std::string xml = docx::ValueXml(c.before, c.value, "\" />");
        EXPECT_EQ(!xml.empty(), c.written) << c.before << c.value;
    }
}

TEST(AttributeValues, BorderTypesFaceNamesAndSymbolSizesStayInTheirTypes)
{
    EXPECT_EQ(CDocxTableWriter::GetBorderXml(1, "top", "thick", ""), "<w:top w:val=\"thick\" w:sz=\"4\" w:space=\"0\" />");
    EXPECT_EQ(CDocxTableWriter::GetBorderXml(1, "top", "dotted ", ""), "");
    EXPECT_EQ(CDocxTableWriter::GetBorderXml(1, "top", "unknown", ""), "");

    const std::string face32 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ&<中文字体";
    std::string name;
    docx::AppendFontNameAttribute(name, face32);
    EXPECT_EQ(name, "ABCDEFGHIJKLMNOPQRSTUVWXYZ&amp;&lt;中文字");
    name.clear();
    docx::AppendFontNameAttribute(name, "Tahoma");
    EXPECT_EQ(name, "Tahoma");

    EXPECT_NE(CDocxBuilder::GetSymbolRunXml("000000", -10, 1).find("<w:sz w:val=\"8\" />"), std::string::npos);
    EXPECT_NE(CDocxBuilder::GetSymbolRunXml("000000", INT32_MAX, 1).find("<w:sz w:val=\"3284\" />"),
              std::string::npos);
}
