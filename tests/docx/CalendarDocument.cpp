#include "CalendarDocument.h"

#include "DocxCheck.h"
#include "docx/DocxBuilder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

namespace calendardoc {

std::string WritePackage(const TempFolder& folder, const std::string& body)
{
    const std::string package = folder.File("my_diary");
    docxcheck::CopySkeleton(package);
    const std::string word = package + "/word";
    EXPECT_TRUE(CDocxBuilder::SplitTemplateHead(word + "/document.xml", word + "/document_temp.xml"));
    EXPECT_TRUE(CDocxBuilder::SplitTemplateTail(word + "/document.xml", word + "/document_end.xml"));
    // A paragraph closes the body, as the run's last page does, so no table meets the section.
    const std::string document = docxcheck::ReadFile(word + "/document_temp.xml") + body + "<w:p />" +
                                 docxcheck::ReadFile(word + "/document_end.xml");
    folder.Write("my_diary/word/document.xml", document);
    EXPECT_TRUE(CDocxBuilder::WritePackageParts(word + "/_rels/document.xml.rels", word + "/settings.xml",
                                                package + "/[Content_Types].xml", word + "/numbering.xml", {},
                                                word + "/numbering_item_number.xml"));
    return package;
}

std::string PartErrors(const std::string& package)
{
    for (const std::string& part : docxcheck::PackageParts()) {
        const std::string error = docxcheck::XmlError(docxcheck::ReadFile(package + "/" + part));
        if (!error.empty())
            return part + ": " + error;
    }
    return {};
}

std::string Findings(const TempFolder& folder, const std::string& package)
{
    if (!docxcheck::ValidatorInstalled())
        return {};
    const std::string docx = folder.File("calendar.docx");
    if (!docxcheck::PackFolder(package, docx))
        return "the package could not be packed";
    return docxcheck::ValidatorFindings(docx);
}

std::string BookmarkFaults(const std::string& xml)
{
    std::string faults;
    std::map<std::string, int> names;
    std::map<std::string, int> openIds;
    std::set<std::string> ids;
    const std::regex start(R"re(<w:bookmarkStart w:id="([^"]*)" w:name="([^"]*)")re");
    for (std::sregex_iterator it(xml.begin(), xml.end(), start), end; it != end; ++it) {
        const std::string id = (*it)[1], name = (*it)[2];
        if (!ids.insert(id).second)
            faults += "id " + id + " repeated; ";
        if (name.size() > 40)
            faults += "name " + name + " too long; ";
        ++names[name];
        ++openIds[id];
    }
    const std::regex finish(R"re(<w:bookmarkEnd w:id="([^"]*)")re");
    for (std::sregex_iterator it(xml.begin(), xml.end(), finish), end; it != end; ++it)
        --openIds[(*it)[1]];
    for (const auto& [id, open] : openIds)
        if (open != 0)
            faults += "id " + id + " not ended once; ";
    for (const auto& [name, count] : names)
        if (count != 1)
            faults += "name " + name + " started " + std::to_string(count) + " times; ";
    const std::regex link(R"re(HYPERLINK \\l "([^"]*)")re");
    for (std::sregex_iterator it(xml.begin(), xml.end(), link), end; it != end; ++it)
        if (names.count((*it)[1]) == 0)
            faults += "link to missing " + std::string((*it)[1]) + "; ";
    return faults;
}

size_t Count(const std::string& text, const std::string& needle)
{
    size_t count = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + needle.size()))
        ++count;
    return count;
}

CalendarStyle TestCalendarStyle()
{
    CalendarStyle s;
    s.month_font_color = "921111";
    s.month_bk_color = "DDEEFF";
    s.week_font_color = "FFFFFF";
    s.week_bk_color = "8D826D";
    s.line_type = "single";
    s.line_color = "C0C0C0";
    s.day0And6_font_color = "FF0000";
    s.day1To5_font_color = "0000FF";
    s.day_nolink_font_color = "999999";
    s.back_color_day06 = "FFEEEE";
    s.back_color_day15 = "FFFFFF";
    s.back_color_nodiary = "EEEEEE";
    s.back_color_empty = "F8F8F8";
    s.MonthFormat = "%B";
    s.font_name = "Tahoma";
    s.bMonthBold = 1;
    return s;
}

} // namespace calendardoc
