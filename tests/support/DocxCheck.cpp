#include "DocxCheck.h"

#include "support/TempFolder.h"

#include <libxml/parser.h>

#include <array>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace docxcheck {
namespace {

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// What the command started on the pipe prints, once it has ended.
std::string ReadAll(FILE* pipe)
{
    std::string output;
    if (pipe == nullptr)
        return output;
    std::array<char, 4096> buffer {};
    size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        output.append(buffer.data(), n);
    ::pclose(pipe);
    return output;
}

std::string Output(const std::string& command)
{
    return ReadAll(::popen(command.c_str(), "r"));
}

bool OnPath(const char* tool)
{
    return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

std::string ValidatorScript()
{
    return SourceDir() + "/tools/ooxml-validate/node_modules/@ooxml-tools/validate/dist/npm/bin/ooxml-validate.js";
}

void CollectError(void* context, const char* format, ...)
{
    auto* message = static_cast<std::string*>(context);
    va_list args;
    va_start(args, format);
    char line[512];
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    *message += line;
}

} // namespace

std::string XmlError(const std::string& xml)
{
    std::string message;
    xmlSetGenericErrorFunc(&message, CollectError);
    xmlDocPtr document = xmlReadMemory(xml.data(), static_cast<int>(xml.size()), "part.xml", nullptr,
                                       XML_PARSE_NONET);
    xmlSetGenericErrorFunc(nullptr, nullptr);
    if (document == nullptr)
        return message.empty() ? "not well-formed" : message;
    xmlFreeDoc(document);
    return {};
}

const std::vector<std::string>& PackageParts()
{
    static const std::vector<std::string> parts = {
        "[Content_Types].xml",     "_rels/.rels",           "docProps/app.xml",
        "docProps/core.xml",       "word/document.xml",     "word/fontTable.xml",
        "word/numbering.xml",      "word/settings.xml",     "word/styles.xml",
        "word/webSettings.xml",    "word/_rels/document.xml.rels", "word/_rels/settings.xml.rels",
        "word/theme/theme1.xml",
    };
    return parts;
}

void CopySkeleton(const std::string& folder)
{
    fs::copy(fs::path(SourceDir()) / "config" / "template", folder, fs::copy_options::recursive);
}

bool PackFolder(const std::string& folder, const std::string& docx)
{
    std::string command = "cd " + Quoted(folder) + " && zip -q -X " + Quoted(docx);
    for (const std::string& part : PackageParts())
        command += " " + Quoted(part);
    return std::system(command.c_str()) == 0;
}

bool ValidatorInstalled()
{
    return OnPath("node") && fs::exists(ValidatorScript());
}

std::string ValidatorFindings(const std::string& docx)
{
    return ValidatorFindings(std::vector<std::string>{docx}).front();
}

std::vector<std::string> ValidatorFindings(const std::vector<std::string>& docxs)
{
    std::vector<FILE*> pipes;
    for (const std::string& docx : docxs)
        pipes.push_back(::popen(("node " + Quoted(ValidatorScript()) + " --of json " + Quoted(docx) + " 2>&1").c_str(),
                                "r"));
    std::vector<std::string> findings;
    for (FILE* pipe : pipes) {
        std::string output = ReadAll(pipe);
        while (!output.empty() && (output.back() == '\n' || output.back() == '\r'))
            output.pop_back();
        findings.push_back(output);
    }
    return findings;
}

bool LibreOfficeInstalled()
{
    return OnPath("soffice") && OnPath("pdfinfo");
}

void ConvertToPdf(const std::vector<std::string>& docxs, const std::string& workFolder)
{
    const std::string profile = "file://" + workFolder + "/lo-profile";
    std::string command = "FONTCONFIG_FILE=" + Quoted(SourceDir() + "/tests/support/fonts.conf") +
                          " soffice --headless --norestore -env:UserInstallation=" + Quoted(profile) +
                          " --convert-to pdf --outdir " + Quoted(workFolder);
    for (const std::string& docx : docxs)
        command += " " + Quoted(docx);
    Output(command + " 2>&1");
}

std::string PdfOf(const std::string& docx, const std::string& workFolder)
{
    return workFolder + "/" + fs::path(docx).stem().string() + ".pdf";
}

int PdfPageCount(const std::string& pdf)
{
    if (!fs::exists(pdf))
        return -1;
    const std::string info = Output("pdfinfo " + Quoted(pdf));
    const size_t at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
}

int PdfPages(const std::string& docx, const std::string& workFolder)
{
    ConvertToPdf({docx}, workFolder);
    return PdfPageCount(PdfOf(docx, workFolder));
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

} // namespace docxcheck
