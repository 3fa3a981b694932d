#include "stats/points_ledger.h"

#include "base/number_text.h"
#include "cipher/text_cipher.h"

namespace kalamo {

void PointsLedger::load() {
    std::string stored = k_.s.settings.readPointsText();
    k_.points = ReadInteger(TextCipher::decipher(stored, FixedPassPhrase));
}

void PointsLedger::save() {
    k_.s.settings.writePointsText(TextCipher::encipher(std::to_string(k_.points), FixedPassPhrase));
}

void PointsLedger::show() {
    k_.s.ui.setText("积分显示", "当前积分： " + std::to_string(k_.points));
}

}  // namespace kalamo
