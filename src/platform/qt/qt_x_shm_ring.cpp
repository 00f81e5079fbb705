#include "platform/qt/qt_x_shm_ring.h"

#include <sys/mman.h>
#include <sys/socket.h>
#include <unistd.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <cstdlib>

namespace corvanta::qt {
namespace {

// Two halves of 2 MB: a tick of the show needs about 60 KB, so a fence goes out every few
// dozen ticks, and even a full-screen expose at 3840 x 2160 needs only sixteen blocks.
constexpr std::size_t kHalfBytes = 2 * 1024 * 1024;

// Descriptors travel only over a local socket; sending one over TCP would break the connection.
bool LocalConnection(xcb_connection_t* c) {
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  return getsockname(xcb_get_file_descriptor(c), reinterpret_cast<sockaddr*>(&address),
                     &length) == 0 &&
         address.ss_family == AF_UNIX;
}

bool ServerSharesByFd(xcb_connection_t* c) {
  if (!LocalConnection(c)) return false;
  const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_shm_id);
  if (!ext || !ext->present) return false;
  xcb_shm_query_version_reply_t* v =
      xcb_shm_query_version_reply(c, xcb_shm_query_version(c), nullptr);
  const bool ok = v && (v->major_version > 1 || (v->major_version == 1 && v->minor_version >= 2));
  std::free(v);
  return ok;
}

}  // namespace

std::unique_ptr<ShmRing> ShmRing::Create(xcb_connection_t* c) {
  if (!c || !ServerSharesByFd(c)) return nullptr;
  const int fd = memfd_create("corvanta-blit", MFD_CLOEXEC);
  if (fd < 0) return nullptr;
  void* base = MAP_FAILED;
  if (ftruncate(fd, 2 * kHalfBytes) == 0) {
    base = mmap(nullptr, 2 * kHalfBytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  }
  if (base == MAP_FAILED) {
    close(fd);
    return nullptr;
  }
  const std::uint32_t segment = xcb_generate_id(c);
  // The request takes the descriptor and closes it once sent. Checked: a server that cannot
  // map it (another machine, a sandbox) must not leave us putting into a segment it lacks.
  xcb_generic_error_t* error =
      xcb_request_check(c, xcb_shm_attach_fd_checked(c, segment, fd, 1));
  if (error) {
    std::free(error);
    munmap(base, 2 * kHalfBytes);
    return nullptr;
  }
  return std::make_unique<ShmRing>(c, static_cast<std::uint8_t*>(base), kHalfBytes, segment);
}

ShmRing::ShmRing(xcb_connection_t* c, std::uint8_t* base, std::size_t half, std::uint32_t segment)
    : c_(c), base_(base), half_(half), segment_(segment) {}

ShmRing::~ShmRing() {
  for (int h = 0; h < 2; ++h) {
    if (fenced_[h]) xcb_discard_reply(c_, fence_[h]);
  }
  xcb_shm_detach(c_, segment_);
  xcb_flush(c_);
  munmap(base_, 2 * half_);
}

std::uint32_t ShmRing::Reserve(std::size_t bytes) {
  // Whole pixels keep every block 4-byte aligned.
  bytes = (bytes + 3) & ~std::size_t{3};
  if (used_ + bytes > half_) {
    fence_[current_] = xcb_get_input_focus(c_).sequence;
    fenced_[current_] = true;
    current_ ^= 1;
    used_ = 0;
    if (fenced_[current_]) {
      std::free(xcb_get_input_focus_reply(c_, {fence_[current_]}, nullptr));
      fenced_[current_] = false;
    }
  }
  const auto offset = static_cast<std::uint32_t>(current_ * half_ + used_);
  used_ += bytes;
  return offset;
}

}  // namespace corvanta::qt
