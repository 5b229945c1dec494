#pragma once

#include <QString>

#include <memory>
#include <variant>

class CTabItem;
class ITabForm;

// The argument that names a tab: a position, a key, a page or the tab itself.
// Default-constructed it names nothing (for Add: "no position given").
class TabIndex {
public:
    using Value = std::variant<std::monostate, int, QString, const ITabForm*, const CTabItem*>;

    TabIndex() = default;
    TabIndex(int position) : m_value(position) { }
    TabIndex(const QString& key) : m_value(key) { }
    TabIndex(const char* key) : m_value(QString::fromUtf8(key)) { }
    TabIndex(const ITabForm* form) : m_value(form) { }
    TabIndex(const CTabItem* tab) : m_value(tab) { }
    TabIndex(const std::shared_ptr<CTabItem>& tab) : m_value(static_cast<const CTabItem*>(tab.get())) { }

    const Value& value() const { return m_value; }
    bool isMissing() const { return std::holds_alternative<std::monostate>(m_value); }

private:
    Value m_value;
};
