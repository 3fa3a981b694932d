#include "base/expression_evaluator.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace kalamo {

namespace {

// Escapes rather than literals: this file must mean the same bytes whatever the compiler's
// execution character set (the fuzzing build uses another compiler).
constexpr std::string_view kMinusSign = "\x81\x36\xD3\x31";  // U+2212 in GB18030

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsExpressionChar(char c) {
    return IsDigit(c) || std::string_view(".eE+-*/() ").find(c) != std::string_view::npos;
}

// The ASCII twin of the character at text[i] (a blank for any white space) and the bytes it
// takes; a zero character for one that no expression holds.
struct Symbol {
    char ascii = 0;
    std::size_t bytes = 1;
};

Symbol SymbolAt(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
        char c = static_cast<char>(lead);
        if (c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r') c = ' ';
        return {IsExpressionChar(c) ? c : '\0', 1};
    }
    if (i + 1 < text.size()) {
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {  // full-width ASCII
            const char c = static_cast<char>(trail - 0x80);
            return {IsExpressionChar(c) ? c : '\0', 2};
        }
        if (lead == 0xA1 && trail == 0xA1) return {' ', 2};  // ideographic space
        if (lead == 0xA1 && trail == 0xC1) return {'*', 2};  // ×
        if (lead == 0xA1 && trail == 0xC2) return {'/', 2};  // ÷
    }
    if (text.substr(i, kMinusSign.size()) == kMinusSign) return {'-', kMinusSign.size()};
    return {};
}

std::optional<std::string> AsciiForm(std::string_view gbk) {
    std::string ascii;
    ascii.reserve(gbk.size());
    for (std::size_t i = 0; i < gbk.size();) {
        const Symbol symbol = SymbolAt(gbk, i);
        if (symbol.ascii == '\0') return std::nullopt;
        ascii += symbol.ascii;
        i += symbol.bytes;
    }
    return ascii;
}

// A number beyond what a double holds: infinite when its first significant digit stands at
// 10^0 or above, else (an underflow) zero.
double OutOfRange(std::string_view number, std::size_t mantissaLength) {
    const std::string_view mantissa = number.substr(0, mantissaLength);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return 0;
    long long place = first < point ? static_cast<long long>(point - first) - 1
                                    : -static_cast<long long>(first - point);
    long long exponent = 0;
    bool negative = false;
    for (char c : number.substr(std::min(mantissaLength + 1, number.size()))) {
        if (c == '-') negative = true;
        if (IsDigit(c)) exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000'000LL);
    }
    place += negative ? -exponent : exponent;
    return place >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

// The number at text[i]: digits with an optional point (at least one digit in all) and an
// optional exponent. Moves i past it.
std::optional<double> ReadNumber(std::string_view text, std::size_t& i) {
    const std::size_t start = i;
    std::size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) ++digits;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) ++digits;
    }
    if (digits == 0) return std::nullopt;
    const std::size_t mantissaEnd = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        const std::size_t exponentStart = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        if (i == exponentStart) return std::nullopt;
    }
    const std::string_view number = text.substr(start, i - start);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) return OutOfRange(number, mantissaEnd - start);
    if (error != std::errc() || end != number.data() + number.size()) return std::nullopt;
    return value;
}

enum class Op : std::uint8_t { Open, Add, Subtract, Multiply, Divide, Negate, Keep };

int Rank(Op op) {
    switch (op) {
        case Op::Add:
        case Op::Subtract:
            return 1;
        case Op::Multiply:
        case Op::Divide:
            return 2;
        case Op::Negate:
        case Op::Keep:
            return 3;
        case Op::Open:
            break;
    }
    return 0;
}

std::optional<Op> BinaryOp(char c) {
    switch (c) {
        case '+':
            return Op::Add;
        case '-':
            return Op::Subtract;
        case '*':
            return Op::Multiply;
        case '/':
            return Op::Divide;
        default:
            return std::nullopt;
    }
}

// Operator precedence with two explicit stacks (shunting-yard), so nesting costs heap, not
// call stack. It alternates between wanting an operand and wanting what follows one.
class Machine {
  public:
    // An operand, or a sign or "(" before one.
    bool takeOperand(std::string_view text, std::size_t& i) {
        const char c = text[i];
        if (c == '(' || c == '+' || c == '-') {
            ops_.push_back(c == '(' ? Op::Open : c == '+' ? Op::Keep : Op::Negate);
            ++i;
            return true;
        }
        const std::optional<double> number = ReadNumber(text, i);
        if (!number) return false;
        values_.push_back(*number);
        operandNext_ = false;
        return true;
    }

    // A ")" or a binary operator.
    bool takeAfterOperand(char c) {
        if (c == ')') {
            reduce(Rank(Op::Add));
            if (ops_.empty()) return false;
            ops_.pop_back();
            return true;
        }
        const std::optional<Op> op = BinaryOp(c);
        if (!op) return false;
        reduce(Rank(*op));
        ops_.push_back(*op);
        operandNext_ = true;
        return true;
    }

    bool operandNext() const { return operandNext_; }

    std::optional<double> finish() {
        if (operandNext_) return std::nullopt;
        reduce(Rank(Op::Add));
        if (!ops_.empty()) return std::nullopt;  // a "(" never closed
        return values_.back();
    }

  private:
    // Applies the operators above the innermost "(" that bind at least as tightly as `rank`.
    void reduce(int rank) {
        while (!ops_.empty() && ops_.back() != Op::Open && Rank(ops_.back()) >= rank) applyTop();
    }

    void applyTop() {
        const Op op = ops_.back();
        ops_.pop_back();
        if (op == Op::Keep) return;
        if (op == Op::Negate) {
            values_.back() = -values_.back();
            return;
        }
        const double right = values_.back();
        values_.pop_back();
        double& left = values_.back();
        if (op == Op::Add) left += right;
        if (op == Op::Subtract) left -= right;
        if (op == Op::Multiply) left *= right;
        if (op == Op::Divide) left /= right;
    }

    std::vector<double> values_;
    std::vector<Op> ops_;
    bool operandNext_ = true;
};

}  // namespace

std::optional<double> EvaluateArithmetic(std::string_view gbk) {
    const std::optional<std::string> ascii = AsciiForm(gbk);
    if (!ascii) return std::nullopt;
    const std::string_view text = *ascii;
    Machine machine;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == ' ') {
            ++i;
        } else if (machine.operandNext()) {
            if (!machine.takeOperand(text, i)) return std::nullopt;
        } else {
            if (!machine.takeAfterOperand(text[i++])) return std::nullopt;
        }
    }
    return machine.finish();
}

}  // namespace kalamo
