// Every file the program writes reads back as written, and files it did not write read in the
// encoding their author used: the Windows program's GB2312 and GBK, an editor's UTF-8 without a BOM.
#include "SettingsFixture.h"
#include "platform/CodePage.h"
#include "settings/ClassCells.h"
#include "settings/DateFormatFile.h"
#include "settings/DesignFile.h"
#include "settings/IniFile.h"
#include "settings/MottoFile.h"
#include "support/Gb18030Characters.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace {

class OwnFiles : public SettingsTest {
protected:
    // Tens of thousands of small files: in memory where the machine has a memory file system.
    void SetUp() override
    {
        const char* before = std::getenv("TMPDIR");
        const std::string kept = before ? before : "";
        if (std::filesystem::is_directory("/dev/shm"))
            ::setenv("TMPDIR", "/dev/shm", 1);
        SettingsTest::SetUp();
        if (before)
            ::setenv("TMPDIR", kept.c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }

    // A character alone, and between ASCII (a digit after it, where GB18030's four-byte forms
    // would start).
    static std::vector<std::string> Variants(const GbCharacter& c) { return {c.text, "a" + c.text + "0"}; }

    // The value as read through a name the profile functions have never seen, so the file is
    // parsed afresh rather than taken from what the write left behind.
    static std::string ReadFresh(const std::string& file, const char* section, const char* key)
    {
        const std::string fresh = file + ".fresh";
        std::filesystem::create_hard_link(file, fresh);
        std::string value = CIniFile().GetString(fresh.c_str(), section, key).str();
        std::filesystem::remove(fresh);
        return value;
    }
};

// Real phrases a diary is built of, simplified and traditional.
std::vector<std::string> Phrases()
{
    std::istringstream words(
    "读书 讀書 工作日记 工作日記 每日反思 学习笔记 學習筆記 今日计划 "
    "今日計劃 待办事项 待辦事項 感恩日记 感恩日記 健身记录 健身記錄 "
    "饮食记录 飲食記錄 睡眠 心情 天气 天氣 早晨 晚上 总结 總結 "
    "反思 读书笔记 讀書筆記 工作总结 工作總結 周计划 周計劃 月计划 "
    "月計劃 年度目标 年度目標 今日目标 今日目標 明日计划 明日計劃 "
    "重要事项 重要事項 会议记录 會議記錄 项目进展 項目進展 学习 學習 "
    "英语 英語 数学 數學 运动 運動 跑步 瑜伽 冥想 写作 寫作 阅读 "
    "閱讀 电影 電影 音乐 音樂 旅行 家庭 孩子 父母 朋友 健康 体重 "
    "體重 喝水 早餐 午餐 晚餐 花销 花銷 收入 支出 记账 記賬 存钱 "
    "存錢 理财 理財 投资 投資 购物清单 購物清單 生日 纪念日 紀念日 "
    "备忘录 備忘錄 灵感 靈感 想法 梦想 夢想 愿望清单 願望清單 成长 "
    "成長 习惯 習慣 打卡 坚持 堅持 自律 时间管理 時間管理 效率 "
    "专注 專注 休息 放松 放鬆 散步 爬山 游泳 骑车 騎車 练字 練字 "
    "画画 畫畫 钢琴 鋼琴 吉他 摄影 攝影 烹饪 烹飪 园艺 園藝 家务 "
    "家務 打扫 打掃 整理 学习计划 學習計劃 考试复习 考試複習 作业 "
    "作業 课程 課程 讲座 講座 培训 培訓 读书会 讀書會 今日感悟 "
    "一句话日记 一句話日記 好事记录 好事記錄 烦恼 煩惱 解决办法 "
    "解決辦法 经验教训 經驗教訓 改进 改進 下一步 本周回顾 本週回顧 "
    "本月回顾 本月回顧 年终总结 年終總結 新年计划 新年計劃 春天 夏天 "
    "秋天 冬天 周末 週末 假期 出差 工作 生活 日记 日記 随笔 隨筆 "
    "感想 心得 笔记 筆記 摘抄 名言 座右铭 座右銘 每日一句 晨间日记 "
    "晨間日記 晚间复盘 晚間覆盤 复盘 覆盤 计划与实际 計劃與實際 "
    "完成情况 完成情況 未完成 已完成 进行中 進行中 优先级 優先級 "
    "紧急 緊急 重要 客户 客戶 同事 领导 領導 团队 團隊 沟通 溝通 "
    "邮件 郵件 电话 電話 拜访 拜訪 报告 報告 文档 文檔 代码 代碼 "
    "设计 設計 测试 測試 上线 上線 问题 問題 风险 風險 机会 機會 "
    "感谢 感謝 道歉 表扬 表揚 批评 批評 目标达成 目標達成 奖励 "
    "獎勵 惩罚 懲罰 "
    );
    std::vector<std::string> phrases;
    for (std::string word; words >> word;)
        phrases.push_back(word);
    return phrases;
}

} // namespace

