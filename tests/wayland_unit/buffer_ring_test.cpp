// The race's buffers: one the compositor holds is never handed out, a released one is reused,
// at most three exist, a new one is behind only where the picture is not black, and each knows
// where it lags the picture.

#include <gtest/gtest.h>

#include <memory>

#include "platform/wayland/wayland_shm.h"

namespace corvanta::wayland {
namespace {

struct FakeBuffer {
  static inline int made = 0;
  static std::unique_ptr<FakeBuffer> Create(wl_shm*, int width, int height) {
    ++made;
    auto b = std::make_unique<FakeBuffer>();
    b->width = width, b->height = height;
    return b;
  }
  int width = 0, height = 0;
  bool busy = false;
  RectList behind;
};

TEST(BufferRing, HeldBuffersAreNeverHandedOutAndReleasedOnesAreReused) {
  FakeBuffer::made = 0;
  BasicBufferRing<FakeBuffer> ring;
  ring.Size(nullptr, 100, 50);
  RectList painted;
  painted.Add({10, 10, 20, 20});

  FakeBuffer* first = ring.Free(painted);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->width, 100);
  ASSERT_EQ(first->behind.Items().size(), 1u) << "fresh memory is black: behind where painted";
  EXPECT_EQ(first->behind.Items()[0], (PixelRect{10, 10, 20, 20}));
  EXPECT_EQ(ring.Free(painted), first) << "not attached yet: the same one again";

  first->behind.Clear();
  first->busy = true;
  FakeBuffer* second = ring.Free(painted);
  ASSERT_NE(second, first);
  second->busy = true;
  FakeBuffer* third = ring.Free(painted);
  ASSERT_NE(third, nullptr);
  third->busy = true;
  EXPECT_EQ(ring.Free(painted), nullptr) << "all three held: wait for a release";
  EXPECT_EQ(FakeBuffer::made, 3);

  ring.MarkBehind({0, 0, 5, 5});
  second->busy = false;  // the compositor released it
  EXPECT_EQ(ring.Free(painted), second);
  EXPECT_EQ(FakeBuffer::made, 3);
  EXPECT_FALSE(first->behind.Empty()) << "a held buffer still learns where it lags";
}

TEST(BufferRing, ANewSizeDropsEveryBuffer) {
  FakeBuffer::made = 0;
  BasicBufferRing<FakeBuffer> ring;
  ring.Size(nullptr, 100, 50);
  ring.Free(RectList{})->busy = true;
  ring.Size(nullptr, 100, 50);
  EXPECT_EQ(ring.Free(RectList{})->width, 100);
  EXPECT_EQ(FakeBuffer::made, 2) << "the same size keeps the held one";
  ring.Size(nullptr, 200, 100);
  FakeBuffer* b = ring.Free(RectList{});
  EXPECT_EQ(b->width, 200);
  EXPECT_EQ(FakeBuffer::made, 3);
}

}  // namespace
}  // namespace corvanta::wayland
