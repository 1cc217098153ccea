// The interactive host: a main window whose MEG, EEG and Viewers menus open each of the module's 24
// windows through the facade's show functions, with the loaded data set and this window as parent,
// as a host of the module does; File opens a data folder, writes the demo data set, saves a picture of
// the frontmost coupling window (PNG, SVG or PDF), records a movie of the window that plays in front, or
// quits. A status line tells the session, channel, sample and class counts of what is loaded.
#pragma once

#include <memory>
#include <string>

#include "afxwin.h"
#include "datasource.h"
#include "recordmoviedlg.h"
#include "showtable.h"

class CHostWnd : public CWnd {
public:
    static constexpr UINT kOpenDataFolder = 40001;
    static constexpr UINT kWriteDemoData = 40002;
    static constexpr UINT kQuit = 40003;
    static constexpr UINT kSavePicture = 40004;
    static constexpr UINT kRecordMovie = 40005;
    static constexpr UINT kOpenFieldTrip = 40006;
    static constexpr int kStatusId = 101;
    static constexpr int kMessageId = 102;

    CHostWnd();
    ~CHostWnd() override;

    // Makes the window, its menu and status line over the data (which it keeps). FALSE when the
    // window cannot be made.
    BOOL CreateHost(cxc::app::DataSource source);

    // Opens the entry's window through its show function; 1 when it is shown.
    int openWindow(const cxc::ShowEntry& entry);
    // Replaces the data with a data folder or FieldTrip .mat file: every open window closes first,
    // since each holds the data set it was given. False, with a message box naming what is wrong,
    // when the data are refused (the loaded data stay).
    bool openDataFolder(const std::string& folder);
    // Writes the built-in demo data set into a folder; false, with a message box, when it cannot.
    bool writeDemoData(const std::string& folder);

    // Writes the frontmost coupling window (the last one in the foreground, else the last opened) as
    // a figure of the format its name ends in: .png, .svg or .pdf. False, with a message box, when no
    // window is open, the name has another ending or the file cannot be written.
    bool savePicture(const std::string& file);
    // The coupling window a picture is saved of (with `playing`, the one a movie is recorded of), with
    // its entry; null when none is open.
    CDialog* frontWindow(const cxc::ShowEntry** entry = nullptr, bool playing = false) const;

    // The loaded data set and the facade that opens windows on it.
    CArrayMEDataSetqz* dataSet() const { return source_.dataSet.get(); }
    CMEGShowCCData2DFaceqz* facade() const { return facade_.get(); }
    // The Record Movie dialog, made at its first use; null before.
    CRecordMovieDlg* recordDialog() const { return record_.get(); }
    CString statusText() const;
    CString messageText() const;

    bool quitOnDestroy = false;  // the desktop program ends with its main window
    bool fitScales = true;       // a new viewer or patch map gets scales that fit the data
    cxc::data::FieldTripChoice fieldTrip;  // how File > Open reads a FieldTrip file

protected:
    afx_msg void OnOpenDataFolder();
    afx_msg void OnOpenFieldTrip();
    afx_msg void OnWriteDemoData();
    afx_msg void OnSavePicture();
    afx_msg void OnQuit();
    afx_msg void OnRecordMovie();
    afx_msg void OnShowWindowCommand(UINT id);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void buildMenu();
    void showData();
    void tell(const CString& text);
    void placeNewWindow(CDialog* dialog);

    cxc::app::DataSource source_;
    std::unique_ptr<CMEGShowCCData2DFaceqz> facade_;  // dies before the data set its windows hold
    CStatic message_;
    CStatic status_;
    int placed_ = 0;  // windows placed so far, for the cascade
    const cxc::ShowEntry* lastPlaying_ = nullptr;  // the window that plays opened last
    const cxc::ShowEntry* lastOpened_ = nullptr;
    std::unique_ptr<CRecordMovieDlg> record_;
};
