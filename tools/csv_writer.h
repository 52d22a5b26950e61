#pragma once
// CSV rows into one buffer, written out in large blocks: a long probe run prints hundreds of
// thousands of rows, and a formatted write per number would dominate the run.

#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace trace {

class CsvWriter {
  public:
    explicit CsvWriter(std::FILE* out);
    ~CsvWriter() { Flush(); }
    CsvWriter(const CsvWriter&) = delete;
    CsvWriter& operator=(const CsvWriter&) = delete;

    void Text(const char* text);  // a header row, written as it is
    void Whole(std::int64_t x);
    // The shortest text that reads back to the same double (at most 17 significant digits).
    void Number(double x);
    // The same, remembering the texts of the numbers last written through `memo`: a column
    // that repeats its values (the time for each probe of a tick; a settled line, whose last
    // bits take turns among a few values) copies a text instead of converting the number again.
    struct Memo {
        struct Entry {
            std::uint64_t bits = 0;
            int length = 0;  // 0: nothing remembered here yet
            char text[32];
        };
        std::array<Entry, 16> entries;  // a number's place is picked by its bits
    };
    void Number(double x, Memo& memo);
    void EndRow();
    bool Flush();  // false when the output could not be written

  private:
    void Separate() {
        if (rowStarted_) *end_++ = ',';
        rowStarted_ = true;
    }
    std::FILE* out_;
    std::vector<char> buffer_;
    char* end_;  // where the next character goes
    bool rowStarted_ = false;
    bool failed_ = false;
};

}  // namespace trace
