// An edit's limit counts the bytes its text takes as stored (GB18030: two a Chinese character,
// four an emoji): what the user types or pastes is cut to what fits, between characters, and text
// the program sets is not.
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/StandardControls.h"
#include "platform/ui/TestHooks.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

using platform::ui::DialogProbe;

TEST(EditLimit, InsertionsAreCutToTheBytesAsStoredBetweenCharacters)
{
    constexpr UINT kLimitDialog = 9011;
    constexpr int kEdit = 1001;
    RegisterDialogTemplate({.id = kLimitDialog, .cx = 200, .cy = 40,
                            .controls = {{ControlClass::Edit, kEdit, "", 10, 10, 180, 12, ES_AUTOHSCROLL | WS_BORDER}}});
    CDialog window(kLimitDialog);
    ASSERT_TRUE(window.Create(kLimitDialog));
    CWnd* edit = window.GetDlgItem(kEdit);
    static_cast<CEdit*>(edit)->SetLimitText(10);
    const struct {
        const char* before;   // set by the program
        bool paste;           // else typed as the whole new text
        const char* text;
        const char* after;
    } cases[] = {
        {"", true, "学习学习学习", "学习学习学"},                // 10 bytes as stored, 15 in UTF-8
        {"", true, "😀😀😀", "😀😀"},                            // four bytes each, none cut in half
        {"abcd", false, "ab学习学习学习cd", "ab学习学cd"},      // the text around the insertion stays
        {"学习学习学", false, "学习学习学习", "学习学习学"},    // full: a typed character is refused
        {"学习学习学习", false, "学习学习学", "学习学习学"},    // over the limit: deleting is allowed
    };
    DialogProbe probe(window);
    for (const auto& c : cases) {
        edit->SetWindowText(c.before);
        ASSERT_EQ(edit->GetWindowText(), c.before) << "text the program sets is not cut";
        if (c.paste)
            probe.Paste(kEdit, c.text);
        else
            probe.Type(kEdit, c.text);
        EXPECT_EQ(edit->GetWindowText(), c.after) << c.before << " + " << c.text;
    }
}
