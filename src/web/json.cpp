#include "web/json.h"

#include <cstdio>

namespace web {

void Json::Separate() {
    if (needComma_) text_ += ',';
    needComma_ = false;
}

Json& Json::BeginObject() {
    Separate();
    text_ += '{';
    return *this;
}

Json& Json::EndObject() {
    text_ += '}';
    needComma_ = true;
    return *this;
}

Json& Json::BeginArray() {
    Separate();
    text_ += '[';
    return *this;
}

Json& Json::EndArray() {
    text_ += ']';
    needComma_ = true;
    return *this;
}

Json& Json::Key(std::string_view key) {
    String(key);
    text_ += ':';
    needComma_ = false;
    return *this;
}

// The texts are UTF-8 already and pass through; quotes, backslashes and control characters
// (the prompts' carriage returns and line feeds among them) are escaped.
Json& Json::String(std::string_view s) {
    Separate();
    text_ += '"';
    for (const char c : s) {
        switch (c) {
            case '"':
                text_ += "\\\"";
                break;
            case '\\':
                text_ += "\\\\";
                break;
            case '\n':
                text_ += "\\n";
                break;
            case '\r':
                text_ += "\\r";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    text_ += escaped;
                } else {
                    text_ += c;
                }
        }
    }
    text_ += '"';
    needComma_ = true;
    return *this;
}

Json& Json::Number(long long value) {
    Separate();
    text_ += std::to_string(value);
    needComma_ = true;
    return *this;
}

Json& Json::Bool(bool value) {
    Separate();
    text_ += value ? "true" : "false";
    needComma_ = true;
    return *this;
}

}  // namespace web
