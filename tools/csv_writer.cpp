#include "csv_writer.h"

#include <charconv>

namespace trace {

namespace {
constexpr std::size_t kBlock = 1 << 20;
}

void CsvWriter::Separate() {
    if (rowStarted_) buffer_ += ',';
    rowStarted_ = true;
}

void CsvWriter::Text(const char* text) {
    Separate();
    buffer_ += text;
}

void CsvWriter::Whole(std::int64_t x) {
    Separate();
    char digits[24];
    buffer_.append(digits, std::to_chars(digits, std::end(digits), x).ptr);
}

void CsvWriter::Number(double x) {
    Separate();
    char digits[40];
    // Adding 0 turns -0 into 0: a quantity that is exactly zero reads "0" whatever its sign bit.
    const auto end =
        std::to_chars(digits, std::end(digits), x + 0.0, std::chars_format::general, 17);
    buffer_.append(digits, end.ptr);
}

void CsvWriter::EndRow() {
    buffer_ += '\n';
    rowStarted_ = false;
    if (buffer_.size() >= kBlock) Flush();
}

bool CsvWriter::Flush() {
    const bool written = std::fwrite(buffer_.data(), 1, buffer_.size(), out_) == buffer_.size();
    buffer_.clear();
    return std::fflush(out_) == 0 && written;
}

}  // namespace trace
