#include "mdtrial.h"

#include <cmath>
#include <limits>

#include "faults.h"
#include "projection.h"
#include "snscohface.h"

// ---- CMDTrial: the channel table ---------------------------------------------------------------

CMDTrial::CMDTrial() = default;
CMDTrial::~CMDTrial() = default;

int CMDTrial::getTotalChannel()
{
    cxc::faults::hook("CMDTrial::getTotalChannel");
    return channelCount();
}

CMDChannelqz** CMDTrial::getAllChannelPt()
{
    cxc::faults::hook("CMDTrial::getAllChannelPt");
    return table_.empty() ? nullptr : table_.data();
}

CString CMDTrial::getChannelName(int i)
{
    cxc::faults::hook("CMDTrial::getChannelName");
    CMDChannelqz* ch = channelAt(i);
    return ch ? ch->name : CString();
}

int CMDTrial::addChannel(std::unique_ptr<CMDChannelqz> channel)
{
    table_.push_back(channel.get());
    owned_.push_back(std::move(channel));
    channelsChanged();
    return channelCount() - 1;
}

void CMDTrial::setChannelEntryNull(int i)
{
    if (i < 0 || i >= channelCount()) return;
    table_[static_cast<size_t>(i)] = nullptr;
    owned_[static_cast<size_t>(i)].reset();
}

CMDChannelqz* CMDTrial::channelAt(int i) const
{
    if (i < 0 || i >= channelCount()) return nullptr;
    return table_[static_cast<size_t>(i)];
}

// ---- CMDTrial0SensorInfo -------------------------------------------------------------------------

int CMDTrial0SensorInfo::getMeasureMegCoilADimension()
{
    int n = 0;
    for (int i = 0; i < channelCount(); ++i)
        if (CMDChannelqz* ch = channelAt(i); ch && ch->kind() == CMDChannelqz::Kind::Meg) ++n;
    return n;
}

int CMDTrial0SensorInfo::getMeasureEegElctDimension()
{
    int n = 0;
    for (int i = 0; i < channelCount(); ++i)
        if (CMDChannelqz* ch = channelAt(i); ch && ch->kind() == CMDChannelqz::Kind::Eeg) ++n;
    return n;
}

// ---- CMDTrial7Coh01TimeData: the coupling package ----------------------------------------------

CMDTrial7Coh01TimeData::CMDTrial7Coh01TimeData() = default;
CMDTrial7Coh01TimeData::~CMDTrial7Coh01TimeData() = default;

CSnsCohFaceqz* CMDTrial7Coh01TimeData::getCoherenceFaceqzTime(bool create)
{
    cxc::faults::hook("CMDTrial7Coh01TimeData::getCoherenceFaceqzTime");
    if (!face_ && create) face_ = std::make_unique<CSnsCohFaceqz>();
    return face_.get();
}

void CMDTrial7Coh01TimeData::setCoherenceFace(std::unique_ptr<CSnsCohFaceqz> face) { face_ = std::move(face); }

std::unique_ptr<CSnsCohFaceqz> CMDTrial7Coh01TimeData::takeCoherenceFace() { return std::move(face_); }

int CMDTrial7Coh01TimeData::getCohMeasurementResults(int cls, double& r1, double& r2, double& r3, double& r4,
                                                     bool selectionOnly)
{
    return measure(cls, nullptr, r1, r2, r3, r4, selectionOnly);
}

int CMDTrial7Coh01TimeData::getCohMeasurementResultsSN(int cls, CString prefix, double& r1, double& r2,
                                                       double& r3, double& r4, bool selectionOnly)
{
    return measure(cls, &prefix, r1, r2, r3, r4, selectionOnly);
}

