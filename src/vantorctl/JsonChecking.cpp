#include "vantorctl/JsonChecking.h"

#include <QJsonDocument>
#include <QString>
#include <cmath>
#include <limits>
#include <unordered_set>
#include <vector>

#include "platform/LocalText.h"

namespace orvyn::ctl {

std::string firstRepeatedJsonName(std::string_view text) {
    // One frame per open object or array: the names an object has had, the
    // path of the container, the element count of an array.
    struct Frame {
        bool object;
        std::string path;
        std::unordered_set<std::string> names;
        int index = 0;
        bool expectName = true;
        std::string lastName;
    };
    std::vector<Frame> stack;
    auto childPath = [&]() -> std::string {
        if (stack.empty())
            return {};
        const Frame &top = stack.back();
        if (top.object)
            return top.path.empty() ? top.lastName : top.path + "." + top.lastName;
        return top.path + "[" + std::to_string(top.index) + "]";
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '"') {
            std::size_t end = i + 1;
            bool escaped = false;
            for (; end < text.size() && text[end] != '"'; ++end) {
                if (text[end] == '\\') {
                    escaped = true;
                    ++end;
                }
            }
            if (end >= text.size())
                return {}; // not valid JSON; the parser says why
            if (!stack.empty() && stack.back().object && stack.back().expectName) {
                Frame &top = stack.back();
                std::string name(text.substr(i + 1, end - i - 1));
                if (escaped) {
                    const QJsonDocument one = QJsonDocument::fromJson(
                        QByteArray::fromStdString("[" + std::string(text.substr(i, end - i + 1)) + "]"));
                    name = one.array().at(0).toString().toStdString();
                }
                if (!top.names.insert(name).second)
                    return top.path.empty() ? name : top.path + "." + name;
                top.lastName = std::move(name);
                top.expectName = false;
            }
            i = end;
        } else if (ch == '{' || ch == '[') {
            Frame f{ch == '{', childPath(), {}, 0, true, {}};
            stack.push_back(std::move(f));
        } else if (ch == '}' || ch == ']') {
            if (!stack.empty())
                stack.pop_back();
        } else if (ch == ',' && !stack.empty()) {
            if (stack.back().object)
                stack.back().expectName = true;
            else
                ++stack.back().index;
        }
    }
    return {};
}

void JsonChecker::fail(const std::string &path, const std::string &what) {
    if (error_.empty())
        error_ = path + ": " + what;
}

void JsonChecker::onlyFields(const QJsonObject &object, const std::string &path,
                             std::initializer_list<const char *> allowed) {
    for (const QString &name : object.keys()) {
        bool known = false;
        for (const char *a : allowed)
            known = known || name == QLatin1String(a);
        if (!known)
            fail(join(path, name.toStdString()),
                 localText("vantorctl", QT_TRANSLATE_NOOP("vantorctl", "unknown field")));
    }
}

std::optional<QJsonValue> JsonChecker::field(const QJsonObject &object, const std::string &path,
                                             const char *name) {
    const auto it = object.constFind(QLatin1String(name));
    if (it == object.constEnd()) {
        fail(join(path, name), localText("vantorctl", QT_TRANSLATE_NOOP("vantorctl", "missing")));
        return std::nullopt;
    }
    return *it;
}

std::optional<int64_t> JsonChecker::integer(const QJsonObject &object, const std::string &path,
                                            const char *name, int64_t min, int64_t max) {
    const auto v = field(object, path, name);
    return v ? integer(*v, join(path, name), min, max) : std::nullopt;
}

std::optional<int64_t> JsonChecker::integer(const QJsonValue &v, const std::string &where, int64_t min,
                                            int64_t max) {
    const double d = v.toDouble();
    if (!v.isDouble() || !std::isfinite(d) || d != std::floor(d)) {
        fail(where, localText("vantorctl", QT_TRANSLATE_NOOP("vantorctl", "expected a whole number")));
        return std::nullopt;
    }
    if (d < static_cast<double>(min) || d > static_cast<double>(max)) {
        fail(where,
             localText("vantorctl", QT_TRANSLATE_NOOP("vantorctl", "%1 is out of range (%2 to %3)"),
                       {QString::number(d, 'f', 0).toStdString(), std::to_string(min), std::to_string(max)}));
        return std::nullopt;
    }
    return static_cast<int64_t>(d);
}

int32_t JsonChecker::int32(const QJsonObject &object, const std::string &path, const char *name) {
    return static_cast<int32_t>(
        integer(object, path, name, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max())
            .value_or(0));
}

std::string JsonChecker::text(const QJsonObject &object, const std::string &path, const char *name,
                              std::size_t maxBytes) {
    const auto v = field(object, path, name);
    if (!v)
        return {};
    if (!v->isString()) {
        fail(join(path, name), localText("vantorctl", QT_TRANSLATE_NOOP("vantorctl", "expected a text")));
        return {};
    }
    const std::string bytes = v->toString().toStdString();
    if (bytes.size() > maxBytes)
        fail(join(path, name),
             localText("vantorctl",
                       QT_TRANSLATE_NOOP("vantorctl", "longer than the %1 bytes the profile holds"),
                       {std::to_string(maxBytes)}));
    else if (bytes.find('\0') != std::string::npos)
        fail(join(path, name),
             localText("vantorctl", QT_TRANSLATE_NOOP("vantorctl", "contains a NUL character")));
    return bytes;
}

std::optional<QJsonObject> JsonChecker::object(const QJsonObject &parent, const std::string &path,
                                               const char *name) {
    const auto v = field(parent, path, name);
    if (!v)
        return std::nullopt;
    if (!v->isObject()) {
        fail(join(path, name), localText("vantorctl", QT_TRANSLATE_NOOP("vantorctl", "expected an object")));
        return std::nullopt;
    }
    return v->toObject();
}

std::optional<QJsonArray> JsonChecker::array(const QJsonObject &parent, const std::string &path,
                                             const char *name) {
    const auto v = field(parent, path, name);
    if (!v)
        return std::nullopt;
    if (!v->isArray()) {
        fail(join(path, name), localText("vantorctl", QT_TRANSLATE_NOOP("vantorctl", "expected a list")));
        return std::nullopt;
    }
    return v->toArray();
}

std::optional<QJsonObject> JsonChecker::element(const QJsonValue &v, const std::string &where) {
    if (!v.isObject()) {
        fail(where, localText("vantorctl", QT_TRANSLATE_NOOP("vantorctl", "expected an object")));
        return std::nullopt;
    }
    return v.toObject();
}

} // namespace orvyn::ctl
