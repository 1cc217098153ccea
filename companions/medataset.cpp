#include "medataset.h"

#include "faults.h"

CArrayMEDataSet::CArrayMEDataSet() = default;
CArrayMEDataSet::~CArrayMEDataSet() = default;

CMEGDataqz* CArrayMEDataSet::getSessionData(int idx)
{
    cxc::faults::hook("CArrayMEDataSet::getSessionData");
    if (idx == -1) idx = current_;
    if (idx < 0 || idx >= static_cast<int>(sessions_.size())) return nullptr;
    return sessions_[static_cast<size_t>(idx)].get();
}

int CArrayMEDataSet::setCurrentSession(int idx)
{
    if (idx < 0 || idx >= static_cast<int>(sessions_.size())) return 0;
    current_ = idx;
    return 1;
}

int CArrayMEDataSet::addSession(std::unique_ptr<CMEGDataqz> session)
{
    if (!session) return -1;
    sessions_.push_back(std::move(session));
    if (current_ < 0) current_ = 0;
    return static_cast<int>(sessions_.size()) - 1;
}
