// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The engine's tables asked for from the initialiser of a global, before main(): a front end's
// global may do so at any time. This file's globals are built before those of the engine's
// libraries, because the link line lists a target's own objects before the libraries it links.

#include <mezzurix/catalogue.h>
#include <mezzurix/typed_units.h>

#include <QTest>

#include <vector>

namespace {

struct Seen {
    std::size_t categories = 0;
    std::vector<int> unplacedCodes;  // codes of typed units whose place was not found
};

Seen seeBeforeMain()
{
    Seen seen;
    const auto typed = mezzurix::typedCategories();
    seen.categories = typed.size();
    for (const mezzurix::Category& category : typed)
        for (const mezzurix::Unit& unit : category.units)
            if (!mezzurix::typedPlaceOf(unit.code))
                seen.unplacedCodes.push_back(unit.code);
    return seen;
}

const Seen kSeenBeforeMain = seeBeforeMain();

} // namespace

class StartupOrder : public QObject {
    Q_OBJECT
private slots:
    void typedCatalogueIsCompleteBeforeMain()
    {
        QVERIFY(mezzurix::typedCategories().size() > mezzurix::categories().size());
        QCOMPARE(kSeenBeforeMain.categories, mezzurix::typedCategories().size());
        QVERIFY(kSeenBeforeMain.unplacedCodes.empty());
    }
};

QTEST_APPLESS_MAIN(StartupOrder)
#include "tst_startup_order.moc"
