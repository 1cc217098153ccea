#include "democommand.h"

#include <filesystem>
#include <ostream>

#include "datafolder.h"
#include "datasource.h"
#include "filewrite.h"
#include "medataset.h"

namespace cxc::app {

std::string writeDataSet(CArrayMEDataSetqz& dataSet, const std::string& folder)
{
    return replaceFolderFiles(folder, "dataset.json", [&](const std::filesystem::path& temp) {
        return data::writeDataFolder(dataSet, temp.string());
    });
}

std::string writeDemoData(const std::string& folder)
{
    DataSource source;
    const std::string error = loadData({}, source);
    return error.empty() ? writeDataSet(*source.dataSet, folder) : error;
}

int runDemoData(const std::string& folder, std::ostream& out, std::ostream& err)
{
    if (const std::string error = writeDemoData(folder); !error.empty()) {
        err << "cxcmap demo-data: " << error << "\n";
        return 1;
    }
    out << "wrote the demo data set to " << folder << "\n";
    return 0;
}

}  // namespace cxc::app
