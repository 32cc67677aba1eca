// An edit's limit counts the bytes its text takes as stored (GB18030: two a Chinese character,
// four an emoji), as an edit of the Windows program counts its bytes: what the user types or
// pastes is cut to what fits, between characters, and text the program sets is not.
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/StandardControls.h"
#include "platform/ui/TestHooks.h"
#include "support/Printers.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using platform::ui::DialogProbe;

namespace {

constexpr UINT kLimitDialog = 9011;
constexpr int kEdit = 1001;
constexpr UINT kLimit = 10;

class LimitDialog : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    LimitDialog() : CDialog(kLimitDialog) {}
    std::vector<std::string> seen;   // the edit's text at each EN_CHANGE

private:
    void OnEditChange() { seen.push_back(GetDlgItem(kEdit)->GetWindowText().str()); }
};

RV_MESSAGE_MAP(LimitDialog, CDialog, msgmap::Command(kEdit, &T::OnEditChange, EN_CHANGE))

class EditLimit : public ::testing::Test {
protected:
    void SetUp() override
    {
        DialogTemplate dialog;
        dialog.id = kLimitDialog;
        dialog.cx = 200;
        dialog.cy = 40;
        dialog.controls = {{ControlClass::Edit, kEdit, "", 10, 10, 180, 12, ES_AUTOHSCROLL | WS_BORDER}};
        RegisterDialogTemplate(dialog);
        ASSERT_TRUE(window.Create(kLimitDialog));
        static_cast<CEdit*>(window.GetDlgItem(kEdit))->SetLimitText(kLimit);
    }
    LimitDialog window;
};

} // namespace

TEST_F(EditLimit, InsertionsAreCutToTheBytesAsStoredBetweenCharacters)
{
    enum class Input { Paste, Type };
    struct Case {
        const char* before;   // set by the program
        Input input;
        const char* text;     // pasted at the end, or typed as the whole new text
        const char* after;
    };
    const Case cases[] = {
        {"", Input::Paste, "学习学习学习", "学习学习学"},            // 10 bytes as stored, 15 in UTF-8
        {"ab", Input::Paste, "学习学习学习", "ab学习学习"},
        {"a", Input::Paste, "学学学学学", "a学学学学"},                // 9 bytes: no half character
        {"", Input::Paste, "😀😀😀", "😀😀"},                          // four bytes each
        {"abcd", Input::Type, "ab学习学习学习cd", "ab学习学cd"},      // the text around the insertion stays
        {"学习学习学", Input::Type, "学习学习学习", "学习学习学"},    // full: a typed character is refused
        {"学习学习学习", Input::Type, "学习学习学", "学习学习学"},    // over the limit: deleting is allowed
        {"", Input::Type, "学习学习学", "学习学习学"},
    };
    for (const Case& c : cases) {
        window.GetDlgItem(kEdit)->SetWindowText(c.before);
        window.seen.clear();
        DialogProbe probe(window);
        if (c.input == Input::Paste)
            probe.Paste(kEdit, c.text);
        else
            probe.Type(kEdit, c.text);
        EXPECT_EQ(window.GetDlgItem(kEdit)->GetWindowText(), c.after) << c.before << " + " << c.text;
        for (const std::string& text : window.seen)
            EXPECT_EQ(text, c.after) << "the dialog never sees the text before the cut";
    }
}

TEST_F(EditLimit, TextTheProgramSetsIsNotCut)
{
    window.GetDlgItem(kEdit)->SetWindowText("学习学习学习学习");
    EXPECT_EQ(window.GetDlgItem(kEdit)->GetWindowText(), "学习学习学习学习");
}
