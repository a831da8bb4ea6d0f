#pragma once

#include <string>
#include <string_view>

namespace kestrel {

// Builds one compact JSON value as text. Keys and strings are escaped; a
// single is written as the shortest text that reads back as the same single.
class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);
    JsonWriter& value(int number);
    JsonWriter& value(unsigned long long number);
    JsonWriter& value(float number);
    JsonWriter& value(bool flag);
    JsonWriter& value(std::string_view text);

    [[nodiscard]] const std::string& text() const { return text_; }

private:
    void separate();

    std::string text_;
    bool needsComma_ = false;
};

// text as a JSON string literal, quotes included. Bytes that are not valid
// UTF-8 become U+FFFD.
std::string jsonString(std::string_view text);

}  // namespace kestrel