int CMDTrial7Coh01TimeData::measure(int cls, const CString* prefix, double& r1, double& r2, double& r3,
                                    double& r4, bool selectionOnly)
{
    CSnsCohDataqz* data = face_ ? face_->getCoherenceData(cls) : nullptr;
    if (!data) return 0;
    const __int64 t = data->sampleCount;
    __int64 b = 0, e = t - 1;
    if (selectionOnly) {
        b = data->selectBegin < 0 ? 0 : data->selectBegin;
        e = data->selectEnd < e ? data->selectEnd : e;
    }
    if (e < b) return 0;
    const __int64 row = data->curRow;
    const __int64 cols = data->colsWalkable();
    double lo = 0.0, hi = 0.0, sum = 0.0, sumSq = 0.0;
    __int64 n = 0;
    for (__int64 j = 0; j < cols; ++j) {
        CWavChnlChnlDataqz* el = data->pairAt(row, j);
        if (!el || !el->series || el->rowChnl == el->colChnl) continue;
        if (prefix) {
            CMDChannelqz* partner = channelAt(el->colChnl);
            if (!partner || partner->name.Find(prefix->GetString()) < 0) continue;
        }
        const double m = el->getSelectDataMean(b, e, 0);
        if (!std::isfinite(m)) continue;
        if (n == 0) lo = hi = m;
        lo = m < lo ? m : lo;
        hi = m > hi ? m : hi;
        sum += m;
        sumSq += m * m;
        ++n;
    }
    if (n == 0) return 0;
    r1 = lo;
    r2 = sum / static_cast<double>(n);
    r3 = hi;
    r4 = std::sqrt(sumSq / static_cast<double>(n));
    return 1;
}

// ---- CMDTrial8Show: the 2-D planes ---------------------------------------------------------------

bool CMDTrial8Show::isMegSnsr2dPlaneDone() { return meg_.done; }
bool CMDTrial8Show::isEegElectrod2dPlaneDone() { return eeg_.done; }

bool CMDTrial8Show::isModality(CMDChannelqz* ch, int modality) const
{
    if (!ch) return false;
    return ch->kind() == (modality == 0 ? CMDChannelqz::Kind::Meg : CMDChannelqz::Kind::Eeg);
}

void CMDTrial8Show::setPosition2D(CMDChannelqz* ch, int modality, double x, double y)
{
    if (modality == 0) {
        ch->megX2d = x;
        ch->megY2d = y;
    } else {
        ch->eegX2d = x;
        ch->eegY2d = y;
    }
}

void CMDTrial8Show::getPosition2D(CMDChannelqz* ch, int modality, double& x, double& y) const
{
    x = modality == 0 ? ch->megX2d : ch->eegX2d;
    y = modality == 0 ? ch->megY2d : ch->eegY2d;
}

void CMDTrial8Show::storeExtent(int modality, double minX, double maxX, double minY, double maxY)
{
    Plane& p = plane(modality);
    p.minX = planeMinX = minX;
    p.maxX = planeMaxX = maxX;
    p.minY = planeMinY = minY;
    p.maxY = planeMaxY = maxY;
    p.done = true;
}

int CMDTrial8Show::projectPro(int modality, int count, const int* list)
{
    std::vector<cxc::proj::Point3> fit;
    if (list && count > 0) {
        for (int k = 0; k < count; ++k) {
            CMDChannelqz* ch = channelAt(list[k]);
            double x, y, z;
            if (isModality(ch, modality) && ch->position3D(x, y, z)) fit.push_back({x, y, z});
        }
    }
    std::vector<CMDChannelqz*> placed;
    std::vector<cxc::proj::Point3> all;
    for (int i = 0; i < channelCount(); ++i) {
        CMDChannelqz* ch = channelAt(i);
        double x, y, z;
        if (!isModality(ch, modality)) continue;
        if (ch->position3D(x, y, z)) {
            placed.push_back(ch);
            all.push_back({x, y, z});
        } else {
            setPosition2D(ch, modality, 0.0, 0.0);  // no geometry: parked at the plane's origin
        }
    }
    if (placed.empty()) return 0;
    const cxc::proj::Point3 centre = cxc::proj::fitSphereCentre(fit.empty() ? all : fit);
    std::vector<cxc::proj::Point2> flat;
    flat.reserve(placed.size());
    for (size_t k = 0; k < placed.size(); ++k) {
        flat.push_back(cxc::proj::azimuthalEquidistant(all[k], centre));
        setPosition2D(placed[k], modality, flat.back().x, flat.back().y);
    }
    const cxc::proj::Extent e = cxc::proj::boundingBox(flat);
    storeExtent(modality, e.minX, e.maxX, e.minY, e.maxY);
    return static_cast<int>(placed.size());
}

