#include "platform/LocalText.h"

#include <atomic>

namespace orvyn {

namespace {

std::atomic<TextTranslator> gTranslator{nullptr};

} // namespace

void setTextTranslator(TextTranslator translator) {
    gTranslator.store(translator);
}

std::string fillPlaceholders(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < values.size()) {
            out += *(values.begin() + (next - '1'));
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string localText(const char *context, const char *source,
                      std::initializer_list<std::string_view> values) {
    const TextTranslator translator = gTranslator.load();
    const std::string text = translator ? translator(context, source) : std::string(source);
    return fillPlaceholders(text.empty() ? std::string_view(source) : std::string_view(text), values);
}

} // namespace orvyn
