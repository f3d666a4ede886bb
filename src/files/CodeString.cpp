#include "files/CodeString.h"

#include "files/HexDigit.h"

#include <vector>

namespace {

// Only the leading run of complete pairs of hex digits counts; blanks (code
// 32) are ignored wherever they stand.
std::vector<uint8_t> DecodePairs(const QString& text, qsizetype& stopAt)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(size_t(text.size() / 2));
    int high = -1;
    qsizetype highAt = -1;
    stopAt = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char(' '))
            continue;
        const int digit = HexDigitValue(c);
        if (digit < 0) {
            stopAt = high < 0 ? i : highAt;
            return bytes;
        }
        if (high < 0) {
            high = digit;
            highAt = i;
        } else {
            bytes.push_back(static_cast<uint8_t>(high * 16 + digit));
            high = -1;
        }
    }
    if (high >= 0)
        stopAt = highAt; // an odd last digit
    return bytes;
}

} // namespace

void ParseCodeString(TKeypadClass& definition, const QString& text, TCodeStringIssues* issues)
{
    TCodeStringIssues found;
    const std::vector<uint8_t> bytes = DecodePairs(text, found.StopAt);

    const uint8_t prefix = definition.CmdPrefix();
    int32_t position = 0;
    // InsertByte takes an element while the byte count is below the capacity.
    // Once it refuses one, it refuses every later one: those are dropped
    // without asking, so that a long or repeated string costs no more than a
    // full macro.
    int32_t count = definition.CodeCount();
    bool full = false;
    auto insert = [&](int32_t value) {
        if (full || count >= MacroCapacity || !definition.InsertByte(position, value)) {
            full = true;
            found.DroppedBytes += CodeSize(value);
            return;
        }
        count += CodeSize(value);
    };
    size_t i = 0;
    // Without `issues` reading stops at the first refusal; with it, the rest
    // is only counted.
    while (i < bytes.size() && (!full || issues)) {
        const uint8_t b = bytes[i++];
        if (b != prefix) {
            insert(b);
            continue;
        }
        if (i >= bytes.size()) {
            insert(b); // a prefix at the very end is a plain byte
            break;
        }
        const uint8_t command = bytes[i++];
        if (command == 1 || command == 2) {
            if (i >= bytes.size()) {
                ++found.DroppedCommands; // no argument: nothing
                break;
            }
            const uint8_t argument = bytes[i++];
            insert((command == 1 ? DelayFlag : BeepFlag) + argument);
        } else if (command == 0x40) {
            insert(EscapedPrefixCode);
        } else if (command & 0x08) {
            insert(CommandFlag + command);
        } else {
            ++found.DroppedCommands; // a command byte without a meaning: both dropped
        }
    }
    if (issues)
        *issues = found;
}

int HexPairToByte(QStringView text)
{
    if (text.size() < 2)
        return -1;
    const int high = HexDigitValue(text.at(0));
    const int low = HexDigitValue(text.at(1));
    if (high < 0 || low < 0)
        return -1;
    return high * 16 + low;
}
