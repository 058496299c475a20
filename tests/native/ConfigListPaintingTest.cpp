// Filling a list paints it once, not once a row: on a shown list each row's
// painting costs far more than the row.
#include <gtest/gtest.h>

#include "tests/native/ConfigWorld.h"

using namespace config;

TEST(ConfigListPainting, StartUpAndEveryRefreshPaintEachListOnceNotOnceARow) {
    ConfigWorld w;
    std::vector<std::string> names;
    std::string ini;
    for (int i = 0; i < 40; ++i) {
        names.push_back("Item" + std::to_string(100 + i));
        ini += "\"" + names.back() + "\", \"Startup\", \"" + std::to_string(i) + "\"\r\n";
    }
    w.AddManaged(names);
    w.AddStartup(names);
    w.WriteIni(ini);
    for (const std::string& name : names)
        w.world.registry.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, name, "X.EXE");
    ASSERT_TRUE(w.host.Open());

    const std::vector<int> lists{IdcManagerList, IdcStartupList, IdcRunList, IdcRunServicesList};
    // The manager list is painted after its rows and again after their Source and Wait.
    auto paintedAFewTimes = [&](const std::vector<int>& before) {
        for (size_t i = 0; i < lists.size(); ++i) {
            HeadlessListView& list = w.List(lists[i]);
            EXPECT_TRUE(list.IsRedrawing()) << lists[i];
            EXPECT_LE(list.Paints() - before[i], 2) << lists[i];
        }
    };
    paintedAFewTimes({0, 0, 0, 0});
    EXPECT_EQ(w.List(IdcManagerList).ItemText(39, 2), "39");
    EXPECT_EQ(w.List(IdcRunList).Count(), 40);

    auto paints = [&] {
        std::vector<int> counts;
        for (int id : lists) counts.push_back(w.List(id).Paints());
        return counts;
    };
    std::vector<int> before = paints();
    w.host.Command(IdViewRefresh);
    paintedAFewTimes(before);

    before = paints();
    w.host.KeyDown(IdcStartupList, win::VkF5);
    paintedAFewTimes(before);

    // The directory polling after New Shortcut refills the manager list too.
    w.host.Command(IdFileNew);
    w.AddManaged({"New"});
    before = paints();
    w.host.Tick();
    paintedAFewTimes(before);
    EXPECT_EQ(w.List(IdcManagerList).Count(), 41);
}
