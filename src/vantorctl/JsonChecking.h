// Checking a JSON document field by field before anything of it is used:
// the first fault with the path of its field, and the scan for names an
// object gives twice (which the parser would silently drop).
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace orvyn::ctl {

// The path of the first name that an object of a (valid) JSON text holds
// twice ("lighting.colour"), or empty.
std::string firstRepeatedJsonName(std::string_view text);

// Walks a document, remembering the first fault with the path of its field.
class JsonChecker {
public:
    bool failed() const { return !error_.empty(); }
    const std::string &error() const { return error_; }

    void fail(const std::string &path, const std::string &what);

    // Fields other than `allowed` are refused: a misspelt name would
    // otherwise be dropped without a word.
    void onlyFields(const QJsonObject &object, const std::string &path,
                    std::initializer_list<const char *> allowed);

    std::optional<QJsonValue> field(const QJsonObject &object, const std::string &path, const char *name);
    std::optional<int64_t> integer(const QJsonObject &object, const std::string &path, const char *name,
                                   int64_t min, int64_t max);
    std::optional<int64_t> integer(const QJsonValue &v, const std::string &where, int64_t min, int64_t max);
    int32_t int32(const QJsonObject &object, const std::string &path, const char *name);
    // Text of at most `maxBytes` UTF-8 bytes without a NUL (the record ends
    // a text at its first NUL).
    std::string text(const QJsonObject &object, const std::string &path, const char *name,
                     std::size_t maxBytes);
    std::optional<QJsonObject> object(const QJsonObject &parent, const std::string &path, const char *name);
    std::optional<QJsonArray> array(const QJsonObject &parent, const std::string &path, const char *name);
    std::optional<QJsonObject> element(const QJsonValue &v, const std::string &where);

    static std::string join(const std::string &path, const std::string &name) {
        return path.empty() ? name : path + "." + name;
    }
    static std::string at(const std::string &path, qsizetype index) {
        return path + "[" + std::to_string(index) + "]";
    }

private:
    std::string error_;
};

} // namespace orvyn::ctl
