#include "app/generation/FailureMessage.h"

#include "platform/CString.h"
#include "platform/SystemError.h"
#include "settings/DateTextBounds.h"

namespace {

// A heading format whose texts pass the bound, and what the user can do about it.
std::string HeadingTooLong(const char* format, const char* heading, size_t bound, const char* remedy)
{
    CString message;
    message.Format("%s写出的%s超过了 %zu 字节的上限（%zu 个汉字，一个字母或数字算 1 字节），文档里的%s会是空的，"
                   "没有生成文档。\n%s",
                   format, heading, bound, datebounds::ChineseCharacters(bound), heading, remedy);
    return message.str();
}

// "%s" is the output folder.
const char* FailureText(GenerationStatus status, DocxRunStatus docxStatus)
{
    constexpr const char* kCannotWrite = "无法在输出路径 '%s' 里写文件，没有生成文档。";
    constexpr const char* kTemplateBroken = "Word模板 (config/template) 不完整，没有生成文档。";
    switch (status) {
    case GenerationStatus::NoDiaryDay:
        return "日期范围里没有要写日记的一天 (请检查日期和星期的设置)，没有生成文档。";
    case GenerationStatus::SkeletonBroken:
        return kTemplateBroken;
    case GenerationStatus::NoOutputName:
        return "输出路径 '%s' 里 my_diary.docx 和 my_diary1.docx 到 my_diary1000.docx 都已存在。\n"
               "请选择另一个输出路径，或删除不要的文件。";
    case GenerationStatus::NoRunFolder:
    case GenerationStatus::TemplateFilesFailed:
    case GenerationStatus::CopyWriteFailed:
        return kCannotWrite;
    case GenerationStatus::CopyFailed:
        return "找不到或无法复制Word模板 (config/template)，没有生成文档。";
    case GenerationStatus::DocxFailed:
        return docxStatus == DocxRunStatus::WriteFailed ? kCannotWrite : kTemplateBroken;
    case GenerationStatus::ZipFailed:
        return "无法打包Word文档，没有生成文档。";
    case GenerationStatus::DocumentTooLarge:
        return "无法打包Word文档：日记超过了Word文档（.docx）所能容纳的4 GB，没有生成文档。";
    case GenerationStatus::PublishFailed:
        return "无法在输出路径 '%s' 里保存Word文档。";
    case GenerationStatus::OutputFolderMoved:
        return "输出路径 '%s' 在生成时被改名、移走或替换，没有生成文档。";
    case GenerationStatus::RunFolderChanged:
        return "输出路径 '%s' 里本次生成用的文件夹在生成时被移走、替换或放进了链接，没有生成文档。";
    case GenerationStatus::WorkFailed:
        return "生成Word文档时出错，没有生成文档。";
    case GenerationStatus::MonthLabelTooLong:
    case GenerationStatus::PlannerLabelTooLong:
    case GenerationStatus::DateTooLong:
    case GenerationStatus::Done:
    case GenerationStatus::Stopped:
        break;
    }
    return "";
}

} // namespace

std::string FailureMessage(GenerationStatus status, const GenerationJob& job)
{
    switch (status) {
    case GenerationStatus::MonthLabelTooLong:
        return HeadingTooLong("月份格式", "月份标题", datebounds::kWrittenMonthLabel,
                              "请在“设置模板的日期”里缩短月份格式。");
    case GenerationStatus::PlannerLabelTooLong:
        return HeadingTooLong("一页年计划表的月份格式", "月份标题", datebounds::kWrittenMonthLabel,
                              "请在“年计划表设置”里缩短它。");
    case GenerationStatus::DateTooLong:
        return HeadingTooLong("日期格式", "日期", datebounds::kWrittenDate,
                              "请在“设置模板的日期”里选一个短一些的日期格式。");
    default:
        break;
    }
    CString message;
    message.Format(FailureText(status, job.docxStatus), job.outFolder.c_str());
    return platform::WithSystemReason(message.str(), job.systemError);
}
