// Arbitrary bytes as an arithmetic expression: never a crash, a hang or a sanitizer report;
// a result agrees with a plain recursive reference on the inputs that reference can take,
// survives parentheses and a minus sign around the text, and its written form reads back as
// the same number.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "base/expression_evaluator.h"
#include "base/js_number_text.h"

namespace {

using kalamo::EvaluateArithmetic;

// The reference: recursive descent over ASCII, bounded in depth. It answers "unknown" for
// what it does not take (other bytes, deep nesting, numbers beyond a double).
struct Unknown {};

class Reference {
  public:
    explicit Reference(std::string_view text) : text_(text) {}

    // nullopt: no expression; throws Unknown when it cannot tell.
    std::optional<double> evaluate() {
        for (char c : text_) {
            if (static_cast<unsigned char>(c) >= 0x80) throw Unknown{};
        }
        std::optional<double> value = sum();
        skipBlanks();
        if (!value || i_ != text_.size()) return std::nullopt;
        return value;
    }

  private:
    void skipBlanks() {
        while (i_ < text_.size() &&
               std::string_view(" \t\n\v\f\r").find(text_[i_]) != std::string_view::npos)
            ++i_;
    }
    bool take(char c) {
        skipBlanks();
        if (i_ >= text_.size() || text_[i_] != c) return false;
        ++i_;
        return true;
    }
    std::optional<double> sum() {
        std::optional<double> left = product();
        while (left) {
            if (take('+')) {
                const std::optional<double> right = product();
                left = right ? std::optional<double>(*left + *right) : std::nullopt;
            } else if (take('-')) {
                const std::optional<double> right = product();
                left = right ? std::optional<double>(*left - *right) : std::nullopt;
            } else {
                break;
            }
        }
        return left;
    }
    std::optional<double> product() {
        std::optional<double> left = unary();
        while (left) {
            if (take('*')) {
                const std::optional<double> right = unary();
                left = right ? std::optional<double>(*left * *right) : std::nullopt;
            } else if (take('/')) {
                const std::optional<double> right = unary();
                left = right ? std::optional<double>(*left / *right) : std::nullopt;
            } else {
                break;
            }
        }
        return left;
    }
    std::optional<double> unary() {
        if (++depth_ > 200) throw Unknown{};
        std::optional<double> value;
        if (take('-')) {
            value = unary();
            if (value) value = -*value;
        } else if (take('+')) {
            value = unary();
        } else if (take('(')) {
            value = sum();
            if (value && !take(')')) value = std::nullopt;
        } else {
            value = number();
        }
        --depth_;
        return value;
    }
    std::optional<double> number() {
        skipBlanks();
        const std::size_t start = i_;
        auto digits = [this] {
            std::size_t n = 0;
            for (; i_ < text_.size() && text_[i_] >= '0' && text_[i_] <= '9'; ++i_) ++n;
            return n;
        };
        std::size_t count = digits();
        if (i_ < text_.size() && text_[i_] == '.') {
            ++i_;
            count += digits();
        }
        if (count == 0) return std::nullopt;
        if (i_ < text_.size() && (text_[i_] == 'e' || text_[i_] == 'E')) {
            ++i_;
            if (i_ < text_.size() && (text_[i_] == '+' || text_[i_] == '-')) ++i_;
            if (digits() == 0) return std::nullopt;
        }
        double value = 0;
        const auto [end, error] = std::from_chars(text_.data() + start, text_.data() + i_, value);
        if (error != std::errc() || end != text_.data() + i_) throw Unknown{};
        return value;
    }

    std::string_view text_;
    std::size_t i_ = 0;
    int depth_ = 0;
};

bool Same(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> value = EvaluateArithmetic(text);
    try {
        const std::optional<double> expected = Reference(text).evaluate();
        Require(expected.has_value() == value.has_value());
        if (expected) Require(Same(*expected, *value));
    } catch (const Unknown&) {
    }
    if (!value) return 0;
    const std::string inner(text);
    const std::optional<double> wrapped = EvaluateArithmetic("(" + inner + ")");
    Require(wrapped && Same(*wrapped, *value));
    const std::optional<double> negated = EvaluateArithmetic("-(" + inner + ")");
    Require(negated && Same(*negated, -*value));
    const std::string written = kalamo::JsNumberText(*value);
    Require(!written.empty() && written[0] != '.');
    if (std::isfinite(*value)) {
        const std::optional<double> again = EvaluateArithmetic(written);
        Require(again && *again == *value);
    }
    return 0;
}
