// FieldTrip connectivity structs written with libmatio, as MATLAB's save would write them.
#pragma once

#include <functional>
#include <map>
#include <matio.h>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace fieldtriptest {

using Fields = std::map<std::string, std::function<matvar_t*()>>;

inline matvar_t* text(const std::string& s)
{
    size_t d[2] = {1, s.size()};
    return Mat_VarCreate(nullptr, MAT_C_CHAR, MAT_T_UINT8, 2, d, const_cast<char*>(s.data()), 0);
}
inline matvar_t* names(const std::vector<std::string>& v)
{
    size_t d[2] = {v.size(), 1};
    matvar_t* c = Mat_VarCreate(nullptr, MAT_C_CELL, MAT_T_CELL, 2, d, nullptr, 0);
    for (size_t k = 0; k < v.size(); ++k) Mat_VarSetCell(c, static_cast<int>(k), text(v[k]));
    return c;
}
inline matvar_t* numbers(std::vector<size_t> dims, const std::vector<double>& v)
{
    return Mat_VarCreate(nullptr, MAT_C_DOUBLE, MAT_T_DOUBLE, static_cast<int>(dims.size()), dims.data(),
                         const_cast<double*>(v.data()), 0);
}
inline matvar_t* structOf(const char* name, const Fields& fields)
{
    std::vector<const char*> keys;
    for (const auto& f : fields) keys.push_back(f.first.c_str());
    keys.push_back(nullptr);
    size_t d[2] = {1, 1};
    matvar_t* s = Mat_VarCreateStruct2(name, 2, d, keys.data());
    for (const auto& f : fields) Mat_VarSetStructFieldByName(s, f.first.c_str(), 0, f.second());
    return s;
}

// Four channels: MLC11 and MRC11 in grad (cm), Cz in elec (mm), X1 without a position. Coherence
// at 8, 10, 12 and 30 Hz over five samples from -0.1 s at 250 Hz; the 8-12 Hz band averages to
// base(i, j, t) exactly.
inline double base(size_t i, size_t j, size_t t) { return i == j ? 1.0 : 0.125 * static_cast<double>((i + j) % 4) + 0.0625 * t; }

inline Fields connectivity()
{
    std::vector<double> coh(4 * 4 * 4 * 5);
    const double offset[4] = {-0.25, 0.0, 0.25, 9.0};
    for (size_t t = 0; t < 5; ++t)
        for (size_t f = 0; f < 4; ++f)
            for (size_t j = 0; j < 4; ++j)
                for (size_t i = 0; i < 4; ++i) coh[i + 4 * j + 16 * f + 64 * t] = base(i, j, t) + offset[f];
    return {{"label", [] { return names({"MLC11", "MRC11", "Cz", "X1"}); }},
            {"dimord", [] { return text("chan_chan_freq_time"); }},
            {"cohspctrm", [coh] { return numbers({4, 4, 4, 5}, coh); }},
            {"freq", [] { return numbers({1, 4}, {8, 10, 12, 30}); }},
            {"time", [] { return numbers({1, 5}, {-0.1, -0.096, -0.092, -0.088, -0.084}); }},
            {"grad", [] { return structOf(nullptr, {{"label", [] { return names({"MRC11", "MLC11"}); }},
                                                    {"chanpos", [] { return numbers({2, 3}, {3, -3, 0, 0, 9, 9}); }},
                                                    {"unit", [] { return text("cm"); }}}); }},
            {"elec", [] { return structOf(nullptr, {{"label", [] { return names({"Cz"}); }},
                                                    {"chanpos", [] { return numbers({1, 3}, {0, 0, 100}); }},
                                                    {"unit", [] { return text("mm"); }}}); }}};
}

inline void writeMat(const std::string& path, const std::vector<std::pair<const char*, Fields>>& vars, mat_ft version = MAT_FT_MAT5)
{
    mat_t* mat = Mat_CreateVer(path.c_str(), nullptr, version);
    ASSERT_NE(mat, nullptr);
    for (const auto& [name, fields] : vars) {
        matvar_t* s = structOf(name, fields);
        EXPECT_EQ(Mat_VarWrite(mat, s, MAT_COMPRESSION_NONE), 0);
        Mat_VarFree(s);
    }
    Mat_Close(mat);
}

}  // namespace fieldtriptest
