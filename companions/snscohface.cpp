#include "snscohface.h"

#include <algorithm>

#include "faults.h"

CSnsCohFace::CSnsCohFace() = default;
CSnsCohFace::~CSnsCohFace() = default;

CSnsCohDataqz* CSnsCohFace::getCoherenceData(int cls)
{
    cxc::faults::hook("CSnsCohFace::getCoherenceData");
    if (cls == -1) cls = currentClass_;
    if (cls < 0 || cls > 2) return nullptr;
    return classes_[cls].get();
}

int CSnsCohFace::setTrlCxcClass(int cls)
{
    if (cls < 0 || cls > 2 || !classes_[cls]) return 0;
    currentClass_ = cls;
    return 1;
}

int CSnsCohFace::setClassData(int cls, std::unique_ptr<CSnsCohDataqz> data)
{
    if (cls < 0 || cls > 2) return 0;
    classes_[cls] = std::move(data);
    if (classes_[cls] && (currentClass_ < 0 || !classes_[currentClass_])) currentClass_ = cls;
    if (!classes_[cls] && currentClass_ == cls) {
        currentClass_ = -1;
        for (int k = 0; k < 3 && currentClass_ < 0; ++k)
            if (classes_[k]) currentClass_ = k;
    }
    return 1;
}

int CSnsCohFace02Prcs::getSnsCohRange(int cls, double& lo, double& hi, bool selectionOnly, int skipSelf)
{
    CSnsCohDataqz* data = getCoherenceData(cls);
    if (!data) {
        lo = hi = 0.0;
        return 0;
    }
    return data->getSnsCohRange(lo, hi, selectionOnly, -1, -1, skipSelf);
}

int CSnsCohFace08Show::viewerAdd(CWnd* view)
{
    if (!view) return 0;
    if (hasViewer(view)) return 1;
    if (static_cast<int>(viewers_.size()) >= kMaxViewers) viewers_.erase(viewers_.begin());
    viewers_.push_back(view);
    return 1;
}

int CSnsCohFace08Show::viewerRemove(CWnd* view)
{
    auto it = std::find(viewers_.begin(), viewers_.end(), view);
    if (it == viewers_.end()) return 0;
    viewers_.erase(it);
    return 1;
}

bool CSnsCohFace08Show::hasViewer(const CWnd* view) const
{
    return std::find(viewers_.begin(), viewers_.end(), view) != viewers_.end();
}
