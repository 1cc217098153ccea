// Shared by the data-tooling tests: a raw .npy writer and a comparison of two data sets.
#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#include "medataset.h"
#include "snscohface.h"
#include "support.h"

namespace datatest {

// An .npy file with the given header dict and `bytes` bytes of data.
inline void writeRawNpy(const std::string& path, std::string dict, size_t bytes, int major = 1)
{
    dict.append((64 - ((major == 1 ? 10 : 12) + dict.size() + 1) % 64) % 64, ' ');
    dict += '\n';
    std::ofstream out(path, std::ios::binary);
    out.write("\x93NUMPY", 6);
    out.put(static_cast<char>(major));
    out.put(0);
    out.put(static_cast<char>(dict.size() & 0xFF));
    out.put(static_cast<char>((dict.size() >> 8) & 0xFF));
    if (major != 1) out.write("\0\0", 2);
    out << dict << std::string(bytes, '\0');
}

// Everything a data folder keeps of a data set, as text; the pairs' channels and samples as one
// checksum per class.
inline std::wstring describe(CArrayMEDataSetqz& ds)
{
    std::wostringstream out;
    out << std::hexfloat;
    CMEGDataqz* s = ds.getSessionData(-1);
    out << (s ? s->getSessionName().str() : L"no session") << L"\n";
    for (int t = 0; s && t < s->getTotalTrial(); ++t) {
        CMDTrialqz* trial = s->getTrialqz(t);
        out << trial->trialName.str() << L" MEG plane " << trial->isMegSnsr2dPlaneDone() << L"\n";
        for (int i = 0; i < trial->getTotalChannel(); ++i) {
            CMDChannelqz* c = trial->channelAt(i);
            double x = 0, y = 0, z = 0;
            const bool placed = c->position3D(x, y, z);
            out << c->name.str() << L" kind " << static_cast<int>(c->kind()) << L" at " << placed << L" " << x
                << L" " << y << L" " << z << L" layout " << c->hasLayout() << L" " << c->layoutX()
                << L" good " << s->goodFlag(i) << L" shown " << s->shownFlag(i) << L"\n";
        }
        CSnsCohFaceqz* face = trial->getCoherenceFaceqzTime(false);
        for (int cls = 0; face && cls < 3; ++cls) {
            CSnsCohDataqz* d = face->getCoherenceData(cls);
            if (!d) continue;
            d->ensureDataRange();  // a mapped class works its summary out when first asked
            std::uint64_t sum = 1469598103934665603ull;  // FNV-1a over 64-bit words
            auto mix = [&sum](std::uint64_t word) { sum = (sum ^ word) * 1099511628211ull; };
            for (long long i = 0; i < d->rowCount; ++i)
                for (long long j = 0; j < d->colCount; ++j) {
                    const CWavChnlChnlDataqz* e = d->pairAt(i, j);
                    mix(e ? static_cast<std::uint64_t>(e->rowChnl * 1000003LL + e->colChnl) : 1u);
                    for (long long k = 0; e && e->series && k < d->sampleCount; ++k)
                        mix(std::bit_cast<std::uint64_t>(e->series[k]));
                }
            out << L"class " << cls << L" " << d->text.str() << L"; " << d->cmptText.str() << L"; "
                << d->getChnlTypeIDname().str() << L"; samples " << d->sampleCount << L" select "
                << d->selectBegin << L".." << d->selectEnd << L" kind " << d->measureKind << L" mean "
                << d->meanMode << L" rate " << d->getSamplingRate() << L" first " << d->getFirstLatency()
                << L" values " << d->valueMin << L" " << d->valueMax << L" " << d->valueMean << L" pairs "
                << d->rowCount << L" x " << d->colCount << L" sum " << sum << L"\n";
        }
    }
    return out.str();
}

inline void expectSameData(CArrayMEDataSetqz& a, CArrayMEDataSetqz& b)
{
    EXPECT_EQ(describe(a), describe(b));
}

}  // namespace datatest
