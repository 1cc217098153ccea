// Recording data library, sessions: the trials of one recording with the current trial (CMEGData),
// per-channel good and shown flags (2Process) and channel labels (8Show). CMEGDataqz is the leaf.
#pragma once

#include <memory>
#include <vector>

#include "afxstr.h"
#include "mdtrial.h"

class CMEGData {
public:
    // Projection parameters handed unchanged to the trials' parameterised projections: a count and
    // a list of channel indices that the projection's sphere is fitted to (0, null: all channels).
    int projParamCount = 0;
    int* projParamList = nullptr;

    CMEGData();
    virtual ~CMEGData();
    CMEGData(const CMEGData&) = delete;
    CMEGData& operator=(const CMEGData&) = delete;

    // Trial idx, -1 for the current trial; null when absent or out of range.
    CMDTrialqz* getTrialqz(int idx);
    int getTotalTrial();
    CString getTrialFileName(int idx);  // empty out of range
    int getCurrentTrialIndx();          // -1 without trials
    // Makes trial idx current; 1 when it exists, 0 (nothing changes) otherwise.
    int openTrial(int idx);
    CString getSessionName();

    // Building.
    void setSessionName(const CString& name) { sessionName_ = name; }
    int addTrial(std::unique_ptr<CMDTrialqz> trial);  // the first trial becomes current
    void setProjectionParams(const std::vector<int>& channels);

private:
    std::vector<std::unique_ptr<CMDTrialqz>> trials_;
    int currentTrial_ = -1;
    CString sessionName_;
    std::vector<int> projParams_;
};

class CMEGData2Process : public CMEGData {
public:
    // Nonzero when channel chnl is good (shown) in all trials. Flags default to 1 for every channel of
    // the current trial's table; an index outside it gives 0.
    int isGoodChnl4Alltrials(int chnl);
    int isShowChnl4Alltrials(int chnl);

    void setChannelFlags(int chnl, bool good, bool shown);
    bool goodFlag(int chnl) const;
    bool shownFlag(int chnl) const;

private:
    bool validChannel(int chnl);
    std::vector<char> good_;
    std::vector<char> shown_;
};

class CMEGData8Show : public CMEGData2Process {
public:
    // The label of channel chnl of the current trial (physical and virtual channels share one
    // label); empty when there is none.
    CString getChnlName_PhycVirt(int chnl, bool virt);
};

class CMEGDataqz : public CMEGData8Show {};
