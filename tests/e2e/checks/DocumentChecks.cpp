#include "DocumentChecks.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>

namespace {

constexpr const char* kWordNamespace = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr size_t kLongestBookmarkName = 40;

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string Output(const std::string& command, int& status)
{
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    std::array<char, 4096> buffer {};
    for (size_t n = 0; pipe != nullptr && (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        output.append(buffer.data(), n);
    status = pipe != nullptr ? ::pclose(pipe) : -1;
    return output;
}

std::string Attribute(xmlNode* node, const char* name)
{
    xmlChar* value = xmlGetNsProp(node, reinterpret_cast<const xmlChar*>(name),
                                  reinterpret_cast<const xmlChar*>(kWordNamespace));
    std::string text = value != nullptr ? reinterpret_cast<const char*>(value) : "";
    xmlFree(value);
    return text;
}

bool IsWord(xmlNode* node, const char* name)
{
    return node->type == XML_ELEMENT_NODE && node->ns != nullptr &&
           xmlStrcmp(node->ns->href, reinterpret_cast<const xmlChar*>(kWordNamespace)) == 0 &&
           xmlStrcmp(node->name, reinterpret_cast<const xmlChar*>(name)) == 0;
}

// The bookmark an internal HYPERLINK field points to, or "" when the field is not one.
std::string FieldTarget(const std::string& instruction)
{
    const size_t at = instruction.find("HYPERLINK");
    const size_t local = instruction.find("\\l", at == std::string::npos ? 0 : at);
    if (at == std::string::npos || local == std::string::npos)
        return {};
    const size_t open = instruction.find('"', local);
    const size_t close = open == std::string::npos ? open : instruction.find('"', open + 1);
    return close == std::string::npos ? std::string() : instruction.substr(open + 1, close - open - 1);
}

struct Walk {
    std::map<std::string, int> openIds;   // id -> times started and not yet ended
    std::set<std::string> startedIds;
    std::set<std::string> names;
    std::vector<std::string> targets;
    std::vector<std::string> problems;

    void Visit(xmlNode* node)
    {
        for (; node != nullptr; node = node->next) {
            if (IsWord(node, "bookmarkStart"))
                Start(Attribute(node, "id"), Attribute(node, "name"));
            else if (IsWord(node, "bookmarkEnd"))
                End(Attribute(node, "id"));
            else if (IsWord(node, "instrText")) {
                xmlChar* text = xmlNodeGetContent(node);
                const std::string target = FieldTarget(reinterpret_cast<const char*>(text));
                xmlFree(text);
                if (!target.empty())
                    targets.push_back(target);
            } else if (IsWord(node, "hyperlink") && !Attribute(node, "anchor").empty())
                targets.push_back(Attribute(node, "anchor"));
            Visit(node->children);
        }
    }

    void Start(const std::string& id, const std::string& name)
    {
        if (!startedIds.insert(id).second)
            problems.push_back("bookmark id " + id + " used twice");
        if (!names.insert(name).second)
            problems.push_back("bookmark name " + name + " used twice");
        if (name.size() > kLongestBookmarkName)
            problems.push_back("bookmark name " + name + " longer than 40 characters");
        ++openIds[id];
    }

    void End(const std::string& id)
    {
        if (openIds[id]-- <= 0)
            problems.push_back("bookmark end " + id + " without a start before it");
    }
};

int SpanOf(xmlNode* cell)
{
    for (xmlNode* properties = cell->children; properties != nullptr; properties = properties->next)
        if (IsWord(properties, "tcPr"))
            for (xmlNode* span = properties->children; span != nullptr; span = span->next)
                if (IsWord(span, "gridSpan"))
                    return std::atoi(Attribute(span, "val").c_str());
    return 1;
}

struct TableWalk {
    size_t tables = 0;
    std::vector<std::string> problems;

    void Visit(xmlNode* node)
    {
        for (; node != nullptr; node = node->next) {
            if (IsWord(node, "tbl"))
                Table(node);
            Visit(node->children);
        }
    }

    void Table(xmlNode* table)
    {
        const std::string name = "table " + std::to_string(++tables);
        int columns = 0;
        size_t row = 0;
        for (xmlNode* child = table->children; child != nullptr; child = child->next) {
            if (IsWord(child, "tblGrid"))
                for (xmlNode* column = child->children; column != nullptr; column = column->next)
                    columns += IsWord(column, "gridCol") ? 1 : 0;
            if (!IsWord(child, "tr"))
                continue;
            int spanned = 0;
            for (xmlNode* cell = child->children; cell != nullptr; cell = cell->next)
                spanned += IsWord(cell, "tc") ? SpanOf(cell) : 0;
            ++row;
            if (spanned != columns)
                problems.push_back(name + " row " + std::to_string(row) + " spans " + std::to_string(spanned) +
                                   " of " + std::to_string(columns) + " grid columns");
        }
        xmlNode* next = table->next;
        while (next != nullptr && (next->type != XML_ELEMENT_NODE || IsWord(next, "bookmarkStart") ||
                                   IsWord(next, "bookmarkEnd")))
            next = next->next;
        if (next != nullptr && IsWord(next, "tbl"))
            problems.push_back(name + " is followed directly by another table");
    }
};

xmlDocPtr ParseDocument(const std::string& documentXml)
{
    return xmlReadMemory(documentXml.data(), static_cast<int>(documentXml.size()), "document.xml", nullptr,
                         XML_PARSE_NONET | XML_PARSE_HUGE);
}

} // namespace

std::vector<std::string> TableProblems(const std::string& documentXml)
{
    xmlDocPtr document = ParseDocument(documentXml);
    if (document == nullptr)
        return {"the document part is not well-formed"};
    TableWalk walk;
    walk.Visit(xmlDocGetRootElement(document));
    xmlFreeDoc(document);
    return walk.problems;
}

std::string ZipTestProblems(const std::string& docx)
{
    int status = -1;
    const std::string output = Output("unzip -tq " + Quoted(docx) + " 2>&1", status);
    return status == 0 && output.find("No errors detected") != std::string::npos ? std::string() : output;
}

std::vector<std::string> PdfPageTexts(const std::string& pdf, bool layout)
{
    int status = -1;
    const std::string text =
        Output(std::string("pdftotext -enc UTF-8 ") + (layout ? "-layout " : "") + Quoted(pdf) + " -", status);
    std::vector<std::string> pages;
    if (status != 0)
        return pages;
    // Every page ends in a form feed.
    for (size_t start = 0, end = 0; (end = text.find('\f', start)) != std::string::npos; start = end + 1)
        pages.push_back(text.substr(start, end - start));
    return pages;
}

std::string Squeezed(const std::string& text)
{
    std::string squeezed;
    for (char c : text)
        if (c != ' ' && c != '\n' && c != '\r' && c != '\t')
            squeezed += c;
    return squeezed;
}

bool Unpack(const std::string& docx, const std::string& folder)
{
    return std::system(("unzip -qo " + Quoted(docx) + " -d " + Quoted(folder)).c_str()) == 0;
}

LinkReport CheckLinks(const std::string& documentXml)
{
    LinkReport report;
    xmlDocPtr document = ParseDocument(documentXml);
    if (document == nullptr) {
        report.problems.push_back("the document part is not well-formed");
        return report;
    }
    Walk walk;
    walk.Visit(xmlDocGetRootElement(document));
    xmlFreeDoc(document);
    for (const auto& [id, open] : walk.openIds)
        if (open > 0)
            walk.problems.push_back("bookmark " + id + " never ended");
    for (const std::string& target : walk.targets)
        if (walk.names.count(target) == 0)
            walk.problems.push_back("link to missing bookmark " + target);
    report.problems = walk.problems;
    report.bookmarks = walk.names.size();
    report.links = walk.targets.size();
    return report;
}
