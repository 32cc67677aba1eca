#include "settings/DateFormatFile.h"

#include "platform/Files.h"
#include "platform/IniLines.h"
#include "platform/Profile.h"
#include "platform/ProfileMarker.h"
#include "settings/IniFile.h"

#include <string>

namespace {

constexpr const char* kSection = "Main";

CString KeyOf(size_t index)
{
    CString key;
    key.Format("DateFormat%zu", index + 1);
    return key;
}

} // namespace

std::vector<CString> ReadDateFormats(const CString& file)
{
    std::vector<CString> formats;
    for (size_t index = 0;; ++index) {
        CString format = CIniFile().GetString(file, kSection, KeyOf(index));
        format.Trim();
        if (format.IsEmpty())
            return formats;
        formats.push_back(format);
    }
}

bool WriteDateFormats(const CString& file, const std::vector<CString>& formats)
{
    // Written as the list changes, never named by the user: a file whose list could not be read stays.
    if (!platform::ReadsAsProfile(platform::GetProfileFileState(file.str())))
        return false;
    std::string text = std::string("[") + kSection + "]\r\n";
    for (size_t index = 0; index < formats.size(); ++index)
        text += KeyOf(index).str() + "=" + platform::ValueToWrite(formats[index].str()) + "\r\n";
    return platform::WriteFileReplacing(file.str(), platform::EncodeProfileText(text));
}

std::vector<CString> StarterDateFormats()
{
    return {"%Y年%m月%d日,%A", "%Y-%m-%d,%a", "%A,%B %d,%Y", "%a %b %d,%Y", "%Y-%m-%d %A",
            "%d/%m/%Y %a", "%m月%d日 %A", "%y-%m-%d %a"};
}
