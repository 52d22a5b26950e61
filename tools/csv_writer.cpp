#include "csv_writer.h"

#include <bit>
#include <charconv>
#include <cstring>
#include <iterator>

namespace trace {

namespace {
// Written out when this full; the slack holds the longest row that can follow.
constexpr std::size_t kBlock = 1 << 16;
constexpr std::size_t kSlack = 4096;
}  // namespace

CsvWriter::CsvWriter(std::FILE* out) : out_(out), buffer_(kBlock + kSlack), end_(buffer_.data()) {}

void CsvWriter::Text(const char* text) {
    Separate();
    const std::size_t length = std::strlen(text);
    if (end_ + length >= buffer_.data() + buffer_.size()) Flush();
    if (length >= kBlock) {  // longer than a block: straight out
        failed_ = failed_ || std::fwrite(text, 1, length, out_) != length;
        return;
    }
    std::memcpy(end_, text, length);
    end_ += length;
}

void CsvWriter::Whole(std::int64_t x) {
    Separate();
    end_ = std::to_chars(end_, end_ + 24, x).ptr;
}

void CsvWriter::Number(double x) {
    Separate();
    x += 0.0;  // turns -0 into 0: a quantity that is exactly zero reads "0" whatever its sign
    end_ = std::to_chars(end_, end_ + 32, x).ptr;
}

void CsvWriter::Number(double x, Memo& memo) {
    x += 0.0;
    const auto bits = std::bit_cast<std::uint64_t>(x);
    // Fibonacci hashing: the top bits of the product depend on every bit of the number.
    Memo::Entry& entry = memo.entries[(bits * 0x9E3779B97F4A7C15u) >> 60];
    if (entry.length == 0 || entry.bits != bits) {
        entry.bits = bits;
        entry.length = int(std::to_chars(entry.text, std::end(entry.text), x).ptr - entry.text);
    }
    Separate();
    std::memcpy(end_, entry.text, sizeof entry.text);  // a fixed size: one move, no length loop
    end_ += entry.length;
}

void CsvWriter::EndRow() {
    *end_++ = '\n';
    rowStarted_ = false;
    if (std::size_t(end_ - buffer_.data()) >= kBlock) Flush();
}

bool CsvWriter::Flush() {
    const std::size_t size = std::size_t(end_ - buffer_.data());
    failed_ = failed_ || std::fwrite(buffer_.data(), 1, size, out_) != size;
    end_ = buffer_.data();
    return std::fflush(out_) == 0 && !failed_;
}

}  // namespace trace
