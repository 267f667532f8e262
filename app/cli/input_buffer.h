// A file descriptor read through one large buffer, which tells how much can
// be read without waiting (so that the answers so far can be written first),
// and keeps the reason a read failed for the caller to report: a failed read
// must not pass for the end of the input.
#pragma once

#include <array>
#include <streambuf>

class InputBuffer : public std::streambuf {
 public:
  explicit InputBuffer(int fd);
  InputBuffer(const InputBuffer&) = delete;
  InputBuffer& operator=(const InputBuffer&) = delete;
  InputBuffer(InputBuffer&&) = delete;
  InputBuffer& operator=(InputBuffer&&) = delete;
  ~InputBuffer() override = default;

  // The errno of the read that failed, or 0. After it the input ends.
  [[nodiscard]] int Error() const { return error_; }

 protected:
  int_type underflow() override;
  // 1 when the descriptor can be read without waiting, else 0.
  std::streamsize showmanyc() override;

 private:
  int fd_;
  int error_ = 0;
  std::array<char, std::size_t{1} << 16> buffer_{};
};
