// Background figures: only the result asked for last arrives; one asked for
// before it, or dropped, never does, even when it ends later.
#include <gtest/gtest.h>

#include <QTest>
#include <future>
#include <vector>

#include "app/background_figures.h"

namespace quellan {
namespace {

struct Fixture {
    std::promise<void> open;
    std::shared_future<void> gate = open.get_future().share();
    std::vector<int> arrived;
    BackgroundFigures<int> figures{[this](int result) { arrived.push_back(result); }};

    // Work that ends only once the gate opens.
    void startHeld(int result) {
        figures.start([gate = gate, result] {
            gate.wait();
            return result;
        });
    }
};

TEST(BackgroundFigures, AResultAskedForBeforeANewerOneIsDropped) {
    Fixture f;
    f.startHeld(1);
    f.figures.start([] { return 2; });
    f.open.set_value();
    f.figures.finish();
    EXPECT_EQ(f.arrived, std::vector<int>{2});
}

TEST(BackgroundFigures, ADroppedResultNeverArrives) {
    Fixture f;
    f.startHeld(1);
    f.figures.drop();
    EXPECT_FALSE(f.figures.busy());
    f.open.set_value();
    QTest::qWait(200);  // the ended work reports on the event loop
    EXPECT_TRUE(f.arrived.empty());
}

}  // namespace
}  // namespace quellan
