// Shared by the data-tooling tests: a raw .npy writer and a field-by-field comparison of two data
// sets (everything a data folder keeps).
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
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

inline bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

inline void expectSameData(CArrayMEDataSetqz& a, CArrayMEDataSetqz& b)
{
    CMEGDataqz* sa = a.getSessionData(-1);
    CMEGDataqz* sb = b.getSessionData(-1);
    ASSERT_TRUE(sa && sb);
    EXPECT_EQ(sa->getSessionName(), sb->getSessionName());
    ASSERT_EQ(sa->getTotalTrial(), sb->getTotalTrial());
    for (int t = 0; t < sa->getTotalTrial(); ++t) {
        CMDTrialqz* ta = sa->getTrialqz(t);
        CMDTrialqz* tb = sb->getTrialqz(t);
        EXPECT_EQ(ta->trialName, tb->trialName);
        ASSERT_EQ(ta->getTotalChannel(), tb->getTotalChannel());
        for (int i = 0; i < ta->getTotalChannel(); ++i) {
            CMDChannelqz* ca = ta->channelAt(i);
            CMDChannelqz* cb = tb->channelAt(i);
            double x1, y1, z1, x2, y2, z2;
            ASSERT_TRUE(ca->position3D(x1, y1, z1) && cb->position3D(x2, y2, z2));
            EXPECT_TRUE(ca->name == cb->name && ca->kind() == cb->kind() && x1 == x2 && y1 == y2 && z1 == z2 &&
                        ca->hasLayout() == cb->hasLayout() && ca->layoutX() == cb->layoutX() &&
                        sa->goodFlag(i) == sb->goodFlag(i) && sa->shownFlag(i) == sb->shownFlag(i))
                << "trial " << t << " channel " << i;
        }
        EXPECT_EQ(ta->isMegSnsr2dPlaneDone(), tb->isMegSnsr2dPlaneDone());
        CSnsCohFaceqz* fa = ta->getCoherenceFaceqzTime(false);
        CSnsCohFaceqz* fb = tb->getCoherenceFaceqzTime(false);
        ASSERT_EQ(fa == nullptr, fb == nullptr);
        for (int cls = 0; fa && cls < 3; ++cls) {
            CSnsCohDataqz* da = fa->getCoherenceData(cls);
            CSnsCohDataqz* db = fb->getCoherenceData(cls);
            ASSERT_EQ(da == nullptr, db == nullptr) << cls;
            if (!da) continue;
            SCOPED_TRACE("trial " + std::to_string(t) + " class " + std::to_string(cls));
            EXPECT_EQ(da->text, db->text);
            EXPECT_EQ(da->cmptText, db->cmptText);
            EXPECT_EQ(da->getChnlTypeIDname(), db->getChnlTypeIDname());
            EXPECT_TRUE(da->sampleCount == db->sampleCount && da->selectBegin == db->selectBegin &&
                        da->selectEnd == db->selectEnd && da->measureKind == db->measureKind &&
                        da->meanMode == db->meanMode);
            EXPECT_EQ(da->getSamplingRate(), db->getSamplingRate());
            EXPECT_EQ(da->getFirstLatency(), db->getFirstLatency());
            da->ensureDataRange();  // a mapped class works its summary out when first asked
            db->ensureDataRange();
            EXPECT_TRUE(sameBits(da->valueMin, db->valueMin) && sameBits(da->valueMax, db->valueMax) &&
                        sameBits(da->valueMean, db->valueMean));
            ASSERT_EQ(da->rowCount, db->rowCount);
            ASSERT_EQ(da->colCount, db->colCount);
            long long differing = 0;
            for (long long i = 0; i < da->rowCount; ++i)
                for (long long j = 0; j < da->colCount; ++j) {
                    CWavChnlChnlDataqz* ea = da->pairAt(i, j);
                    CWavChnlChnlDataqz* eb = db->pairAt(i, j);
                    ASSERT_TRUE(ea && eb);
                    differing += ea->rowChnl != eb->rowChnl || ea->colChnl != eb->colChnl ||
                                 std::memcmp(ea->series, eb->series, static_cast<size_t>(da->sampleCount) * sizeof(double));
                }
            EXPECT_EQ(differing, 0);
        }
    }
}

}  // namespace datatest
