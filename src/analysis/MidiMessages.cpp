#include "analysis/MidiMessages.h"

namespace {

constexpr uint8_t SysExStart = 0xF0;
constexpr uint8_t SysExEnd = 0xF7;
constexpr uint8_t FirstRealTime = 0xF8;

QString Hex2(int value)
{
    return QString::number(value, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

QString ChannelMessageText(const TMidiMessage& m)
{
    auto data = [&m](int i) {
        return i < m.Data.size() ? QString::number(m.Data.at(i)) : QStringLiteral("?");
    };
    auto note = [&m]() {
        return m.Data.isEmpty() ? QStringLiteral("?") : MidiNoteName(m.Data.at(0));
    };
    QString text;
    switch (m.Status & 0xF0) {
    case 0x80:
        text = QStringLiteral("Note Off ") + note() + QStringLiteral(" vel ") + data(1);
        break;
    case 0x90:
        text = QStringLiteral("Note On ") + note() + QStringLiteral(" vel ") + data(1);
        break;
    case 0xA0:
        text = QStringLiteral("Poly Aftertouch ") + note() + QStringLiteral(" pressure ") + data(1);
        break;
    case 0xB0:
        text = QStringLiteral("Control Change ") + data(0) + QStringLiteral(" value ") + data(1);
        break;
    case 0xC0:
        text = QStringLiteral("Program Change ") + data(0);
        break;
    case 0xD0:
        text = QStringLiteral("Mono Aftertouch ") + data(0);
        break;
    default:
        text = QStringLiteral("Pitch Wheel LSB ") + data(0) + QStringLiteral(" MSB ") + data(1);
        break;
    }
    const int channel = (m.Status & 0x0F) + 1;
    if (channel != 1)
        text += QStringLiteral(" ch ") + QString::number(channel);
    return text;
}

QString SystemMessageText(const TMidiMessage& m)
{
    auto data = [&m](int i) {
        return i < m.Data.size() ? QString::number(m.Data.at(i)) : QStringLiteral("?");
    };
    switch (m.Status) {
    case SysExStart:
        return QStringLiteral("System Exclusive, %1 data bytes").arg(m.Data.size());
    case 0xF1:
        return QStringLiteral("Time Code ") + data(0);
    case 0xF2:
        return QStringLiteral("Song Position LSB ") + data(0) + QStringLiteral(" MSB ") + data(1);
    case 0xF3:
        return QStringLiteral("Song Select ") + data(0);
    case 0xF6:
        return QStringLiteral("Tune Request");
    case SysExEnd:
        return QStringLiteral("End Exclusive");
    case 0xF8:
        return QStringLiteral("Timing Clock");
    case 0xFA:
        return QStringLiteral("Start");
    case 0xFB:
        return QStringLiteral("Continue");
    case 0xFC:
        return QStringLiteral("Stop");
    case 0xFE:
        return QStringLiteral("Active Sensing");
    case 0xFF:
        return QStringLiteral("Reset");
    default:
        return QStringLiteral("undefined ") + Hex2(m.Status) + QLatin1Char('h');
    }
}

} // namespace

int MidiDataCount(uint8_t status)
{
    if (status < 0x80)
        return 0;
    if (status < 0xF0) {
        const int kind = status & 0xF0;
        return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
    }
    switch (status) {
    case SysExStart:
        return -1;
    case 0xF1:
    case 0xF3:
        return 1;
    case 0xF2:
        return 2;
    default:
        return 0;
    }
}

QString MidiNoteName(int note)
{
    static const char* const Pitches[12] = {"C ", "C#", "D ", "D#", "E ", "F ",
                                            "F#", "G ", "G#", "A ", "A#", "B "};
    if (note < 0 || note > 119)
        return QStringLiteral("---");
    return QLatin1String(Pitches[note % 12]) + QString::number(note / 12);
}

QString TMidiMessage::Text() const
{
    if (Status < 0)
        return QStringLiteral("data ") + Hex2(Data.value(0)) + QLatin1Char('h');
    QString text = Status < SysExStart ? ChannelMessageText(*this) : SystemMessageText(*this);
    if (!Complete)
        text += QStringLiteral(", incomplete");
    return text;
}

QList<TMidiMessage> ReadMidiMessages(const QList<TSentByte>& bytes)
{
    QList<TMidiMessage> out;
    int pending = -1; // the message still taking data bytes
    int running = -1; // running status of the channel messages
    for (const TSentByte& b : bytes) {
        TMidiMessage m;
        m.First = m.Last = b.Position;
        if (b.Value >= FirstRealTime) {
            // Real-time bytes may come between any two bytes and change nothing.
            m.Status = b.Value;
            m.Complete = true;
            out << m;
            continue;
        }
        if (b.Value == SysExEnd && pending >= 0 && out[pending].Status == SysExStart) {
            out[pending].Last = b.Position;
            out[pending].Complete = true;
            pending = -1;
            continue;
        }
        if (b.Value >= 0x80) {
            // Any other status byte ends an unfinished message.
            pending = -1;
            running = b.Value < SysExStart ? b.Value : -1;
            m.Status = b.Value;
            m.DataNeeded = MidiDataCount(b.Value);
            m.Complete = m.DataNeeded == 0 && b.Value != SysExEnd;
        } else if (pending >= 0) {
            TMidiMessage& p = out[pending];
            p.Data << b.Value;
            p.Last = b.Position;
            if (p.DataNeeded > 0 && p.Data.size() == p.DataNeeded) {
                p.Complete = true;
                pending = -1;
            }
            continue;
        } else {
            m.Data << b.Value;
            if (running >= 0) {
                m.Status = running;
                m.Running = true;
                m.DataNeeded = MidiDataCount(uint8_t(running));
                m.Complete = m.DataNeeded == 1;
            }
        }
        out << m;
        if (!m.Complete && m.Status >= 0 && m.Status != SysExEnd)
            pending = int(out.size()) - 1;
    }
    return out;
}
