#include "megdata.h"

#include "faults.h"

CMEGData::CMEGData() = default;
CMEGData::~CMEGData() = default;

CMDTrialqz* CMEGData::getTrialqz(int idx)
{
    cxc::faults::hook("CMEGData::getTrialqz");
    if (idx == -1) idx = currentTrial_;
    if (idx < 0 || idx >= static_cast<int>(trials_.size())) return nullptr;
    return trials_[static_cast<size_t>(idx)].get();
}

int CMEGData::getTotalTrial() { return static_cast<int>(trials_.size()); }

CString CMEGData::getTrialFileName(int idx)
{
    if (idx < 0 || idx >= static_cast<int>(trials_.size())) return CString();
    return trials_[static_cast<size_t>(idx)]->trialName;
}

int CMEGData::getCurrentTrialIndx() { return currentTrial_; }

int CMEGData::openTrial(int idx)
{
    if (idx < 0 || idx >= static_cast<int>(trials_.size())) return 0;
    currentTrial_ = idx;
    return 1;
}

CString CMEGData::getSessionName() { return sessionName_; }

int CMEGData::addTrial(std::unique_ptr<CMDTrialqz> trial)
{
    if (!trial) return -1;
    trials_.push_back(std::move(trial));
    if (currentTrial_ < 0) currentTrial_ = 0;
    return static_cast<int>(trials_.size()) - 1;
}

void CMEGData::setProjectionParams(const std::vector<int>& channels)
{
    projParams_ = channels;
    projParamCount = static_cast<int>(projParams_.size());
    projParamList = projParams_.empty() ? nullptr : projParams_.data();
}

bool CMEGData2Process::validChannel(int chnl)
{
    CMDTrialqz* trial = getTrialqz(-1);
    return chnl >= 0 && trial && chnl < trial->channelCount();
}

int CMEGData2Process::isGoodChnl4Alltrials(int chnl)
{
    cxc::faults::hook("CMEGData2Process::isGoodChnl4Alltrials");
    return validChannel(chnl) && goodFlag(chnl) ? 1 : 0;
}

int CMEGData2Process::isShowChnl4Alltrials(int chnl)
{
    cxc::faults::hook("CMEGData2Process::isShowChnl4Alltrials");
    return validChannel(chnl) && shownFlag(chnl) ? 1 : 0;
}

void CMEGData2Process::setChannelFlags(int chnl, bool good, bool shown)
{
    if (chnl < 0) return;
    const size_t need = static_cast<size_t>(chnl) + 1;
    if (good_.size() < need) {
        good_.resize(need, 1);
        shown_.resize(need, 1);
    }
    good_[static_cast<size_t>(chnl)] = good ? 1 : 0;
    shown_[static_cast<size_t>(chnl)] = shown ? 1 : 0;
}

bool CMEGData2Process::goodFlag(int chnl) const
{
    return chnl >= 0 && (static_cast<size_t>(chnl) >= good_.size() || good_[static_cast<size_t>(chnl)]);
}

bool CMEGData2Process::shownFlag(int chnl) const
{
    return chnl >= 0 && (static_cast<size_t>(chnl) >= shown_.size() || shown_[static_cast<size_t>(chnl)]);
}

CString CMEGData8Show::getChnlName_PhycVirt(int chnl, bool)
{
    cxc::faults::hook("CMEGData8Show::getChnlName_PhycVirt");
    CMDTrialqz* trial = getTrialqz(-1);
    CMDChannelqz* ch = trial ? trial->channelAt(chnl) : nullptr;
    return ch ? ch->name : CString();
}
