#include "datasource.h"

#include "classnames.h"
#include "cxccompanions.h"
#include "datafolder.h"
#include "demodata.h"
#include "showtable.h"

namespace cxc::app {

namespace {

// The class data of a class with a pair array; null otherwise.
CSnsCohDataqz* classData(CMDTrialqz* trial, int cxcClass)
{
    CouplingRoad road;
    return takeRoad(trial, cxcClass, road) ? road.data : nullptr;
}

std::string str(const CString& s) { return toUtf8(s); }

}  // namespace

std::string loadData(const std::string& folder, DataSource& out, const data::FieldTripChoice& fieldTrip)
{
    out.warning.clear();
    if (folder.empty()) {
        out.dataSet = demo::build();
        out.origin = "built-in demo data";
        return out.dataSet ? std::string() : "the built-in demo data set could not be built";
    }
    data::LoadResult loaded =
        data::isMatFile(folder) ? data::loadFieldTrip(folder, fieldTrip, out.warning) : data::loadDataFolder(folder);
    if (!loaded.dataSet) return loaded.error.empty() ? folder + ": the data folder could not be read" : loaded.error;
    out.dataSet = std::move(loaded.dataSet);
    out.origin = folder;
    return {};
}

DataCounts countData(CArrayMEDataSetqz& dataSet)
{
    DataCounts c;
    CMEGDataqz* session = dataSet.getSessionData(-1);
    if (!session) return c;
    c.session = session->getSessionName();
    c.trials = session->getTotalTrial();
    CMDTrialqz* trial = session->getTrialqz(-1);
    if (!trial) return c;
    c.channels = trial->getTotalChannel();
    c.meg = trial->getMeasureMegCoilADimension();
    c.eeg = trial->getMeasureEegElctDimension();
    for (int cls = 0; cls < 3; ++cls) {
        CSnsCohDataqz* data = classData(trial, cls);
        if (!data) continue;
        if (c.classes++) c.classNames += L", ";
        c.classNames += className(cls);
        if (c.samples < data->sampleCount) c.samples = data->sampleCount;
    }
    return c;
}

CString statusLine(const DataCounts& c)
{
    CString line;
    line.Format(L"Session %s  |  %d trial%s  |  %d channels (%d MEG, %d EEG)  |  %I64d samples  |  %d class%s",
                c.session.GetString(), c.trials, c.trials == 1 ? L"" : L"s", c.channels, c.meg, c.eeg,
                static_cast<long long>(c.samples), c.classes, c.classes == 1 ? L"" : L"es");
    if (c.classes > 0) line.AppendFormat(L" (%s)", c.classNames.GetString());
    return line;
}

const char* modalityName(int modality) { return modality == 1 ? "EEG" : "MEG"; }

CSnsCohDataqz* applyChoice(CArrayMEDataSetqz& dataSet, const ClassChoice& choice, std::string& error)
{
    CMDTrialqz* trial = currentTrial(&dataSet);
    if (!trial) {
        error = "the data set has no current trial";
        return nullptr;
    }
    const int channels = choice.modality == 1 ? trial->getMeasureEegElctDimension() : trial->getMeasureMegCoilADimension();
    if (channels < 1) {
        error = std::string("the data set has no ") + modalityName(choice.modality) + " channels (--modality " +
                (choice.modality == 1 ? "eeg" : "meg") + ")";
        return nullptr;
    }
    CSnsCohDataqz* data = classData(trial, choice.cxcClass);
    if (!data) {
        error = "the data set has no " + str(className(choice.cxcClass)) + " class (--class " +
                std::to_string(choice.cxcClass) + ")";
        return nullptr;
    }
    const std::string cls = str(className(choice.cxcClass));
    if (choice.row && (*choice.row < 0 || *choice.row >= data->rowCount)) {
        error = "--row " + std::to_string(*choice.row) + " is out of range: the " + cls + " class has " +
                (data->rowCount < 1 ? std::string("no rows") : "rows 0 to " + std::to_string(data->rowCount - 1));
        return nullptr;
    }
    if (choice.select) {
        const auto [b, e] = *choice.select;
        const std::string given = "--select " + std::to_string(b) + " " + std::to_string(e);
        if (b < 0 || e < 0 || b >= data->sampleCount || e >= data->sampleCount) {
            error = given + " is out of range: the " + cls + " class has samples 0 to " +
                    std::to_string(data->sampleCount - 1);
            return nullptr;
        }
        if (e < b) {
            error = given + ": the selection ends before it begins";
            return nullptr;
        }
    }
    if (choice.row) data->curRow = *choice.row;
    if (choice.select) data->setSelect(choice.select->first, choice.select->second);
    return data;
}

}  // namespace cxc::app
