// Recording data library, trials: the channel table (CMDTrial), sensor counts (0SensorInfo), the
// coupling package and its measurement summaries (7Coh01TimeData), and the 2-D sensor planes made
// by projection, scan or given layout, one per modality (8Show). CMDTrialqz is the leaf.
#pragma once

#include <memory>
#include <vector>

#include "afxstr.h"
#include "mdchannel.h"

class CSnsCohFaceqz;

class CMDTrial {
public:
    CMDTrial();
    virtual ~CMDTrial();
    CMDTrial(const CMDTrial&) = delete;
    CMDTrial& operator=(const CMDTrial&) = delete;

    int getTotalChannel();
    // Table of getTotalChannel() pointers; entries may be null. Null for a trial without channels.
    CMDChannelqz** getAllChannelPt();
    // Name of channel i; empty for an index out of range or a null entry.
    CString getChannelName(int i);

    // Building.
    CString trialName;  // shown in the row/column viewer's trial list
    int addChannel(std::unique_ptr<CMDChannelqz> channel);  // index of the new entry
    // Leaves entry i of the table null (the channel object is dropped; the planes stay made).
    void setChannelEntryNull(int i);
    // Channel i without fault hooks; null out of range.
    CMDChannelqz* channelAt(int i) const;
    int channelCount() const { return static_cast<int>(table_.size()); }

protected:
    virtual void channelsChanged() {}

private:
    std::vector<std::unique_ptr<CMDChannelqz>> owned_;
    std::vector<CMDChannelqz*> table_;
};

class CMDTrial0SensorInfo : public CMDTrial {
public:
    // Number of MEG measurement channels, and of EEG measurement channels.
    int getMeasureMegCoilADimension();
    int getMeasureEegElctDimension();
};

class CMDTrial7Coh01TimeData : public CMDTrial0SensorInfo {
public:
    CMDTrial7Coh01TimeData();
    ~CMDTrial7Coh01TimeData() override;

    // The coupling package; with create, an empty one is made when there is none.
    CSnsCohFaceqz* getCoherenceFaceqzTime(bool create);
    // Summary of the current row of class cls (-1: the current class) over the current selection
    // (clamped; selectionOnly false: all samples): minimum, mean, maximum and RMS of the pair means
    // of the non-self elements. Non-finite means are left out. 0 with the outputs untouched when
    // nothing is left.
    int getCohMeasurementResults(int cls, double& r1, double& r2, double& r3, double& r4, bool selectionOnly);
    // The same over the partners whose channel name contains the prefix ("L", "RF", ...).
    int getCohMeasurementResultsSN(int cls, CString prefix, double& r1, double& r2, double& r3, double& r4,
                                   bool selectionOnly);

    void setCoherenceFace(std::unique_ptr<CSnsCohFaceqz> face);
    std::unique_ptr<CSnsCohFaceqz> takeCoherenceFace();

private:
    int measure(int cls, const CString* prefix, double& r1, double& r2, double& r3, double& r4, bool selectionOnly);

    std::unique_ptr<CSnsCohFaceqz> face_;
};

class CMDTrial8Show : public CMDTrial7Coh01TimeData {
public:
    // Extent of the plane made last (either modality). Each modality keeps its own extent, which a
    // view reads with getPlaneExtent: an MEG and an EEG view on one trial must not rescale each other.
    double planeMinX = 0.0;
    double planeMaxX = 0.0;
    double planeMinY = 0.0;
    double planeMaxY = 0.0;

    bool isMegSnsr2dPlaneDone();
    bool isEegElectrod2dPlaneDone();
    // Projection, then a scan to 100 * scale. 0 when the scale is not a positive number or no
    // channel of the modality has a position.
    int projectMegMeasureSns3Dto2Dstd(double scale, bool makeExtent);
    int projectEegMeasureElectrode3Dto2Dstd(double scale, bool makeExtent);
    // Projection in raw radians; the sphere is fitted to the listed channel indices (count 0, a null
    // list or no valid entry: all channels of the modality). Returns the number of channels placed.
    int projectMegMeasureSns3Dto2Dpro(int count, int* list);
    int projectEegMeasureSns3Dto2Dpro(int count, int* list);
    // Fits the modality's plane to 0..size (uniform scale, the larger span becomes size). Returns the
    // number of channels placed, 0 for a size that is not a positive number.
    int scanMegMeasureSns2Dsz(double size);
    int scanEegMeasureSns2Dsz(double size);

    // Plane extent of a modality (0 MEG, 1 EEG); returns 1 when that plane is done, 0 otherwise
    // (outputs untouched for an unknown modality).
    int getPlaneExtent(int chnlType, double& minX, double& maxX, double& minY, double& maxY);
    // Makes each modality's plane from the channels' given layout positions when every measurement
    // channel of that modality has one. Returns the number of planes made.
    int useLayoutPlanes();
    // Forgets both planes (positions stay, the done flags drop); adding a channel does so too.
    void resetPlanes();

protected:
    void channelsChanged() override { resetPlanes(); }

private:
    struct Plane {
        double minX = 0.0, maxX = 0.0, minY = 0.0, maxY = 0.0;
        bool done = false;
    };
    Plane& plane(int modality) { return modality == 0 ? meg_ : eeg_; }
    bool isModality(CMDChannelqz* ch, int modality) const;
    void setPosition2D(CMDChannelqz* ch, int modality, double x, double y);
    void getPosition2D(CMDChannelqz* ch, int modality, double& x, double& y) const;
    void storeExtent(int modality, double minX, double maxX, double minY, double maxY);
    int projectPro(int modality, int count, const int* list);
    int scan(int modality, double size);
    int projectStd(int modality, double scale);

    Plane meg_;
    Plane eeg_;
};

class CMDTrialqz : public CMDTrial8Show {};
