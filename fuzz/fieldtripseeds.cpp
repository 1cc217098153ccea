// Writes the seed corpus of the FieldTrip fuzz target: small connectivity structs as MATLAB saves
// them, one per dimord and file version. Run: fieldtripseeds fuzz/corpus/fieldtrip
#include <matio.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

matvar_t* text(const std::string& s)
{
    size_t d[2] = {1, s.size()};
    return Mat_VarCreate(nullptr, MAT_C_CHAR, MAT_T_UINT8, 2, d, const_cast<char*>(s.data()), 0);
}

matvar_t* names(const std::vector<std::string>& v)
{
    size_t d[2] = {v.size(), 1};
    matvar_t* c = Mat_VarCreate(nullptr, MAT_C_CELL, MAT_T_CELL, 2, d, nullptr, 0);
    for (size_t k = 0; k < v.size(); ++k) Mat_VarSetCell(c, static_cast<int>(k), text(v[k]));
    return c;
}

matvar_t* numbers(std::vector<size_t> dims, std::vector<double> v)
{
    return Mat_VarCreate(nullptr, MAT_C_DOUBLE, MAT_T_DOUBLE, static_cast<int>(dims.size()), dims.data(), v.data(), 0);
}

matvar_t* sensors(const std::vector<std::string>& labels, const char* unit)
{
    const char* fields[] = {"label", "chanpos", "unit", nullptr};
    size_t one[2] = {1, 1};
    matvar_t* s = Mat_VarCreateStruct2(nullptr, 2, one, fields);
    std::vector<double> pos;
    for (int d = 0; d < 3; ++d)
        for (size_t k = 0; k < labels.size(); ++k) pos.push_back(d == 2 ? 9.0 : (k % 2 ? 3.0 : -3.0) * (d + 1));
    Mat_VarSetStructFieldByName(s, "label", 0, names(labels));
    Mat_VarSetStructFieldByName(s, "chanpos", 0, numbers({labels.size(), 3}, pos));
    Mat_VarSetStructFieldByName(s, "unit", 0, text(unit));
    return s;
}

void write(const std::string& path, const std::string& dimord, mat_ft version, matio_compression compression)
{
    const bool freq = dimord.find("freq") != std::string::npos, time = dimord.find("time") != std::string::npos;
    std::vector<size_t> dims{3, 3};
    if (freq) dims.push_back(1);
    if (time) dims.push_back(4);
    std::vector<double> values(9 * (time ? 4 : 1));
    for (size_t k = 0; k < values.size(); ++k) values[k] = 0.1 * static_cast<double>(k % 7);
    const char* fields[] = {"label", "dimord", "cohspctrm", "freq", "time", "grad", "elec", nullptr};
    size_t one[2] = {1, 1};
    matvar_t* s = Mat_VarCreateStruct2("stat", 2, one, fields);
    Mat_VarSetStructFieldByName(s, "label", 0, names({"MLC11", "MRC11", "Cz"}));
    Mat_VarSetStructFieldByName(s, "dimord", 0, text(dimord));
    Mat_VarSetStructFieldByName(s, "cohspctrm", 0, numbers(dims, values));
    Mat_VarSetStructFieldByName(s, "freq", 0, numbers({1, 1}, {10.0}));
    Mat_VarSetStructFieldByName(s, "time", 0, numbers({1, 4}, {0.0, 0.004, 0.008, 0.012}));
    Mat_VarSetStructFieldByName(s, "grad", 0, sensors({"MLC11", "MRC11"}, "cm"));
    Mat_VarSetStructFieldByName(s, "elec", 0, sensors({"Cz"}, "mm"));
    mat_t* mat = Mat_CreateVer(path.c_str(), nullptr, version);
    if (!mat || Mat_VarWrite(mat, s, compression) != 0) std::fprintf(stderr, "%s: not written\n", path.c_str());
    Mat_VarFree(s);
    if (mat) Mat_Close(mat);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string dir = argc > 1 ? argv[1] : ".";
    write(dir + "/chan_chan_time-v5.mat", "chan_chan_time", MAT_FT_MAT5, MAT_COMPRESSION_NONE);
    write(dir + "/chan_chan-v5.mat", "chan_chan", MAT_FT_MAT5, MAT_COMPRESSION_NONE);
    write(dir + "/chan_chan_freq-v7.mat", "chan_chan_freq", MAT_FT_MAT5, MAT_COMPRESSION_ZLIB);
    write(dir + "/chan_chan_freq_time-v73.mat", "chan_chan_freq_time", MAT_FT_MAT73, MAT_COMPRESSION_NONE);
    return 0;
}
