#include "app/cli/input_buffer.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

InputBuffer::InputBuffer(int fd) : fd_(fd) { setg(buffer_.data(), buffer_.data(), buffer_.data()); }

InputBuffer::int_type InputBuffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  ssize_t got = -1;
  while (error_ == 0 && got < 0) {
    got = read(fd_, buffer_.data(), buffer_.size());
    if (got < 0 && errno != EINTR) error_ = errno;
  }
  if (got <= 0) return traits_type::eof();
  setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
  return traits_type::to_int_type(*gptr());
}

std::streamsize InputBuffer::showmanyc() {
  // Whether a read would return at once; poll says no more than that.
  pollfd ready{fd_, POLLIN, 0};
  return error_ == 0 && poll(&ready, 1, 0) == 1 ? 1 : 0;
}
