// A file descriptor written through one large buffer, so that many short
// answers cost few writes, and the reason the first failed write failed kept
// for the caller to report (or, for a closed pipe, not to).
#pragma once

#include <array>
#include <streambuf>

class OutputBuffer : public std::streambuf {
 public:
  explicit OutputBuffer(int fd);
  OutputBuffer(const OutputBuffer&) = delete;
  OutputBuffer& operator=(const OutputBuffer&) = delete;
  OutputBuffer(OutputBuffer&&) = delete;
  OutputBuffer& operator=(OutputBuffer&&) = delete;
  ~OutputBuffer() override = default;

  // The errno of the first write that failed, or 0. After it nothing more is written.
  [[nodiscard]] int Error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool Drain();

  int fd_;
  int error_ = 0;
  std::array<char, std::size_t{1} << 16> buffer_{};
};