int CMDTrial8Show::scan(int modality, double size)
{
    if (!(size > 0.0) || !std::isfinite(size)) return 0;
    std::vector<CMDChannelqz*> placed;
    std::vector<cxc::proj::Point2> flat;
    for (int i = 0; i < channelCount(); ++i) {
        CMDChannelqz* ch = channelAt(i);
        if (!isModality(ch, modality) || !(ch->hasPosition3D() || ch->hasLayout())) continue;
        double x, y;
        getPosition2D(ch, modality, x, y);
        placed.push_back(ch);
        flat.push_back({x, y});
    }
    if (placed.empty()) return 0;
    const cxc::proj::Extent e = cxc::proj::scanToSize(flat, size);
    for (size_t k = 0; k < placed.size(); ++k) setPosition2D(placed[k], modality, flat[k].x, flat[k].y);
    storeExtent(modality, e.minX, e.maxX, e.minY, e.maxY);
    return static_cast<int>(placed.size());
}

int CMDTrial8Show::projectStd(int modality, double scale)
{
    if (!(scale > 0.0) || !std::isfinite(scale) || !std::isfinite(100.0 * scale)) return 0;
    if (projectPro(modality, 0, nullptr) == 0) return 0;
    return scan(modality, 100.0 * scale);
}

int CMDTrial8Show::projectMegMeasureSns3Dto2Dstd(double scale, bool)
{
    cxc::faults::hook("CMDTrial8Show::projectMegMeasureSns3Dto2Dstd");
    return projectStd(0, scale);
}

int CMDTrial8Show::projectEegMeasureElectrode3Dto2Dstd(double scale, bool)
{
    cxc::faults::hook("CMDTrial8Show::projectEegMeasureElectrode3Dto2Dstd");
    return projectStd(1, scale);
}

int CMDTrial8Show::projectMegMeasureSns3Dto2Dpro(int count, int* list)
{
    cxc::faults::hook("CMDTrial8Show::projectMegMeasureSns3Dto2Dpro");
    return projectPro(0, count, list);
}

int CMDTrial8Show::projectEegMeasureSns3Dto2Dpro(int count, int* list)
{
    cxc::faults::hook("CMDTrial8Show::projectEegMeasureSns3Dto2Dpro");
    return projectPro(1, count, list);
}

int CMDTrial8Show::scanMegMeasureSns2Dsz(double size)
{
    cxc::faults::hook("CMDTrial8Show::scanMegMeasureSns2Dsz");
    return scan(0, size);
}

int CMDTrial8Show::scanEegMeasureSns2Dsz(double size)
{
    cxc::faults::hook("CMDTrial8Show::scanEegMeasureSns2Dsz");
    return scan(1, size);
}

int CMDTrial8Show::getPlaneExtent(int chnlType, double& minX, double& maxX, double& minY, double& maxY)
{
    if (chnlType != 0 && chnlType != 1) return 0;
    const Plane& p = plane(chnlType);
    minX = p.minX;
    maxX = p.maxX;
    minY = p.minY;
    maxY = p.maxY;
    return p.done ? 1 : 0;
}

int CMDTrial8Show::useLayoutPlanes()
{
    int made = 0;
    for (int modality = 0; modality < 2; ++modality) {
        std::vector<CMDChannelqz*> members;
        bool all = true;
        for (int i = 0; i < channelCount(); ++i) {
            CMDChannelqz* ch = channelAt(i);
            if (!isModality(ch, modality)) continue;
            members.push_back(ch);
            all = all && ch->hasLayout();
        }
        if (members.empty() || !all) continue;
        std::vector<cxc::proj::Point2> flat;
        for (CMDChannelqz* ch : members) {
            setPosition2D(ch, modality, ch->layoutX(), ch->layoutY());
            flat.push_back({ch->layoutX(), ch->layoutY()});
        }
        const cxc::proj::Extent e = cxc::proj::boundingBox(flat);
        storeExtent(modality, e.minX, e.maxX, e.minY, e.maxY);
        ++made;
    }
    return made;
}

void CMDTrial8Show::resetPlanes()
{
    meg_ = Plane();
    eeg_ = Plane();
}
