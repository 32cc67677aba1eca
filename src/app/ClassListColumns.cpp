#include "app/ClassListColumns.h"

#include "platform/ui/CommCtrl.h"
#include "settings/ClassListModel.h"

namespace {

constexpr int L = LVCFMT_LEFT;
constexpr int C = LVCFMT_CENTER;

constexpr std::array<ClassListColumn, 47> kColumns{{
    {"分类", 27, C},
    {"类标题", 62, C},
    {"标题", 110, L},
    {"类字体名称", 90, C},
    {"类字体大小", 65, C},
    {"类标题颜色", 0, L},
    {"类粗体", 38, C},
    {"类斜体", 49, C},
    {"下划线", 78, C},
    {"表格", 48, C},
    {"bBKColor", 0, C},
    {"BKColor", 0, C},
    {"行数", 75, C},
    {"bParagraph BK Color", 0, L},
    {"Paragraph BK Color", 0, L},
    {"Text Color", 0, L},
    {"Text Color", 0, L},
    {"行前字", 70, L},
    {"颜色", 0, L},
    {"粗体", 38, C},
    {"斜体", 49, C},
    {"行字体名称", 90, C},
    {"字体大小", 65, C},
    {"Color", 0, L},
    {"粗体", 38, C},
    {"斜体", 49, C},
    {"Underline", 65, C},
    {"删除线", 88, C},
    {"Snap to Grid", 85, C},
    {"TableLineColor", 0, L},
    {"TableLineType", 0, L},
    {"Top", 0, L},
    {"Bottom", 0, L},
    {"Left", 0, L},
    {"Right", 0, L},
    {"Middle", 0, L},
    {"Title BK Color", 0, L},
    {"Line BK Color1", 0, L},
    {"Line BK Color2", 0, L},
    {"增加序号列", 100, C},
    {"项目编号", 78, C},
    {"Item Special", 85, C},
    {"=Value", 50, C},
    {"Special Sign", 98, C},
    {"=Value", 49, C},
    {"Color", 0, C},
    {"Insert a blank line", 130, C},
}};

static_assert(kColumns.size() == kClassColumns, "one column per class cell");

} // namespace

const std::array<ClassListColumn, 47>& ClassListColumns()
{
    return kColumns;
}
