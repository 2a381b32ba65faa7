// The chain of nodes and gaps: insertion, removal, numbering and clearing.

#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"
#include "zelt/model/OAxisSystem.h"

namespace {

// Checks that every gap and node of the chain point back at each other.
void expectLinkedChain(const zelt::OSystem& system) {
  const int count = system.nodeCount();
  ASSERT_EQ(static_cast<std::size_t>(count), system.surfaceCount() + 2);
  EXPECT_EQ(system.nodeAt(0), system.object());
  EXPECT_EQ(system.nodeAt(count - 1), system.image());
  EXPECT_EQ(system.object()->in, nullptr);
  EXPECT_EQ(system.image()->out, nullptr);
  for (int i = 0; i + 1 < count; ++i) {
    const zelt::ONode* node = system.nodeAt(i);
    ASSERT_NE(node->out, nullptr);
    EXPECT_EQ(node->out->prev, node);
    EXPECT_EQ(node->out->next->in, node->out);
    EXPECT_EQ(system.indexOf(node), i);
  }
}

}  // namespace

TEST(SystemChain, InsertionsSplitGapsAndTakeTheirMedium) {
  zelt::OAxisSystem system;
  system.createBase();
  zelt::OHMedium glass("G", {1.5});
  zelt::OHMedium other("H", {1.7});
  system.object()->out->medium = &glass;
  system.object()->out->distance() = 100;
  zelt::ONode* first = system.insertFirst();
  EXPECT_EQ(first->out->medium, &glass);
  EXPECT_EQ(system.object()->out->getDistance(), 100);  // the split gap keeps its distance
  EXPECT_EQ(first->out->getDistance(), 0);
  first->out->medium = &other;
  zelt::ONode* last = system.insertLast();
  EXPECT_EQ(last->out->medium, &other);
  zelt::ONode* middle = system.insertBefore(last);
  EXPECT_EQ(system.indexOf(middle), 2);
  EXPECT_EQ(system.indexOf(last), 3);
  ASSERT_NE(middle->element(), nullptr);
  EXPECT_EQ(middle->element()->getCurvature(), 0.0);
  expectLinkedChain(system);
  system.remove(middle);
  expectLinkedChain(system);
  EXPECT_EQ(system.nodeAt(2), last);
  EXPECT_THROW(system.remove(system.object()), std::runtime_error);
  EXPECT_THROW(system.remove(system.image()), std::runtime_error);
}

TEST(SystemChain, NodeAccessOutsideTheChain) {
  zelt::OAxisSystem system;
  EXPECT_EQ(system.nodeCount(), 0);
  EXPECT_EQ(system.nodeAt(0), nullptr);
  system.createBase();
  system.appendSurface();
  EXPECT_EQ(system.nodeAt(3), nullptr);
  EXPECT_EQ(system.nodeAt(-1), nullptr);
  zelt::ONode stranger;
  EXPECT_EQ(zelt_test::thrownMessage([&] { system.indexOf(&stranger); }),
            "OSystem: Node does not exist");
  EXPECT_THROW(system.remove(&stranger), std::runtime_error);
  expectLinkedChain(system);
}

TEST(SystemChain, ClearKeepsNameSettingsAndGlassStore) {
  zelt::OAxisSystem system;
  system.createBase();
  system.appendSurface();
  system.name = "lens";
  system.settings().angleMode = "tg";
  system.glassStore().addMedium(std::make_unique<zelt::OHMedium>("G", std::vector{1.5}));
  system.zones().push_back(std::make_unique<zelt::OZone>());
  system.setStop(std::make_unique<zelt::OApertureStop>());
  system.clear();
  EXPECT_EQ(system.nodeCount(), 0);
  EXPECT_EQ(system.surfaceCount(), 0u);
  EXPECT_EQ(system.source(), nullptr);
  EXPECT_EQ(system.stop(), nullptr);
  EXPECT_TRUE(system.zones().empty());
  EXPECT_EQ(system.name, "lens");
  EXPECT_EQ(system.settings().angleMode, "tg");
  EXPECT_EQ(system.glassStore().madeMedia().size(), 1u);
  system.createBase();
  EXPECT_EQ(system.source()->wavelengths, std::vector<double>{0.55});
  EXPECT_EQ(system.source()->weights, std::vector<double>{1.0});
  expectLinkedChain(system);
}

TEST(SystemChain, NodeCloneCopiesOwnedPartsDeeply) {
  zelt::ONode node(std::make_unique<zelt::OSurface2>(0.1, 0.5));
  node.setOutline(std::make_unique<geom::GEllipse<double>>(0, 0, 2, 1, 0));
  node.h = 3;
  const auto copy = node.clone();
  node.element()->setCurvature(9);
  EXPECT_EQ(copy->element()->getCurvature(), 0.1);
  EXPECT_EQ(copy->element()->getConic(), 0.5);
  EXPECT_NE(copy->outline(), node.outline());
  EXPECT_EQ(copy->h, 3);
}
