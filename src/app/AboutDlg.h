#pragma once
// The About dialog (100): the program's picture, its version, a tip and the maker's web page.

#include "controls/labels/LinkLabel.h"
#include "platform/ui/Dialog.h"

class CAboutDlg : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit CAboutDlg(CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

private:
    CLinkLabel m_linkMaker;
    CBitmap m_picture;
};
