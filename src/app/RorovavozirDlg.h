#pragma once
// The welcome dialog (102): five start pictures to choose with radio buttons, the switch that
// keeps it from showing at the next start, and the way to the About dialog.

#include "controls/PicCtrl/PictureBox.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/StandardControls.h"

class CRorovavozirDlg : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit CRorovavozirDlg(CWnd* parent = nullptr);
    ~CRorovavozirDlg() override;

    // Runs the About dialog.
    void OnButtonAbout();
    // Shows config/pic/start/<n>.bmp of the program folder; a missing picture leaves none.
    void ShowStartPicture(int number);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

private:
    void OnSysCommand(WPARAM command, LPARAM);
    LRESULT OnSysCommandMessage(WPARAM command, LPARAM parameter);
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    void OnPaint();
    void OnRadioPicture(UINT id);
    void OnCheckNoShow();
    void OnButtonNext();

    CPictureBox m_picture;
    CStatic m_staticPicture;
    CButton m_checkNoShow;
    CButton m_buttonAbout;
    CStatic m_staticNote;
    CButton m_buttonNext;
    HICON m_hIcon;
    CBitmap m_startPicture;
};
