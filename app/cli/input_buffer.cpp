#include "app/cli/input_buffer.h"

#include <sys/ioctl.h>
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
  int ready = 0;
  if (error_ != 0 || ioctl(fd_, FIONREAD, &ready) != 0) return 0;
  return ready;
}
