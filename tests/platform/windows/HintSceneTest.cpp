#include "platform/windows/HintScene.h"

#include <gtest/gtest.h>

#include <string>

#include "WindowsProgramHarness.h"

namespace solvane::windows {
namespace {

using Harness = testing::WindowsProgramHarness<>;

TEST(HintScene, TakesTheShownLayersBackToFront) {
    Harness h;
    TfrmHint& model = h.program.hint();
    model.bounds = {10, 20, 300, 60};
    model.backgroundTransparent = false;
    model.backgroundColour = rgb(1, 2, 3);
    model.Label1.setCaption("Text");
    model.Label1.setPosition({5, 5});
    model.Label6.setCaption("Text");
    model.Label6.setPosition({10, 10});
    model.Label6.setVisible(true);
    model.Label3.setCaption("Text");
    model.Label3.setPosition({5, 6});
    model.Label3.setVisible(false);
    const HintScene scene = sceneOf(model);
    EXPECT_EQ(scene.size, (Size{300, 60}));
    EXPECT_EQ(scene.background, rgb(1, 2, 3));
    ASSERT_EQ(scene.layers.size(), 2U);
    EXPECT_EQ(scene.layers[0].position, (Point{10, 10}));  // the shadow, at the back
    EXPECT_EQ(scene.layers[1].position, (Point{5, 5}));    // the text, in front
    model.backgroundTransparent = true;
    EXPECT_FALSE(sceneOf(model).background.has_value());
}

TEST(HintScene, LeavesOutWhatCannotShow) {
    Harness h;
    TfrmHint& model = h.program.hint();
    model.bounds = {0, 0, 100, 40};
    model.Label1.setCaption(std::string(100000, 'x'));
    model.Label1.setPosition({5, 5});
    const HintScene scene = sceneOf(model);
    ASSERT_EQ(scene.layers.size(), 1U);
    // No more than a line 95 pixels wide can ever show.
    EXPECT_LT(scene.layers[0].caption.size(), 95U * 8 + 100);
    model.Label1.setPosition({100, 5});
    EXPECT_TRUE(sceneOf(model).layers.empty());
    model.Label1.setPosition({5, 40});
    EXPECT_TRUE(sceneOf(model).layers.empty());
    model.Label1.setPosition({5, 5});
    model.Label1.setCaption("");
    EXPECT_TRUE(sceneOf(model).layers.empty());
}

}  // namespace
}  // namespace solvane::windows
