#include "csv_writer.h"

#include <bit>
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
    x += 0.0;  // turns -0 into 0: a quantity that is exactly zero reads "0" whatever its sign
    const auto bits = std::bit_cast<std::uint64_t>(x);
    Printed& slot = recent_[(bits * 0x9E3779B97F4A7C15u) >> 58];
    if (slot.length == 0 || slot.bits != bits) {
        slot.bits = bits;
        slot.length = int(
            std::to_chars(slot.text, std::end(slot.text), x, std::chars_format::general, 17).ptr -
            slot.text);
    }
    buffer_.append(slot.text, slot.length);
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
