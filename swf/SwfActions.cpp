#include "swf/SwfActions.h"

#include "swf/BitWriter.h"

namespace {

constexpr quint8 Jump = 0x99;
constexpr quint8 If = 0x9D;
constexpr quint8 GotoFrame = 0x81;
constexpr quint8 Push = 0x96;

// Actions from 0x80 up carry a 16-bit length and a payload.
qsizetype encodedSize(quint8 code, qsizetype payload)
{
    return code >= 0x80 ? 3 + payload : 1;
}

} // namespace

SwfActions& SwfActions::push(std::initializer_list<Value> values)
{
    BitWriter out;
    for (const Value& value : values) {
        if (const int* number = std::get_if<int>(&value)) {
            out.u8(7);
            out.u32(quint32(*number));
        } else if (const bool* flag = std::get_if<bool>(&value)) {
            out.u8(5);
            out.u8(*flag ? 1 : 0);
        } else {
            out.u8(0);
            out.string(std::get<QString>(value));
        }
    }
    m_items.append(Item{Push, out.take()});
    return *this;
}

SwfActions& SwfActions::op(Op code)
{
    m_items.append(Item{quint8(code), {}});
    return *this;
}

SwfActions& SwfActions::gotoFrame(int frame)
{
    BitWriter out;
    out.u16(frame);
    m_items.append(Item{GotoFrame, out.take()});
    return *this;
}

SwfActions::Label SwfActions::newLabel()
{
    m_labels.append(-1);
    return Label(m_labels.size() - 1);
}

SwfActions& SwfActions::mark(Label label)
{
    m_labels[label] = m_items.size();
    return *this;
}

SwfActions& SwfActions::jump(Label label)
{
    m_items.append(Item{Jump, QByteArray(2, 0), label});
    return *this;
}

SwfActions& SwfActions::branchIf(Label label)
{
    m_items.append(Item{If, QByteArray(2, 0), label});
    return *this;
}

SwfActions& SwfActions::append(const SwfActions& other)
{
    const qsizetype shift = m_items.size();
    const Label labelShift = Label(m_labels.size());
    for (Item item : other.m_items) {
        if (item.target >= 0)
            item.target += labelShift;
        m_items.append(item);
    }
    for (const qsizetype at : other.m_labels)
        m_labels.append(at < 0 ? at : at + shift);
    return *this;
}

QByteArray SwfActions::bytes() const
{
    // Where each action starts; the last entry is where the end action stands.
    QList<qsizetype> starts{0};
    for (const Item& item : m_items)
        starts.append(starts.last() + encodedSize(item.code, item.payload.size()));

    BitWriter out;
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        const Item& item = m_items[i];
        out.u8(item.code);
        if (item.code < 0x80)
            continue;
        out.u16(int(item.payload.size()));
        if (item.target >= 0) {
            const qsizetype at = m_labels.value(item.target, -1);
            Q_ASSERT_X(at >= 0, "SwfActions", "branch to a label never marked");
            // Branch offsets count from the end of the branch.
            out.u16(int(starts[at] - starts[i + 1]));
        } else {
            out.bytes(item.payload);
        }
    }
    out.u8(0);
    return out.take();
}