TEST_F(OwnFiles, EveryCharacterReadsBackFromADesignsProfile)
{
    int misreads = 0;
    const std::string file = File("design.ini");
    for (const GbCharacter& c : TwoByteGb18030Characters())
        for (const std::string& text : Variants(c)) {
            ASSERT_TRUE(CIniFile().WriteString(file.c_str(), "Main", "Title", text.c_str()));
            if (ReadFresh(file, "Main", "Title") != text && ++misreads <= 5)
                ADD_FAILURE() << "misread: " << text;
            std::filesystem::remove(file);
        }
    EXPECT_EQ(misreads, 0);
}

TEST_F(OwnFiles, EveryCharacterReadsBackFromAMottoFile)
{
    int misreads = 0;
    const std::string file = File("motto.txt");
    for (const GbCharacter& c : TwoByteGb18030Characters())
        for (const std::string& text : Variants(c)) {
            ASSERT_TRUE(WriteMottoFile(file, {{1, text, 0}}));
            std::vector<TextLineRecord> lines;
            ReadTextFileLines(file, lines);
            if ((lines.size() != 1 || lines[0].text != text) && ++misreads <= 5)
                ADD_FAILURE() << "misread: " << text;
        }
    EXPECT_EQ(misreads, 0);
}

TEST_F(OwnFiles, EveryCharacterReadsBackFromTheFormatList)
{
    int misreads = 0;
    const CString file = File("date_format.ini").c_str();
    for (const GbCharacter& c : TwoByteGb18030Characters())
        for (const std::string& text : Variants(c)) {
            ASSERT_TRUE(WriteDateFormats(file, {"%Y", text.c_str()}));
            const std::vector<CString> formats = ReadDateFormats(file);
            if ((formats.size() != 2 || formats[1] != text.c_str()) && ++misreads <= 5)
                ADD_FAILURE() << "misread: " << text;
        }
    EXPECT_EQ(misreads, 0);
}

TEST_F(OwnFiles, TextsThatLookLikeUtf8SurviveTheDesignSaveAndLoad)
{
    // Designs whose only Chinese is the text, whose GB18030 bytes are valid UTF-8 too: 討論 is
    // D3 91 D5 93, "ӑՓ" in UTF-8; 記 is D3 9B, "ӛ"; 路 is C2 B7, "·".
    for (const std::string text : {"討論", "記", "記住", "学习", "路", "Diary 討論 2027"}) {
        const std::string file = File("design.ini");
        g_strRestDay = g_strRestDayBack = g_strHadBeenDays = g_strHadBeenDaysBack = g_strWeekEnd = "day";
        g_strQuarterText = "Q";
        g_strTitle = text;
        DiaryClassRecord record;
        record.COL_CLASS_TITLE = text;
        record.COL_UNDONE_TEXT = text;
        ClassListModel rows(1);
        SetListRowFromRecord(rows[0], record);
        ASSERT_TRUE(WriteDesignFile(file.c_str(), rows, {"2", "3"}));
        const std::string bytes = Folder().Read("design.ini");
        ASSERT_TRUE(platform::IsValidUtf8(bytes)) << text << ": the case needs a design that is valid UTF-8";
        std::filesystem::rename(file, File("loaded.ini"));   // a file the profile functions have not seen
        ResetAll();
        ClassListModel loaded;
        LoadDesignFile(File("loaded.ini").c_str(), loaded);
        EXPECT_EQ(g_strTitle, text);
        ASSERT_EQ(loaded.size(), 1u) << text;
        EXPECT_EQ(loaded[0].cells[kCellTitle], text);
        EXPECT_EQ(loaded[0].cells[kCellUndoneText], text);
        std::filesystem::remove(File("loaded.ini"));
        ResetAll();
    }
}

TEST_F(OwnFiles, FilesOfOtherProgramsReadInTheEncodingTheyWereWrittenIn)
{
    // Hand-written UTF-8 without a BOM, as Linux editors save it, and the Windows program's GBK
    // (no mark), each a design whose only Chinese is the phrase.
    std::vector<std::string> phrases = Phrases();
    ASSERT_EQ(phrases.size(), 266u);
    for (const char* gbk : {"討論", "記", "記住", "学习", "路"})
        phrases.push_back(gbk);
    int n = 0;
    for (const std::string& phrase : phrases) {
        const std::string utf8 = "utf8-" + std::to_string(n) + ".ini";
        const std::string windows = "gbk-" + std::to_string(n++) + ".ini";
        Folder().Write(utf8, "[Main]\r\nTitle=" + phrase + "\r\n[LIST0]\r\nCOL_ID=1\r\n");
        Folder().Write(windows, platform::EncodeGb18030("[Main]\r\nTitle=" + phrase + "\r\n"));
        EXPECT_EQ(CIniFile().GetString(File(utf8).c_str(), "Main", "Title").str(), phrase) << "UTF-8";
        EXPECT_EQ(CIniFile().GetString(File(windows).c_str(), "Main", "Title").str(), phrase) << "GBK";
    }
    // A hand-written design, through the whole load.
    Folder().Write("hand.ini", "[Main]\nTitle=读书\n[LIST0]\nCOL_ID=1\nCOL_CLASS_TITLE=记住\n");
    ClassListModel loaded;
    LoadDesignFile(File("hand.ini").c_str(), loaded);
    EXPECT_EQ(g_strTitle, "读书");
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0].cells[kCellTitle], "记住");
}
