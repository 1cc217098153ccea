// The viewer's "Record Movie..." dialog: ticks, frames per second, file and whether to take the view
// alone, then Record. Frames are taken one per tick of this dialog's own timer, so the desktop stays
// alive between them: the dialog counts the frames written and its Cancel stops the movie, leaving
// no file.
#pragma once

#include <memory>
#include <string>

#include "afxwin.h"
#include "moviecommand.h"

class CRecordMovieDlg : public CDialog {
public:
    static constexpr UINT kTemplateId = 30100;
    static constexpr int kTicksId = 30101;
    static constexpr int kFpsId = 30102;
    static constexpr int kFileId = 30103;
    static constexpr int kViewOnlyId = 30104;
    static constexpr int kProgressId = 30105;
    static constexpr UINT_PTR kFrameTimer = 30110;

    int ticks = 100;
    int fps = 10;
    CString file = L"movie.gif";
    int viewOnly = 1;

    CRecordMovieDlg();
    ~CRecordMovieDlg() override;
    BOOL CreateFor(CWnd* parent);
    // The window the next Record records; the dialog must outlive neither it nor its data set.
    void setTarget(CDialog* dialog, const cxc::ShowEntry* entry, CArrayMEDataSetqz* dataSet);
    bool recording() const { return recorder_ != nullptr; }
    // Stops a movie in progress; nothing of it stays.
    void cancelMovie(const wchar_t* why);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;      // Record
    void OnCancel() override;  // stops a movie in progress, else closes
    afx_msg void OnTimer(UINT_PTR id);
    DECLARE_MESSAGE_MAP()

private:
    void stopped(const CString& progress);

    CDialog* target_ = nullptr;
    const cxc::ShowEntry* entry_ = nullptr;
    CArrayMEDataSetqz* dataSet_ = nullptr;
    std::unique_ptr<cxc::app::MovieRecorder> recorder_;
};
