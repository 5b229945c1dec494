#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <variant>

// The ActionScript 1 byte code (AVM1) of a frame, a clip event or a button: a list of
// stack actions with forward and backward branches to labels. Only what small games
// need is here; the numbers are those of the file format.
class SwfActions {
public:
    enum Op : quint8 {
        Play = 0x06,
        Stop = 0x07,
        Add = 0x0A,
        Subtract = 0x0B,
        Multiply = 0x0C,
        Divide = 0x0D,
        Less = 0x0F,
        And = 0x10,
        Or = 0x11,
        Not = 0x12,
        Pop = 0x17,
        GetVariable = 0x1C,
        SetVariable = 0x1D,
        GetProperty = 0x22, // target, property index -> value
        SetProperty = 0x23, // target, property index, value
        RandomNumber = 0x30, // n -> 0 .. n - 1
        Modulo = 0x3F,
        Add2 = 0x47,
        Less2 = 0x48,
        Equals2 = 0x49,
        PushDuplicate = 0x4C,
        GetMember = 0x4E, // object, name -> value
        SetMember = 0x4F, // object, name, value
        CallMethod = 0x52, // arguments (last first), count, object, name -> result
        Greater = 0x67,
    };
    // Property indices of GetProperty and SetProperty.
    enum Property { X = 0, Y = 1, XScale = 2, YScale = 3, Alpha = 6, Rotation = 10, XMouse = 20, YMouse = 21 };

    using Value = std::variant<int, bool, QString>;
    using Label = int;

    SwfActions& push(std::initializer_list<Value> values);
    SwfActions& op(Op code);
    // Zero-based frame of the timeline that runs the actions.
    SwfActions& gotoFrame(int frame);

    Label newLabel();
    // The label stands before the next action written.
    SwfActions& mark(Label label);
    SwfActions& jump(Label label);
    // Pops a condition and branches when it is true.
    SwfActions& branchIf(Label label);

    SwfActions& append(const SwfActions& other);

    bool isEmpty() const { return m_items.isEmpty(); }
    // The encoded actions, closed by the end action.
    QByteArray bytes() const;

private:
    struct Item {
        quint8 code;
        QByteArray payload;
        Label target = -1; // branches: where to
    };
    QList<Item> m_items;
    QList<qsizetype> m_labels; // label -> index of the item it stands before
};
