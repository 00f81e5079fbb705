#include "platform/wayland/wayland_shm.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

namespace corvanta::wayland {
namespace {

void ReleaseBuffer(void* data, wl_buffer*) { static_cast<ShmBuffer*>(data)->busy = false; }
constexpr wl_buffer_listener kBufferListener = {.release = ReleaseBuffer};

}  // namespace

std::unique_ptr<ShmBuffer> ShmBuffer::Create(wl_shm* shm, int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  const int stride = width * 4;
  const std::size_t bytes = static_cast<std::size_t>(stride) * height;
  // Fresh pages read as zero, which XRGB8888 shows as black: nothing needs writing.
  const int fd = memfd_create("corvanta-frame", MFD_CLOEXEC);
  if (fd < 0) return nullptr;
  if (ftruncate(fd, static_cast<off_t>(bytes)) != 0) {
    close(fd);
    return nullptr;
  }
  void* map = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  if (map == MAP_FAILED) {
    close(fd);
    return nullptr;
  }
  wl_shm_pool* pool = wl_shm_create_pool(shm, fd, static_cast<int32_t>(bytes));
  close(fd);
  std::unique_ptr<ShmBuffer> b(new ShmBuffer);
  b->buffer_ = wl_shm_pool_create_buffer(pool, 0, width, height, stride, WL_SHM_FORMAT_XRGB8888);
  wl_shm_pool_destroy(pool);
  b->pixels_ = static_cast<std::uint32_t*>(map);
  b->bytes_ = bytes;
  b->width_ = width;
  b->height_ = height;
  wl_buffer_add_listener(b->buffer_, &kBufferListener, b.get());
  return b;
}

ShmBuffer::~ShmBuffer() {
  // Allowed while the compositor still holds it: the memory is never used again by us.
  if (buffer_) wl_buffer_destroy(buffer_);
  if (pixels_) munmap(pixels_, bytes_);
}

}  // namespace corvanta::wayland
