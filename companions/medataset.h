// Recording data library, the data set the host hands to the module: its sessions and the current
// session. CArrayMEDataSetqz is the leaf.
#pragma once

#include <memory>
#include <vector>

#include "megdata.h"

class CArrayMEDataSet {
public:
    CArrayMEDataSet();
    virtual ~CArrayMEDataSet();
    CArrayMEDataSet(const CArrayMEDataSet&) = delete;
    CArrayMEDataSet& operator=(const CArrayMEDataSet&) = delete;

    // Session idx, -1 for the current session; null when absent or out of range.
    CMEGDataqz* getSessionData(int idx);
    int getTotalSession() const { return static_cast<int>(sessions_.size()); }
    // Makes session idx current; 1 when it exists.
    int setCurrentSession(int idx);

    int addSession(std::unique_ptr<CMEGDataqz> session);  // the first session becomes current

private:
    std::vector<std::unique_ptr<CMEGDataqz>> sessions_;
    int current_ = -1;
};

class CArrayMEDataSetqz : public CArrayMEDataSet {};
