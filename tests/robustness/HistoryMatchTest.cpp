// Saving and restoring the relation history match links to saved entries
// as the scan of every entry does, newest first, although the library looks
// entries up through their points: checked against the direct rule on
// random chains over a small pool of points, so that links share points
// with many entries at once.
#include "DirectRules.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using Points = CTypedPtrArray<CObArray, CMyPoint*>;
using Links = CTypedPtrArray<CObArray, CRelation*>;

// A chain of links between random stations; owns its links and labels.
struct Chain {
    Links links;
    ~Chain()
    {
        for (INT_PTR i = 0; i < links.GetSize(); ++i) {
            delete links[i]->m_pText;
            delete links[i];
        }
    }
};

struct World {
    std::mt19937 random { 4321 };
    std::vector<std::unique_ptr<CMyPoint>> pool;

    explicit World(int poolSize)
    {
        for (int i = 0; i < poolSize; ++i)
            pool.push_back(std::make_unique<CMyPoint>(i, i, 0.0, 0.0, 0));
    }

    void RandomStation(Points& station, int maxSize)
    {
        std::uniform_int_distribution<int> size(0, maxSize);
        std::uniform_int_distribution<size_t> pick(0, pool.size() - 1);
        station.RemoveAll();
        for (int n = size(random); n > 0; --n)
            station.Add(pool[pick(random)].get());
    }

    void RandomChain(Chain& chain, int links, int maxStation)
    {
        Points from;
        Points to;
        RandomStation(from, maxStation);
        std::uniform_int_distribution<int> value(0, 9999);
        for (int k = 1; k <= links; ++k) {
            RandomStation(to, maxStation);
            const CString text = std::to_wstring(value(random)).c_str();
            chain.links.Add(new CRelation(k, from, to, random() % 2 == 0, text, 2, 100));
            from.Copy(to);
        }
    }
};

// Saved entries or links: their stations, texts and directions.
template <class Array> std::string Describe(const Array& entries)
{
    std::string out;
    auto list = [&out](const Points& points) {
        for (INT_PTR k = 0; k < points.GetSize(); ++k)
            out += std::to_string(static_cast<int>(points[k]->m_x)) + ",";
    };
    for (INT_PTR i = 0; i < entries.GetSize(); ++i) {
        out += "[";
        list(entries[i]->m_aFrom);
        out += " > ";
        list(entries[i]->m_aTo);
        const std::wstring& text = entries[i]->m_strValue.Str();
        out += " = " + std::string(text.begin(), text.end()) + (entries[i]->m_bHorz ? " h" : " v") + "] ";
    }
    return out;
}

} // namespace

TEST(HistoryMatch, SaveAndRestoreMatchTheScanOfEveryEntry)
{
    for (int poolSize : { 3, 8, 40 }) {
        World world(poolSize);
        CHisRel fast;
        CHisRel direct;
        for (int round = 0; round < 60; ++round) {
            SCOPED_TRACE(testing::Message() << "pool " << poolSize << ", round " << round);
            const int links = static_cast<int>(world.random() % 12);
            const int maxStation = 1 + static_cast<int>(world.random() % 4);

            Chain horz;
            Chain vert;
            world.RandomChain(horz, links, maxStation);
            world.RandomChain(vert, links / 2, maxStation);
            fast.Save(horz.links, vert.links);
            direct_rules::Save(horz.links, direct.m_aSaveHorz);
            direct_rules::Save(vert.links, direct.m_aSaveVert);
            ASSERT_EQ(Describe(fast.m_aSaveHorz), Describe(direct.m_aSaveHorz));
            ASSERT_EQ(Describe(fast.m_aSaveVert), Describe(direct.m_aSaveVert));

            // Fresh links with the texts a rebuild gives them.
            Chain again;
            Chain againDirect;
            world.RandomChain(again, links, maxStation);
            for (INT_PTR i = 0; i < again.links.GetSize(); ++i) {
                Points from;
                Points to;
                from.Copy(again.links[i]->m_aFrom);
                to.Copy(again.links[i]->m_aTo);
                againDirect.links.Add(new CRelation(static_cast<int>(i + 1), from, to, true, L"0", 2, 100));
                again.links[i]->m_strValue = L"0";
                again.links[i]->m_bHorz = true;
            }
            Chain none;
            fast.Restore(again.links, none.links);
            direct_rules::Restore(againDirect.links, direct.m_aSaveHorz);
            ASSERT_EQ(Describe(again.links), Describe(againDirect.links));

            // A forgotten point leaves entries that can no longer match.
            if (round % 7 == 6) {
                CMyPoint* gone = world.pool[world.random() % world.pool.size()].get();
                fast.ForgetPoint(gone);
                direct.ForgetPoint(gone);
            }
        }
        EXPECT_GT(fast.m_aSaveHorz.GetSize(), 0);
    }
}
