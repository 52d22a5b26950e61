#pragma once
// CSV rows into one growing buffer, written out in large blocks: a long probe run prints
// hundreds of thousands of rows, and a formatted write per number would dominate the run.

#include <cstdint>
#include <cstdio>
#include <string>

namespace trace {

class CsvWriter {
  public:
    explicit CsvWriter(std::FILE* out) : out_(out) {}
    ~CsvWriter() { Flush(); }
    CsvWriter(const CsvWriter&) = delete;
    CsvWriter& operator=(const CsvWriter&) = delete;

    void Text(const char* text);  // a header row, written as it is
    void Whole(std::int64_t x);
    void Number(double x);  // 17 significant digits: reads back to the same double
    void EndRow();
    bool Flush();  // false when the output could not be written

  private:
    void Separate();
    std::FILE* out_;
    std::string buffer_;
    bool rowStarted_ = false;
    // Recently printed numbers and their texts, by their bits: a settled line repeats its
    // values row after row, and copying a text is far cheaper than formatting 17 digits again.
    struct Printed {
        std::uint64_t bits = 0;
        int length = 0;  // 0: empty slot
        char text[32];
    };
    Printed recent_[64];
};

}  // namespace trace
