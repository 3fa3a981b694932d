#include "editor/insertions.h"

#include <optional>
#include <string>

#include "base/expression_evaluator.h"
#include "base/js_number_text.h"
#include "core/messages.h"
#include "editor/insert_at_caret.h"

namespace kalamo {

namespace {

const char kDivider[] =
    "\r\n---------------------------------分割线---------------------------------\r\n";

const char kExpressionHelp[] =
    "1、请先输入表达式并选中，然后计算。如：\r\n\r\n"
    "                    "
    "(1234+5678)*90/100=\r\n\r\n2、如果文档中只有一个表达式，无须选中即可计算。   \r\n"
    "等号可以省略。计算结果被自动保存在剪贴板上。";

std::string TimeText(const LocalDateTime& t, TimeVariant variant) {
    const std::string text = std::to_string(t.year) + "年" + std::to_string(t.month) + "月" +
                             std::to_string(t.day) + "日 " + std::to_string(t.hour) + "：" +
                             std::to_string(t.minute) + "：" + std::to_string(t.second);
    return variant == TimeVariant::Menu ? " " + text + " " : text;
}

std::string WithoutLastEquals(std::string text) {
    if (!text.empty() && text.back() == '=') text.pop_back();
    return text;
}

// The result as JavaScript writes the number; empty when the text is no arithmetic.
std::string ResultOf(const std::string& expression) {
    const std::optional<double> value = EvaluateArithmetic(expression);
    return value ? JsNumberText(*value) : std::string();
}

}  // namespace

void Insertions::InsertCurrentTime(TimeVariant variant) {
    if (!k_.writing.on) {
        Say(k_.s.ui, "这是一键添加当前时间按钮。请开始书写之后使用本按钮");
        return;
    }
    InsertAtCaret(k_.s.editor, TimeText(k_.s.clock.now(), variant));
}

void Insertions::InsertDivider() {
    InsertAtCaret(k_.s.editor, kDivider);
}

void Insertions::EvaluateExpression() {
    EditorView& editor = k_.s.editor;
    const std::string selected = editor.selectedText();
    const std::string expression = WithoutLastEquals(selected.empty() ? editor.text() : selected);
    const std::string result = ResultOf(expression);
    if (selected.empty())
        editor.setText(expression + " = " + result);
    else
        editor.replaceSelection(expression + " = " + result);
    k_.s.ui.setClipboardText(result);
    k_.s.ui.setStatusText(1, "计算结果：" + result);
    if (!result.empty()) {
        k_.s.settings.writeSetting("软件设置", "新手5", "真");
        return;
    }
    MessageBoxSpec help;
    help.text = kExpressionHelp;
    help.caption = "Kalamo";
    help.buttons = MessageButtons::Ok;
    help.icon = MessageIcon::Information;
    k_.s.ui.showMessage(help);
}

}  // namespace kalamo
