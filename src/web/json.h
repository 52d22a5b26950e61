#pragma once
// A JSON text written field by field: what the page's script reads from the bridge. Only what
// the bridge writes is here: objects, arrays, strings, whole numbers and booleans.

#include <string>
#include <string_view>

namespace web {

class Json {
  public:
    Json& BeginObject();
    Json& EndObject();
    Json& BeginArray();
    Json& EndArray();
    // The name of the next value inside an object.
    Json& Key(std::string_view key);
    Json& String(std::string_view text);
    Json& Number(long long value);
    Json& Bool(bool value);

    // A field of an object: the key and its value.
    template <typename T>
    Json& Field(std::string_view key, const T& value) {
        Key(key);
        return Value(value);
    }

    const std::string& Text() const { return text_; }
    void Clear() {
        text_.clear();
        needComma_ = false;
    }

  private:
    Json& Value(std::string_view v) { return String(v); }
    Json& Value(const char* v) { return String(v ? v : ""); }
    Json& Value(const std::string& v) { return String(v); }
    Json& Value(bool v) { return Bool(v); }
    Json& Value(int v) { return Number(v); }
    Json& Value(unsigned v) { return Number(v); }
    Json& Value(double v) = delete;  // every number the page gets is whole
    void Separate();

    std::string text_;
    bool needComma_ = false;
};

}  // namespace web
