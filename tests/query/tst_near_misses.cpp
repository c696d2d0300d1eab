// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bounded edit distance that typo corrections and suggestions rank names by: the same as the
// whole distance, capped, for names and for slips of them; and the test of their bytes that rules
// names out before it, never one within the bound.

#include "query_text.h"

#include <mezzurix/unit_names.h>

#include <QtTest>

#include <algorithm>
#include <string>
#include <vector>

using namespace mezzurix;

namespace {

// The optimal string alignment distance, every cell computed: adjacent swaps count as one edit.
int fullDistance(const std::string& a, const std::string& b)
{
    std::vector<std::vector<int>> d(a.size() + 1, std::vector<int>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
        d[i][0] = static_cast<int>(i);
    for (std::size_t j = 0; j <= b.size(); ++j)
        d[0][j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= a.size(); ++i)
        for (std::size_t j = 1; j <= b.size(); ++j) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[a.size()][b.size()];
}

} // namespace

class TestNearMisses : public QObject {
    Q_OBJECT

private slots:
    void boundedDistanceIsTheFullOneCapped();
};

void TestNearMisses::boundedDistanceIsTheFullOneCapped()
{
    // Every name against every other of its unit's first letter and against three slips of it
    // (a letter dropped, two swapped, one doubled), under each bound a search uses.
    std::vector<std::string> names;
    for (const UnitName& name : unitAliases())
        names.push_back(query_text::fold(name.text));
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    long checked = 0;
    for (const std::string& a : names) {
        std::vector<std::string> others;
        if (a.size() > 2) {
            others.push_back(a.substr(0, 1) + a.substr(2));
            others.push_back(a.substr(0, 1) + a[2] + a[1] + a.substr(3));
            others.push_back(a + a.back());
        }
        for (const std::string& b : names)
            if (!b.empty() && !a.empty() && b.front() == a.front())
                others.push_back(b);
        for (const std::string& b : others)
            for (const int bound : {0, 1, 2}) {
                const int expected = std::min(fullDistance(a, b), bound + 1);
                if (query_text::editDistance(a, b, bound) != expected)
                    QFAIL((a + " / " + b + " bound " + std::to_string(bound)).c_str());
                // The byte sets never rule out a name within the bound.
                if (expected <= bound && !query_text::byteSetsWithin(query_text::byteSet(a), query_text::byteSet(b), bound))
                    QFAIL((a + " / " + b + " ruled out by their bytes at bound " + std::to_string(bound)).c_str());
                ++checked;
            }
    }
    QVERIFY(checked > 100000);
}

QTEST_APPLESS_MAIN(TestNearMisses)
#include "tst_near_misses.moc"
