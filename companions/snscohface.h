// Channel coupling library, the package of a trial: up to three classes of coupling data (0 Active,
// 1 Control, 2 Active-Control result), the class it currently holds, and the views that show it.
//   CSnsCohFace        classes and the current class
//   CSnsCohFace02Prcs  value range of a class
//   CSnsCohFace08Show  the registered views
#pragma once

#include <memory>
#include <vector>

#include "snscohdata.h"

class CWnd;

class CSnsCohFace {
public:
    CSnsCohFace();
    virtual ~CSnsCohFace();
    CSnsCohFace(const CSnsCohFace&) = delete;
    CSnsCohFace& operator=(const CSnsCohFace&) = delete;

    // Class cls (0..2), -1 for the current class; null when absent or out of range.
    CSnsCohDataqz* getCoherenceData(int cls);
    // 0 when class cls holds no data; otherwise it becomes the current class and 1 is returned.
    int setTrlCxcClass(int cls);
    int getCurrentClass() const { return currentClass_; }

    // Building: the first class set becomes the current one.
    int setClassData(int cls, std::unique_ptr<CSnsCohDataqz> data);

private:
    std::unique_ptr<CSnsCohDataqz> classes_[3];
    int currentClass_ = -1;
};

class CSnsCohFace02Prcs : public CSnsCohFace {
public:
    // CSnsCohData::getSnsCohRange of class cls (-1: current; selectionOnly: over its selection).
    // 0 with the outputs 0..0 when the class is absent or holds no finite value.
    int getSnsCohRange(int cls, double& lo, double& hi, bool selectionOnly, int skipSelf);
};

class CSnsCohFace08Show : public CSnsCohFace02Prcs {
public:
    // Registers a view once (views register on every paint). The pointer is only compared, never
    // followed, so a view destroyed since does no harm. The list keeps the most recent views.
    int viewerAdd(CWnd* view);
    int viewerRemove(CWnd* view);
    int viewerCount() const { return static_cast<int>(viewers_.size()); }
    bool hasViewer(const CWnd* view) const;

    static constexpr int kMaxViewers = 64;

private:
    std::vector<const CWnd*> viewers_;
};

class CSnsCohFaceqz : public CSnsCohFace08Show {};
