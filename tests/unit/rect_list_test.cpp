// The frame's list of changed rectangles: neighbours merge, and a full list loses no change.

#include <gtest/gtest.h>

#include <vector>

#include "layout/rect_list.h"

namespace corvanta {
namespace {

bool Covered(const RectList& list, const PixelRect& r) {
  for (const PixelRect& item : list.Items()) {
    if (item.Intersect(r) == r) return true;
  }
  return false;
}

// One pixel each, far enough apart that no two are worth merging.
PixelRect Apart(int n) { return {n * 100, (n % 5) * 100, n * 100 + 1, (n % 5) * 100 + 1}; }

TEST(RectList, NeighboursMergeAndDistantRectanglesStayApart) {
  RectList list;
  list.Add({0, 0, 0, 10});  // empty: nothing changed
  EXPECT_TRUE(list.Empty());
  list.Add({0, 0, 10, 10});
  list.Add({10, 0, 20, 10});  // touching
  ASSERT_EQ(list.Items().size(), 1u);
  EXPECT_EQ(list.Items()[0], (PixelRect{0, 0, 20, 10}));
  list.Add({500, 500, 510, 510});
  EXPECT_EQ(list.Items().size(), 2u);
  // A rectangle that bridges two joins them all, through the merge it causes.
  list.Add({15, 5, 505, 505});
  ASSERT_EQ(list.Items().size(), 1u);
  EXPECT_EQ(list.Items()[0], (PixelRect{0, 0, 510, 510}));
  list.Clear();
  EXPECT_TRUE(list.Empty());
}

TEST(RectList, AFullListFoldsIntoOneRectangleAndLosesNoChange) {
  for (const int extra : {0, 1, 2, 40}) {
    RectList list;
    std::vector<PixelRect> added;
    for (int n = 0; n < static_cast<int>(RectList::kCapacity) + extra; ++n) {
      added.push_back(Apart(n));
      list.Add(added.back());
      ASSERT_LE(list.Items().size(), RectList::kCapacity);
    }
    if (extra == 0) {
      EXPECT_EQ(list.Items().size(), RectList::kCapacity) << "not merged early";
    }
    for (const PixelRect& r : added) {
      EXPECT_TRUE(Covered(list, r)) << "lost " << r.left << "," << r.top << " of "
                                    << added.size();
    }
  }
}

}  // namespace
}  // namespace corvanta
